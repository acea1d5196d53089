#!/usr/bin/env python3
"""Builds the web page's site from web/, the core compiled by emscripten and
the translators' .ts files.

The page is one file: its stylesheet, its scripts, the core's WebAssembly
and the texts of its languages all go into index.html, so a first visit
over a slow network takes a single round trip before the form can be used.
The English texts are the page's own; the other languages' come last, after
the page's script, which runs as soon as it has arrived (an async module):
in English the form is used before they have come, and any other language
waits only for their bytes, never for a request of its own. They come in two
rounds: first every language's texts of the page itself (its form, its own
messages), which a language's form waits for; then every language's
messages of the core, needed only once the core speaks (a calculation, a
cellar file), which the page waits for only then, with the texts that only
a cellar file's results show (web/cellar.js names them). The texts only the
register shows travel in the register's module, loaded once the form is usable.
Beside it: the web app manifest, the icons drawn from resources/korvane.svg,
and the service worker that keeps them all, named after their content hash.

The page's languages are English and one for each translations/*.ts. Its
lists and the names of a dose's columns are the core's, asked of the
compiled core itself (tools/site_tables.mjs). Its scripts are bundled by
esbuild, installed from web/package-lock.json. The build stops for a text
the page shows without a finished translation, and for any place in the
sources it is to fill that is not there.
"""

import argparse
import base64
import hashlib
import html
import json
import re
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from ts_texts import read_ts  # noqa: E402
from web_texts import bindings_of, file_keys, html_keys, page_keys  # noqa: E402

TOOLS = Path(__file__).resolve().parent
SOURCE_LANGUAGE = "en"
# Every message of the core may reach the page.
CORE_CONTEXT = "korvane"
ICONS = {"icon-192.png": (192, 0), "icon-512.png": (512, 0), "icon-maskable-512.png": (512, 96)}
# The page's module that shows a cellar file's results.
CELLAR_SCRIPT = "cellar.js"
# The module the page's script imports what the build makes from, and the
# ones the register's and sync's import their own texts from.
SITE_MODULE = "korvane-site"
REGISTER_TEXTS_MODULE = "korvane-register-texts"
SYNC_TEXTS_MODULE = "korvane-sync-texts"
# The register's module, beside the page, and its sync's, which it loads
# only when sync is set.
REGISTER_SCRIPT = "register.js"
SYNC_SCRIPT = "sync.js"


def translated_languages(ts_dir):
    """The languages with a translators' file korvane_LANGUAGE.ts."""
    found = sorted(path.stem.removeprefix("korvane_") for path in Path(ts_dir).glob("korvane_*.ts"))
    if not found:
        sys.exit(f"no translations (korvane_*.ts) in {ts_dir}")
    return found


def core_messages(ts_dir, language, wasm, named):
    """Every core message its module (`wasm`) can answer with that the page
    does not name itself (`named`), as (context, English) pairs."""
    ts = read_ts(str(Path(ts_dir) / f"korvane_{language}.ts"))
    return [(m.context, m.source) for m in ts.messages if m.context == CORE_CONTEXT
            and m.source.encode("utf-8") + b"\0" in wasm and (m.context, m.source) not in named]


def translations(ts_dir, languages, keys):
    """The translations of `keys`, (context, English) pairs, as
    {"keys": ["context|English", ...], "fr": [translation, ...], ...}."""
    texts, missing = {"keys": [f"{context}|{source}" for context, source in keys]}, []
    for language in languages:
        ts = read_ts(str(Path(ts_dir) / f"korvane_{language}.ts"))
        texts[language] = [ts.translation(context, source) for context, source in keys]
        missing += [f"{language}: {context}|{source}" for (context, source), translation
                    in zip(keys, texts[language]) if translation is None]
    if missing:
        sys.exit("no finished translation of:\n  " + "\n  ".join(missing))
    return texts


def texts_script(own, core):
    """The keys and the other languages' texts as the page's last elements,
    in two rounds: the page's own texts (data-texts), then the core's
    messages and the cellar file's texts (data-core-texts). Each round has
    its "keys" first (an English page needs none of them, so its script does
    not carry them), then one element for each language with its
    translations in that order, each as JSON written so that nothing in a
    text can end the script ("</script") or open a comment in it ("<!--")."""
    def script(kind, language, translated):
        data = json.dumps(translated, ensure_ascii=False, separators=(",", ":")).replace("<", "\\u003c")
        return f'<script type="application/json" data-{kind}="{language}">{data}</script>\n'
    rounds = (("texts", own), ("core-texts", core))
    return "".join(script(kind, language, translated)
                   for kind, texts in rounds for language, translated in texts.items())


def fill(text, place, content, where):
    """`text` with its one `place` replaced by `content`; the build stops
    when `place` is not there exactly once."""
    count = text.count(place)
    if count != 1:
        sys.exit(f"{where}: expected {place!r} once, found it {count} times")
    return text.replace(place, content)


def site_tables(wasm_file, languages):
    """The core's lists and dose columns, and the languages' own names."""
    return json.loads(output_of(["node", str(TOOLS / "site_tables.mjs"), str(wasm_file), *languages]))


