// Every language of the page: chosen from the browser's languages or the
// switcher, its texts from the translators' files, a typed decimal comma,
// and pictures of the page at a phone's and a desktop's size to look at.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, describe, it } from 'node:test';
import { fillSheet, openPage, screenshotPath, textOf, typeInto, valueOf, withSiteAndBrowser }
  from './harness.mjs';

const ROOT = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
// English, and a language for each of the translators' files.
const TRANSLATED = fs.readdirSync(path.join(ROOT, 'translations'))
  .map((name) => /^korvane_(\w+)\.ts$/.exec(name)?.[1]).filter(Boolean).sort();
const LANGUAGES = ['en', ...TRANSLATED];
// The translators' finished texts, read as the build reads them.
const TS = JSON.parse(execFileSync('python3', [path.join(ROOT, 'tools/ts_texts.py'),
  ...TRANSLATED.map((l) => path.join(ROOT, `translations/korvane_${l}.ts`))]));
const text = (language, context, english) =>
  (language === 'en' ? english : TS[language][context][english]).trim();

let site;
let browser;
withSiteAndBrowser({ before, after }, (s, b) => {
  site = s;
  browser = b;
});

async function withLanguages(languages) {
  const page = await browser.newPage();
  await page.evaluateOnNewDocument((list) => {
    Object.defineProperty(navigator, 'languages', { get: () => list });
  }, languages);
  await page.goto(site.url);
  await page.waitForSelector('body[data-ready]');
  return page;
}

describe('choosing the language', () => {
  it('offers English and each language of the translators\' files, each by its own name', async () => {
    const page = await withLanguages(['en']);
    const offered = await page.$$eval('#language option', (all) => all.map((o) => [o.value, o.lang, o.text]));
    assert.deepEqual(offered.map(([value]) => value), LANGUAGES);
    for (const [value, lang, name] of offered) {
      assert.equal(lang, value);
      assert.match(name, /^\p{Lu}\p{L}+$/u, value);
    }
    assert.deepEqual(offered.find(([value]) => value === 'fr'), ['fr', 'fr', 'Français']);
    await page.close();
  });

  it('takes the first of the browser\'s languages the page speaks, and remembers a choice', async () => {
    for (const [languages, chosen] of [[['de-AT', 'en'], 'de'], [['nl-NL', 'pt-BR'], 'pt'],
      [['ja'], 'en']]) {
      const page = await withLanguages(languages);
      assert.equal(await page.$eval('html', (h) => h.lang), chosen, languages.join());
      if (chosen === 'en') {
        await typeInto(page, 'ph', '');
        await page.click('#calculate');
        await page.select('#language', 'it');
        assert.equal(await textOf(page, 'calculate'), text('it', 'frmSulfite', 'Calculate'));
        // A message shown is said again in the new language.
        assert.equal(await textOf(page, 'ph-message'), text('it', 'korvane', 'Please enter pH.'));
        await page.reload();
        await page.waitForSelector('body[data-ready]');
        assert.equal(await page.$eval('html', (h) => h.lang), 'it');
        await page.evaluate(() => localStorage.clear());
      }
      await page.close();
    }
  });
});

describe('a message about a value', () => {
  it('is said in the language with its value, and again in another', async () => {
    const page = await openPage(browser, site.url, { language: 'de' });
    await fillSheet(page, { ph: '3.5', free_so2: '10', batch_size: '9999999999', unit: 'us-gal',
      form: 'potassium', target_kind: 'free', target_free: '40', method: 'powder' });
    await page.click('#calculate');
    await page.waitForSelector('#question[open]');
    assert.equal(await textOf(page, 'question-text'),
      text('de', 'korvane', 'Batch size appears large. Are you sure it is correct?'));
    await page.click('#question-yes');
    await page.waitForFunction(() => document.getElementById('batch_size-message').textContent !== '');
    const english = 'The amount, %1 g, is more than any cellar could add: check the batch size and the target.';
    assert.equal(await textOf(page, 'batch_size-message'), text('de', 'korvane', english).replace('%1', '1.97e+9'));
    await page.select('#language', 'pt');
    assert.equal(await textOf(page, 'batch_size-message'), text('pt', 'korvane', english).replace('%1', '1.97e+9'));
    assert.deepEqual(page.errors, []);
    await page.close();
  });
});

for (const language of LANGUAGES) {
  describe(`in ${language}`, () => {
    it('shows the window\'s, the core\'s and its own texts', async () => {
      const page = await openPage(browser, site.url, { language });
      const captions = [['calculate', 'frmSulfite', 'Calculate'], ['save-defaults', 'Web', 'Save as my defaults'],
        ['cellar-title', 'Web', 'A cellar file'], ['row-existing', 'frmSulfite', 'Existing SO2']];
      for (const [id, context, english] of captions) {
        assert.equal(await textOf(page, id), text(language, context, english), id);
      }
      assert.equal(await page.$eval('#form option', (o) => o.textContent),
        text(language, 'korvane', 'Potassium Metabisulphite'));
      await typeInto(page, 'ph', '');
      await page.click('#calculate');
      assert.equal(await textOf(page, 'ph-message'), text(language, 'korvane', 'Please enter pH.'));
      assert.deepEqual(page.errors, []);
      await page.close();
    });

    it('takes a typed comma as the decimal point where the language writes one', async () => {
      const page = await openPage(browser, site.url, { language });
      await typeInto(page, 'ph', '3,6');
      assert.equal(await valueOf(page, 'ph'), language === 'en' ? '36' : '3.6');
      await page.close();
    });

    for (const [width, height] of [[360, 740], [1280, 800]]) {
      it(`is drawn at ${width}×${height} with nothing cut off`, async () => {
        const page = await openPage(browser, site.url, { language, width, height });
        await fillSheet(page, { ph: '3.5', free_so2: '10', batch_size: '23', unit: 'litres',
          target_kind: 'free', target_free: '40', method: 'powder' });
        await page.click('#calculate');
        // Nothing sticks out of the page sideways, and no caption of a
        // button, label or list is cut.
        const overflow = await page.evaluate(() => {
          const wide = document.documentElement.scrollWidth > window.innerWidth;
          const cut = [...document.querySelectorAll('button, label, select, legend, .head, .rowhead')]
            .filter((el) => el.offsetParent && !el.classList.contains('hidden'))
            .filter((el) => el.scrollWidth > el.clientWidth + 1)
            .map((el) => el.id || el.textContent);
          return { wide, cut };
        });
        assert.deepEqual(overflow, { wide: false, cut: [] });
        await page.screenshot({ path: screenshotPath(`${language}-${width}x${height}.png`), fullPage: true });
        await page.close();
      });
    }
  });
}
