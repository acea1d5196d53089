#!/usr/bin/env python3
"""Builds the web page's site from web/, the core compiled by emscripten and
the translators' .ts files.

The page is one file: its stylesheet, its scripts, the core's WebAssembly
and the texts of its six languages all go into index.html, so a first visit
over a slow network takes a single round trip before the form can be used.
Beside it: the web app manifest, the icons drawn from resources/korvane.svg,
and the service worker that keeps them all, named after their content hash.
A text the page shows without a finished translation stops the build.
"""

import argparse
import base64
import gzip
import hashlib
import json
import re
import shutil
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from ts_texts import read_ts  # noqa: E402
from web_texts import page_keys  # noqa: E402

LANGUAGES = ["fr", "it", "es", "de", "pt"]
# Every message of the core may reach the page.
CORE_CONTEXT = "korvane"
ICONS = {"icon-192.png": (192, 0), "icon-512.png": (512, 0), "icon-maskable-512.png": (512, 96)}


def translations(ts_dir, keys, wasm):
    """The page's texts and every core text its module can answer with, as
    {"keys": ["context|English", ...], "fr": [translation, ...], ...}."""
    ts_files = {language: read_ts(str(Path(ts_dir) / f"korvane_{language}.ts"))
                for language in LANGUAGES}
    core = [(m.context, m.source) for m in ts_files["fr"].messages
            if m.context == CORE_CONTEXT and m.source.encode("utf-8") + b"\0" in wasm]
    wanted = keys + [key for key in core if key not in keys]
    texts, missing = {"keys": [f"{context}|{source}" for context, source in wanted]}, []
    for language, ts in ts_files.items():
        texts[language] = [ts.translation(context, source) for context, source in wanted]
        missing += [f"{language}: {context}|{source}" for (context, source), translation
                    in zip(wanted, texts[language]) if translation is None]
    if missing:
        sys.exit("no finished translation of:\n  " + "\n  ".join(missing))
    return texts


def module_body(source):
    """A module's code with its imports gone and its exports plain; lines
    that are only a comment, blank lines and indentation are dropped, for
    every byte goes over a phone's network."""
    lines = [line.strip() for line in source.splitlines()]
    lines = [line for line in lines
             if line and not line.startswith("import ") and not line.startswith("//")]
    return re.sub(r"^export (default \w+;)?", "", "\n".join(lines), flags=re.M) + "\n"


def bundle(web, texts, version):
    parts = [
        f"const TEXTS = {json.dumps(texts, ensure_ascii=False, separators=(',', ':'))};\n"
        f"const VERSION = {json.dumps(version)};\n",
        module_body((web / "core.js").read_text("utf-8")),
        module_body((web / "app.js").read_text("utf-8")),
    ]
    return "".join(parts).replace("</script", "<\\/script")


def page(web, wasm_dir, texts, version):
    html = (web / "index.html").read_text("utf-8")
    style = (web / "style.css").read_text("utf-8")
    html = html.replace('<link rel="stylesheet" href="style.css">', f"<style>\n{style}</style>")
    html = html.replace('<script type="module" src="app.js"></script>\n', "")
    # Packed before it is written in base64: fewer bytes to send, whether
    # the host compresses or not, and a third as many for the page to read.
    packed = gzip.compress((wasm_dir / "korvane.wasm").read_bytes(), compresslevel=9, mtime=0)
    wasm = base64.b64encode(packed).decode("ascii")
    start = module_body((web / "wasm_start.js").read_text("utf-8"))
    # The form comes first, to be drawn while the rest arrives.
    scripts = (f'<script type="application/octet-stream" id="korvane-wasm">{wasm}</script>\n'
               f'<script>\n{start}</script>\n'
               f'<script type="module">\n{bundle(web, texts, version)}</script>\n')
    return html.replace("</body>", scripts + "</body>")


def draw_icons(svg, out):
    source = Path(svg).read_text("utf-8")
    inner = source[source.index("<svg"):]
    for name, (size, margin) in ICONS.items():
        if margin:
            # A maskable icon is cut to a circle or a rounded square: the
            # glass stands well inside, on a white ground.
            placed = re.sub(r'width="64" height="64"',
                            f'x="{margin}" y="{margin}" width="{size - 2 * margin}" '
                            f'height="{size - 2 * margin}"', inner, count=1)
            drawing = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}">'
                       f'<rect width="{size}" height="{size}" fill="#ffffff"/>{placed}</svg>')
        else:
            drawing = source
        subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-o", str(out / name)],
                       input=drawing.encode("utf-8"), check=True)


def service_worker(web, out, files):
    digest = hashlib.sha256()
    for name in files:
        digest.update((out / name).read_bytes())
    worker = (web / "sw.js").read_text("utf-8")
    worker = worker.replace("@HASH@", digest.hexdigest()[:16])
    worker = worker.replace("@FILES@", json.dumps(["./"] + files))
    (out / "sw.js").write_text(worker, "utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    for option in ("--web", "--wasm", "--icon", "--translations", "--version", "--out"):
        parser.add_argument(option, required=True)
    args = parser.parse_args()
    web, wasm_dir, out = Path(args.web), Path(args.wasm), Path(args.out)
    if out.exists():
        shutil.rmtree(out)
    out.mkdir(parents=True)
    texts = translations(args.translations, page_keys(web), (wasm_dir / "korvane.wasm").read_bytes())
    (out / "index.html").write_text(page(web, wasm_dir, texts, args.version), "utf-8")
    shutil.copy(web / "manifest.webmanifest", out)
    draw_icons(args.icon, out)
    service_worker(web, out, ["index.html", "manifest.webmanifest"] + list(ICONS))
    return 0


if __name__ == "__main__":
    sys.exit(main())