def output_of(command):
    """What `command` writes; its messages go to the build's. It failing
    stops the build."""
    run = subprocess.run(command, stdout=subprocess.PIPE, text=True, encoding="utf-8", check=False)
    if run.returncode != 0:
        sys.exit(f"{Path(command[0]).name} failed ({run.returncode}): {' '.join(command[1:])}")
    return run.stdout


def options(choices):
    """A list's entries, each carrying its word as the value."""
    return "".join(
        f'<option value="{html.escape(c["word"])}" data-t="{html.escape(c["context"])}|'
        f'{html.escape(c["text"])}">{html.escape(c["text"])}</option>' for c in choices)


def language_options(names):
    return "".join(f'<option value="{code}" lang="{code}">{html.escape(name)}</option>'
                   for code, name in names.items())


def fill_lists(source, tables, names):
    """index.html with its lists filled: each <!--choices:NAME--> with the
    core's entries, <!--languages--> with the page's languages. The method's
    option buttons each stand in a row of their own, with a field beside
    some, so they are written out; their values must be the core's words."""
    page = fill(source, "<!--languages-->", language_options(names), "index.html")
    for name, choices in tables["choices"].items():
        if all("text" in choice for choice in choices):
            page = fill(page, f"<!--choices:{name}-->", options(choices), "index.html")
    left = re.findall(r"<!--choices:[^>]*-->", page)
    if left:
        sys.exit(f"index.html: no list of the core for {', '.join(left)}")
    buttons = re.findall(r'<input type="radio" name="method" id="([^"]*)" value="([^"]*)">', page)
    words = [choice["word"] for choice in tables["choices"]["method"]]
    if buttons != [(word, word) for word in words]:
        sys.exit(f"index.html: the method's buttons are {buttons}, the core's methods {words}")
    return page


def esbuild(web, *args):
    """esbuild's output for `args`; npm ci in web/ installs it."""
    program = web / "node_modules" / ".bin" / "esbuild"
    if not program.exists():
        sys.exit(f"{program} is missing: run npm ci in {web}")
    return output_of([str(program), "--log-level=warning", "--charset=utf8", "--legal-comments=none",
                      *args])


def bundle(web, site_data):
    """The page's script and the modules it imports, in one minified module;
    `site_data` is what it imports from SITE_MODULE."""
    with tempfile.TemporaryDirectory() as folder:
        module = Path(folder) / "site.js"
        module.write_text("".join(
            f"export const {name} = {json.dumps(value, ensure_ascii=False, separators=(',', ':'))};\n"
            for name, value in site_data.items()), "utf-8")
        script = esbuild(web, str(web / "app.js"), "--bundle", "--format=esm", "--minify",
                         f"--alias:{SITE_MODULE}={module}")
    return script.replace("</script", "<\\/script")


def module_keys(web):
    """The page's own texts that only one of its modules shows, as (the
    cellar file's, the register's, sync's alone). None travels in the
    page's first round, whose every byte a first visit waits for in every
    language: the cellar file's come in the second, with the core's messages
    its results speak in; the register's and sync's in their modules (they
    were a third of each language's texts)."""
    folder = web / "register"
    sync = folder / "sync.js"
    cellar = web / CELLAR_SCRIPT
    sources = sorted(web.iterdir()) + sorted(bindings_of(web).glob("*.cpp"))
    page = {key for path in sources if path.is_file() and path != cellar for key in file_keys(path)}
    cellar_keys = [key for key in dict.fromkeys(file_keys(cellar)) if key not in page]
    page.update(cellar_keys)
    register_keys = [key for path in sorted(folder.glob("*.js")) if path != sync for key in file_keys(path)
                     if key[0] == "Web" and key not in page]
    register_keys = list(dict.fromkeys(register_keys))
    sync_keys = [key for key in dict.fromkeys(file_keys(sync))
                 if key[0] == "Web" and key not in page and key not in register_keys]
    return cellar_keys, register_keys, sync_keys


def texts_module(folder, name, texts):
    """A module in `folder` whose default export is `texts`, for esbuild to
    bundle in place of the one a script imports them from."""
    module = Path(folder) / f"{name}.js"
    module.write_text(f"export default {json.dumps(texts, ensure_ascii=False)};\n", "utf-8")
    return module


def register(web, out, register_texts, sync_texts):
    """The register's script, its libraries, styles and texts in a module of
    its own, which the page loads once its form is usable; and sync's, with
    its texts, which the register loads only when sync is set."""
    with tempfile.TemporaryDirectory() as folder:
        script = esbuild(web, str(web / "register" / "main.js"), "--bundle", "--format=esm", "--minify",
                         "--loader:.css=text",
                         f"--alias:{REGISTER_TEXTS_MODULE}={texts_module(folder, 'register', register_texts)}")
        (out / REGISTER_SCRIPT).write_text(script, "utf-8")
        script = esbuild(web, str(web / "register" / "sync.js"), "--bundle", "--format=esm", "--minify",
                         "--loader:.css=text",
                         f"--alias:{SYNC_TEXTS_MODULE}={texts_module(folder, 'sync', sync_texts)}")
        (out / SYNC_SCRIPT).write_text(script, "utf-8")


