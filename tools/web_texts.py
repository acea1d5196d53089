#!/usr/bin/env python3
"""The texts the web page shows, found in its sources under web/.

The page names each text by its translators' context and English source,
as in the window: data-t="frmSulfite|Calculate" (also data-label and
data-spin) in the HTML, t('Web', 'Download CSV') in the JavaScript. Texts
of the context "Web" are the page's own; every other context is the
window's or the core's, so no text is translated twice. The page's
bindings (src/web/, beside web/) write a text of the page's own that one of
the core's lists lacks as KORVANE_WEB_TEXT("Hectolitres").

    web_texts.py extract WEB_DIR OUTPUT.cpp

writes the page's own texts as QT_TRANSLATE_NOOP("Web", ...) lines for
lupdate, which puts them into the .ts files beside the window's.
"""

import html
import re
import sys
from pathlib import Path

CONTEXT = "Web"
_HTML = re.compile(r'data-(?:t|label|spin)="([A-Za-z]+)\|([^"]*)"')
# t('Context', 'Text'), and say($('place'), 'Context', 'Text') which shows one.
_JS = re.compile(r"\b(?:t\(|say\(\$\([^()]*\), )'([A-Za-z]+)', '((?:[^'\\]|\\.)*)'[,)]")
_CPP = re.compile(r'\bKORVANE_WEB_TEXT\("((?:[^"\\]|\\.)*)"\)')


def unescaped(literal):
    """A string literal's text: its backslash escapes read, its other
    characters (é in "Rosé") kept as they are."""
    return literal.encode("latin-1", "backslashreplace").decode("unicode_escape")


def bindings_of(web_dir):
    """Where the page's bindings stand: src/web/ beside web/."""
    return Path(web_dir).resolve().parent / "src" / "web"


def page_keys(web_dir, bindings_dir=None):
    """Every (context, English text) the page's sources name, in order, once:
    those of web_dir, then those of its bindings."""
    bindings = Path(bindings_dir) if bindings_dir else bindings_of(web_dir)
    keys = []
    # The page's own files and the register's, beside them.
    sources = sorted(Path(web_dir).iterdir()) + sorted((Path(web_dir) / "register").glob("*.js"))
    sources += sorted(bindings.glob("*.cpp")) if bindings.is_dir() else []
    for path in sources:
        for key in file_keys(path):
            if key not in keys:
                keys.append(key)
    return keys


def html_keys(text):
    """The (context, English text) pairs a page names, in order."""
    return [(c, html.unescape(s)) for c, s in _HTML.findall(text)]


def file_keys(path):
    """The (context, English text) pairs one source file names, in order."""
    path = Path(path)
    if path.suffix == ".html":
        return html_keys(path.read_text("utf-8"))
    if path.suffix == ".js":
        return [(c, unescaped(s)) for c, s in _JS.findall(path.read_text("utf-8"))]
    if path.suffix == ".cpp":
        return [(CONTEXT, unescaped(s)) for s in _CPP.findall(path.read_text("utf-8"))]
    return []


def extract(web_dir, output, bindings_dir=None):
    lines = ["// The web page's own texts, for lupdate; made by tools/web_texts.py."]
    for context, source in page_keys(web_dir, bindings_dir):
        if context == CONTEXT:
            literal = source.replace("\\", "\\\\").replace('"', '\\"')
            lines.append(f'QT_TRANSLATE_NOOP("{CONTEXT}", "{literal}");')
    Path(output).write_text("\n".join(lines) + "\n", "utf-8")


def main(argv):
    if len(argv) != 4 or argv[1] != "extract":
        print("usage: web_texts.py extract WEB_DIR OUTPUT.cpp", file=sys.stderr)
        return 2
    extract(argv[2], argv[3])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
