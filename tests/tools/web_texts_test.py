"""The web page's texts: tools/web_texts.py finds every text the page's
sources name, hands lupdate the page's own, and the site is built only when
each has a finished translation in every language."""

import os
import subprocess
import sys
import tempfile
import unittest

TOOLS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools")
sys.path.insert(0, TOOLS)
import build_site  # noqa: E402
from web_texts import page_keys  # noqa: E402

HTML = """<button data-t="frmSulfite|Calculate">Calculate</button>
<span class="number" data-label="frmSulfite|pH" data-spin="frmSulfite|Increase or decrease pH"></span>
<p data-t="Web|Drop a file &amp; go">Drop a file &amp; go</p>
<p data-t="frmSulfite|Calculate">again</p>"""
JS = """status.textContent = t('Web', 'Saved as your defaults.');
note.textContent = t('korvane', answer.message);
rows.textContent = t('Web', 'The first %1 rows; the CSV holds them all.');"""

TS = """<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="{language}">
<context>
    <name>Web</name>
    <message>
        <source>Yes</source>
        {yes}
    </message>
</context>
<context>
    <name>korvane</name>
    <message>
        <source>pH must be numeric.</source>
        <translation>pH !</translation>
    </message>
    <message>
        <source>%1 already running.</source>
        <translation>%1 !</translation>
    </message>
</context>
</TS>
"""


class WebTexts(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.web = os.path.join(self.dir.name, "web")
        os.mkdir(self.web)
        for name, text in (("index.html", HTML), ("app.js", JS), ("style.css", "p { }")):
            with open(os.path.join(self.web, name), "w", encoding="utf-8") as file:
                file.write(text)

    def tearDown(self):
        self.dir.cleanup()

    def test_finds_each_text_once_in_order_of_the_sources(self):
        self.assertEqual(page_keys(self.web), [
            ("Web", "Saved as your defaults."),
            ("Web", "The first %1 rows; the CSV holds them all."),
            ("frmSulfite", "Calculate"),
            ("frmSulfite", "pH"),
            ("frmSulfite", "Increase or decrease pH"),
            ("Web", "Drop a file & go"),
        ])

    def test_hands_lupdate_the_page_own_texts_only(self):
        output = os.path.join(self.dir.name, "web_texts.cpp")
        subprocess.run([sys.executable, os.path.join(TOOLS, "web_texts.py"), "extract", self.web,
                        output], check=True)
        with open(output, encoding="utf-8") as file:
            lines = file.read().splitlines()[1:]
        self.assertEqual(lines, [
            'QT_TRANSLATE_NOOP("Web", "Saved as your defaults.");',
            'QT_TRANSLATE_NOOP("Web", "The first %1 rows; the CSV holds them all.");',
            'QT_TRANSLATE_NOOP("Web", "Drop a file & go");',
        ])

    def write_ts(self, unfinished_in):
        for language in build_site.LANGUAGES:
            kind = ' type="unfinished"' if language == unfinished_in else ""
            text = TS.format(language=language, yes=f"<translation{kind}>Oui</translation>")
            with open(os.path.join(self.dir.name, f"korvane_{language}.ts"), "w",
                      encoding="utf-8") as file:
                file.write(text)

    def test_the_core_texts_are_those_its_module_holds(self):
        self.write_ts(unfinished_in=None)
        texts = build_site.translations(self.dir.name, [("Web", "Yes")], b"x\0pH must be numeric.\0")
        self.assertEqual(texts["keys"], ["Web|Yes", "korvane|pH must be numeric."])
        self.assertEqual(texts["de"], ["Oui", "pH !"])

    def test_a_text_without_a_finished_translation_stops_the_build(self):
        self.write_ts(unfinished_in="it")
        with self.assertRaises(SystemExit) as stop:
            build_site.translations(self.dir.name, [("Web", "Yes")], b"")
        self.assertIn("it: Web|Yes", str(stop.exception))


if __name__ == "__main__":
    unittest.main()
