#!/usr/bin/env python3
"""Reads Qt Linguist .ts files, the translators' sources of every text Korvane
shows, for build steps that need the translations outside Qt.

As a module (tools/ on sys.path):

    from ts_texts import read_ts
    ts = read_ts("translations/korvane_fr.ts")
    ts.language                                   # "fr"
    ts.translation("Desktop", "SO2 Calculator")   # "Calculateur de SO2"

translation() gives None for a text the file does not hold or whose
translation is not finished (lupdate's "unfinished", "vanished", "obsolete"),
so that a caller never shows a half-done text. A plural message gives the
list of its forms.

As a command, for a build step that wants the texts as data:

    ts_texts.py [--context NAME]... FILE.ts...

prints one JSON object, keys sorted, holding each file's finished
translations: {"fr": {"Desktop": {"SO2 Calculator": "Calculateur de SO2"}}}.
--context keeps only the contexts named. Exit status 0, or 1 with a message
on standard error when a file cannot be read or is not a .ts file.
"""

import argparse
import json
import sys
import xml.etree.ElementTree as ET
from dataclasses import dataclass
from typing import Optional, Union

Translation = Union[str, list]


class TsError(Exception):
    """A .ts file that cannot be read, or is not one."""


@dataclass(frozen=True)
class Message:
    context: str
    source: str
    disambiguation: str
    translation: Translation
    finished: bool


class TsFile:
    def __init__(self, language: str, messages: list):
        self.language = language
        self.messages = messages
        self._finished = {(m.context, m.source, m.disambiguation): m.translation
                          for m in messages if m.finished}

    def translation(self, context: str, source: str,
                    disambiguation: str = "") -> Optional[Translation]:
        return self._finished.get((context, source, disambiguation))


def _text(element: Optional[ET.Element]) -> str:
    """The element's text, with lupdate's <byte value="xd"/> for control characters."""
    if element is None:
        return ""
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            value = child.get("value", "")
            parts.append(chr(int(value[1:], 16) if value[:1] in "xX" else int(value)))
        parts.append(child.tail or "")
    return "".join(parts)


def _message(context: str, element: ET.Element) -> Message:
    translation = element.find("translation")
    if translation is None:
        raise TsError(f"a message of context {context!r} has no <translation>")
    forms = translation.findall("numerusform")
    text = [_text(form) for form in forms] if forms else _text(translation)
    empty = not any(text) if forms else not text
    return Message(context=context,
                   source=_text(element.find("source")),
                   disambiguation=_text(element.find("comment")),
                   translation=text,
                   finished=translation.get("type") is None and not empty)


def read_ts(path: str) -> TsFile:
    try:
        root = ET.parse(path).getroot()
    except (OSError, ET.ParseError) as error:
        raise TsError(f"{path}: {error}") from error
    if root.tag != "TS" or not root.get("language"):
        raise TsError(f"{path}: not a Qt Linguist file with a language")
    messages = []
    for context in root.iter("context"):
        name = _text(context.find("name"))
        messages.extend(_message(name, m) for m in context.iter("message"))
    return TsFile(root.get("language"), messages)


def finished_texts(ts: TsFile, contexts=None) -> dict:
    """{context: {source: translation}} of the file's finished translations."""
    texts = {}
    for m in ts.messages:
        if m.finished and (not contexts or m.context in contexts):
            texts.setdefault(m.context, {})[m.source] = m.translation
    return texts


def main(argv) -> int:
    parser = argparse.ArgumentParser(
        description="Print the finished translations of Qt Linguist .ts files as JSON.")
    parser.add_argument("--context", action="append", metavar="NAME",
                        help="keep only this context (may be given again)")
    parser.add_argument("files", nargs="+", metavar="FILE.ts")
    args = parser.parse_args(argv)
    try:
        files = [read_ts(path) for path in args.files]
    except TsError as error:
        print(f"ts_texts.py: {error}", file=sys.stderr)
        return 1
    texts = {ts.language: finished_texts(ts, args.context) for ts in files}
    json.dump(texts, sys.stdout, ensure_ascii=False, indent=2, sort_keys=True)
    sys.stdout.write("\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
