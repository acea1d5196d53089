// What the site's build asks the core, through the page's own loader: its
// lists and the names of a dose's columns (korvane_page_tables), and each
// language's name in that language, as the language list shows it.
// Usage: node tools/site_tables.mjs KORVANE.WASM LANGUAGE...
import fs from 'node:fs';
import { loadCore } from '../web/core.js';

const [wasm, ...languages] = process.argv.slice(2);
const core = await loadCore(WebAssembly.compile(fs.readFileSync(wasm)));
const ownName = (code) => {
  const name = new Intl.DisplayNames([code], { type: 'language' }).of(code);
  return name[0].toLocaleUpperCase(code) + name.slice(1);
};
process.stdout.write(JSON.stringify({
  ...core.tables(),
  language_names: Object.fromEntries(languages.map((code) => [code, ownName(code)])),
}));
