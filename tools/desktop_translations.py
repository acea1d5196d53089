#!/usr/bin/env python3
"""The menu entry and the AppStream data in every language of the .ts files.

Their English texts are written once, in the desktop entry and the metainfo
templates under resources/; the translations live in translations/*.ts with
every other text of the program, in context "Desktop".

    desktop_translations.py extract DESKTOP METAINFO OUTPUT
        writes the translatable texts of both as C++ that lupdate reads, so
        that `update_translations` puts them in the .ts files;
    desktop_translations.py desktop TEMPLATE OUTPUT FILE.ts...
        writes the desktop entry with a Key[language]= line after each
        translatable key;
    desktop_translations.py metainfo TEMPLATE OUTPUT FILE.ts...
        writes the metainfo with an xml:lang copy after the summary and after
        each paragraph and list item of the description.

The translatable keys of the desktop entry are Name, GenericName, Comment and
Keywords. A text that has no finished translation in one of the .ts files
stops the build with the texts and their languages named: run
update_translations and translate them. Exit status 0, 1 with a message on
standard error, or 2 for a wrong command line.
"""

import os
import re
import sys
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from ts_texts import TsError, read_ts  # noqa: E402

CONTEXT = "Desktop"
XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"

# What each text is, for the translator reading it in Qt Linguist.
DESKTOP_KEYS = {
    "Name": "the program's name in the menu; keep it as it is",
    "GenericName": "what kind of program it is, under or beside its name in the menu",
    "Comment": "the tooltip of the menu entry",
    "Keywords": "words a menu search finds it by, each followed by a semicolon",
}
METAINFO_PARTS = {
    "summary": "the line under the name in a software centre",
    "p": "a paragraph of the description in a software centre",
    "li": "an item of a list in the description in a software centre",
}
KEY_LINE = re.compile(r"^(%s)=(.*)$" % "|".join(DESKTOP_KEYS))


class Untranslated(Exception):
    pass


# --- The texts -----------------------------------------------------------------

def desktop_keys(lines):
    """(line number, key, English text) of each translatable key of the
    [Desktop Entry] group."""
    group = None
    for number, line in enumerate(lines):
        if line.startswith("["):
            group = line.strip()
        match = KEY_LINE.match(line.rstrip("\n"))
        if group == "[Desktop Entry]" and match:
            yield number, match.group(1), match.group(2)


def _normalized(element):
    if len(element):
        raise ValueError(f"<{element.tag}> holds markup, which cannot be translated here")
    return " ".join((element.text or "").split())


def metainfo_parts(root):
    """(element, English text) of the summary and of the description's
    paragraphs and list items, leaving out translations already there."""
    parts = list(root.iter("summary"))
    for description in root.iter("description"):
        parts += [e for e in description.iter() if e.tag in ("p", "li")]
    for element in parts:
        if element.get(XML_LANG) is None:
            yield element, _normalized(element)


def parse_metainfo(path):
    parser = ET.XMLParser(target=ET.TreeBuilder(insert_comments=True))
    return ET.parse(path, parser)


# --- Translations ----------------------------------------------------------------

class Translator:
    """The finished translation of each text in each language, languages in order."""

    def __init__(self, ts_paths):
        self.files = sorted((read_ts(path) for path in ts_paths), key=lambda ts: ts.language)
        self.missing = []

    def each(self, text):
        for ts in self.files:
            translation = ts.translation(CONTEXT, text)
            if translation is None:
                self.missing.append(f"{ts.language}: {text!r}")
            yield ts.language, translation or text

    def check(self):
        if self.missing:
            raise Untranslated(
                f"no finished translation in context {CONTEXT!r} of:\n  " +
                "\n  ".join(self.missing) +
                "\nRun the update_translations target and translate them.")


def _desktop_value(text):
    if any(c in text for c in "\\\n\r\t"):
        raise ValueError(f"{text!r} holds a character a desktop entry value cannot")
    return text


# --- Commands --------------------------------------------------------------------

def extract(desktop, metainfo, output):
    with open(desktop, encoding="utf-8") as entry:
        texts = [(text, f"{key}: {DESKTOP_KEYS[key]}")
                 for _, key, text in desktop_keys(entry.readlines())]
    texts += [(text, METAINFO_PARTS[element.tag])
              for element, text in metainfo_parts(parse_metainfo(metainfo).getroot())]
    notes = {}
    for text, note in texts:
        notes.setdefault(text, []).append(note)
    lines = ["// The texts of the menu entry and the AppStream data, gathered by",
             "// tools/desktop_translations.py for lupdate. Nothing compiles this file."]
    for text, note in notes.items():
        literal = text.replace("\\", "\\\\").replace('"', '\\"')
        lines += [f"//: {'; '.join(note)}", f'QT_TRANSLATE_NOOP("{CONTEXT}", "{literal}");']
    _write(output, "\n".join(lines) + "\n")


def desktop(template, output, ts_paths):
    translator = Translator(ts_paths)
    with open(template, encoding="utf-8") as entry:
        lines = entry.readlines()
    keys = {number: (key, text) for number, key, text in desktop_keys(lines)}
    out = []
    for number, line in enumerate(lines):
        out.append(line)
        if number in keys:
            key, text = keys[number]
            out += [f"{key}[{language}]={_desktop_value(translation)}\n"
                    for language, translation in translator.each(text)]
    translator.check()
    _write(output, "".join(out))


def metainfo(template, output, ts_paths):
    translator = Translator(ts_paths)
    root = parse_metainfo(template).getroot()
    parents = {child: parent for parent in root.iter() for child in parent}
    for element, text in list(metainfo_parts(root)):
        parent = parents[element]
        at = list(parent).index(element)
        for offset, (language, translation) in enumerate(translator.each(text), start=1):
            copy = ET.Element(element.tag, {XML_LANG: language})
            copy.text = translation
            parent.insert(at + offset, copy)
    translator.check()
    ET.indent(root, space="  ")
    _write(output, '<?xml version="1.0" encoding="UTF-8"?>\n' +
           ET.tostring(root, encoding="unicode") + "\n")


def _write(path, text):
    temporary = path + ".tmp"
    with open(temporary, "w", encoding="utf-8") as out:
        out.write(text)
    os.replace(temporary, path)


USAGE = """usage: desktop_translations.py extract DESKTOP METAINFO OUTPUT
       desktop_translations.py desktop TEMPLATE OUTPUT FILE.ts...
       desktop_translations.py metainfo TEMPLATE OUTPUT FILE.ts..."""


def main(argv):
    command, arguments = (argv[0], argv[1:]) if argv else ("", [])
    try:
        if command == "extract" and len(arguments) == 3:
            extract(*arguments)
        elif command in ("desktop", "metainfo") and len(arguments) >= 3:
            translate = desktop if command == "desktop" else metainfo
            translate(arguments[0], arguments[1], arguments[2:])
        else:
            print(USAGE, file=sys.stderr)
            return 2
    except (OSError, ET.ParseError, TsError, ValueError, Untranslated) as error:
        print(f"desktop_translations.py {command}: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