def page(web, wasm_file, source, site_data, own, core):
    style = esbuild(web, str(web / "style.css"), "--minify")
    html_text = fill(source, '<link rel="stylesheet" href="style.css">',
                     f"<style>\n{style}</style>", "index.html")
    html_text = fill(html_text, '<script type="module" src="app.js"></script>\n', "", "index.html")
    # Packed before it is written in base64: fewer bytes to send, whether
    # the host compresses or not, and a third as many for the page to read.
    # zopfli writes gzip's format 6 % smaller than gzip -9 (3 KB, 17 ms on
    # "Fast 3G"), and the browser unpacks it alike.
    packed = subprocess.run(["zopfli", "-c", str(wasm_file)], stdout=subprocess.PIPE,
                            check=True).stdout
    wasm = base64.b64encode(packed).decode("ascii")
    start = esbuild(web, str(web / "wasm_start.js"), "--minify")
    # The form comes first, to be drawn while the rest arrives; the other
    # languages' texts last, to be read once the page's script wants them,
    # and the core's messages after every language's texts of the form.
    scripts = (f'<script type="application/octet-stream" id="korvane-wasm">{wasm}</script>\n'
               f'<script>\n{start}</script>\n'
               # async: a module of the page's own runs as soon as it has
               # arrived, not once the whole page has.
               f'<script type="module" async>\n{bundle(web, site_data)}</script>\n'
               f'{texts_script(own, core)}')
    return fill(html_text, "</body>", scripts + "</body>", "index.html")


def draw_icons(svg, out):
    source = Path(svg).read_text("utf-8")
    inner = source[source.index("<svg"):]
    for name, (size, margin) in ICONS.items():
        if margin:
            # A maskable icon is cut to a circle or a rounded square: the
            # glass stands well inside, on a white ground.
            placed = fill(inner, 'width="64" height="64"',
                          f'x="{margin}" y="{margin}" width="{size - 2 * margin}" '
                          f'height="{size - 2 * margin}"', svg)
            drawing = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}">'
                       f'<rect width="{size}" height="{size}" fill="#ffffff"/>{placed}</svg>')
        else:
            drawing = source
        drawn = out / f"{name}.drawn"
        subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-o", str(drawn)],
                       input=drawing.encode("utf-8"), check=True)
        # The same pixels, packed harder: a fifth of the icons' bytes, which
        # count against the whole site's size.
        subprocess.run(["zopflipng", "-y", "--always_zopflify", str(drawn), str(out / name)],
                       check=True, stdout=subprocess.DEVNULL)
        drawn.unlink()


def service_worker(web, out, files):
    digest = hashlib.sha256()
    for name in files:
        digest.update((out / name).read_bytes())
    worker = (web / "sw.js").read_text("utf-8")
    worker = fill(worker, "@HASH@", digest.hexdigest()[:16], "sw.js")
    worker = fill(worker, "@FILES@", json.dumps(["./"] + files), "sw.js")
    (out / "sw.js").write_text(worker, "utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    for option in ("--web", "--wasm", "--icon", "--translations", "--version", "--out"):
        parser.add_argument(option, required=True)
    args = parser.parse_args()
    web, wasm_file, out = Path(args.web), Path(args.wasm) / "korvane.wasm", Path(args.out)
    languages = translated_languages(args.translations)
    tables = site_tables(wasm_file, [SOURCE_LANGUAGE] + languages)
    source = fill_lists((web / "index.html").read_text("utf-8"), tables, tables["language_names"])
    cellar_keys, register_keys, sync_keys = module_keys(web)
    # The page's own texts: those its sources name and the entries of the
    # core's lists written into it, which its form shows from the start.
    own = [key for key in dict.fromkeys(page_keys(web) + html_keys(source))
           if key not in cellar_keys + register_keys + sync_keys]
    core = cellar_keys + core_messages(args.translations, languages[0], wasm_file.read_bytes(),
                                       own + cellar_keys)
    site_data = {"VERSION": args.version,
                 "LANGUAGES": [SOURCE_LANGUAGE] + languages, "DOSE_COLUMNS": tables["dose_columns"]}
    if out.exists():
        shutil.rmtree(out)
    out.mkdir(parents=True)
    (out / "index.html").write_text(page(web, wasm_file, source, site_data,
                                         translations(args.translations, languages, own),
                                         translations(args.translations, languages, core)), "utf-8")
    register(web, out, translations(args.translations, languages, register_keys),
             translations(args.translations, languages, sync_keys))
    shutil.copy(web / "manifest.webmanifest", out)
    draw_icons(args.icon, out)
    service_worker(web, out, ["index.html", REGISTER_SCRIPT, SYNC_SCRIPT, "manifest.webmanifest"] + list(ICONS))
    return 0


if __name__ == "__main__":
    sys.exit(main())
