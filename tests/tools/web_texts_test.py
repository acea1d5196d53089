"""The web page's texts and lists: tools/web_texts.py finds every text the
page's sources name, hands lupdate the page's own, and the site is built
only when each has a finished translation in every language of the
translators' files, with the core's lists where the page leaves room for
them and nowhere else."""

import json
import os
import re
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
        bindings = os.path.join(self.dir.name, "src", "web")
        os.makedirs(bindings)
        with open(os.path.join(bindings, "page_tables.cpp"), "w", encoding="utf-8") as file:
            file.write('#define KORVANE_WEB_TEXT(text) text\n'
                       'constexpr char kText[] = KORVANE_WEB_TEXT("Hectolitres");\n'
                       'const char* core = KORVANE_TEXT("Litres");\n'
                       'const char* rose = KORVANE_WEB_TEXT("Ros\u00e9 \\"dry\\"");\n')
        output = os.path.join(self.dir.name, "web_texts.cpp")
        subprocess.run([sys.executable, os.path.join(TOOLS, "web_texts.py"), "extract", self.web,
                        output], check=True)
        with open(output, encoding="utf-8") as file:
            lines = file.read().splitlines()[1:]
        self.assertEqual(lines, [
            'QT_TRANSLATE_NOOP("Web", "Saved as your defaults.");',
            'QT_TRANSLATE_NOOP("Web", "The first %1 rows; the CSV holds them all.");',
            'QT_TRANSLATE_NOOP("Web", "Drop a file & go");',
            'QT_TRANSLATE_NOOP("Web", "Hectolitres");',
            'QT_TRANSLATE_NOOP("Web", "Ros\u00e9 \\"dry\\"");',
        ])

    def write_ts(self, unfinished_in, languages=("de", "it", "pt")):
        for language in languages:
            kind = ' type="unfinished"' if language == unfinished_in else ""
            text = TS.format(language=language, yes=f"<translation{kind}>Oui</translation>")
            with open(os.path.join(self.dir.name, f"korvane_{language}.ts"), "w",
                      encoding="utf-8") as file:
                file.write(text)

    def test_the_core_texts_are_those_its_module_holds_and_the_page_does_not_name(self):
        self.write_ts(unfinished_in=None)
        wasm = b"x\0pH must be numeric.\0%1 already running.\0"
        named = [("korvane", "%1 already running.")]
        core = build_site.core_messages(self.dir.name, "de", wasm, named)
        self.assertEqual(core, [("korvane", "pH must be numeric.")])
        texts = build_site.translations(self.dir.name, ["de", "it", "pt"], [("Web", "Yes")] + core)
        self.assertEqual(texts["keys"], ["Web|Yes", "korvane|pH must be numeric."])
        self.assertEqual(texts["de"], ["Oui", "pH !"])

    def test_a_text_without_a_finished_translation_stops_the_build(self):
        self.write_ts(unfinished_in="it")
        with self.assertRaises(SystemExit) as stop:
            build_site.translations(self.dir.name, ["de", "it", "pt"], [("Web", "Yes")])
        self.assertIn("it: Web|Yes", str(stop.exception))

    def test_the_keys_then_each_other_language_are_scripts_nothing_in_their_texts_can_end(self):
        texts = {"keys": ["Web|Yes", "Web|No"], "de": ["Ja", "</script><!--"], "fr": ["Oui", "Non"]}
        core = {"keys": ["korvane|pH"], "de": ["pH-Wert"], "fr": ["pH !"]}
        scripts = build_site.texts_script(texts, core).splitlines()
        found = re.fullmatch(r'<script type="application/json" data-texts="de">(.*)</script>', scripts[1])
        self.assertNotIn("<", found[1])
        self.assertEqual(json.loads(found[1]), ["Ja", "</script><!--"])
        # Every language's own texts before any language's core messages.
        self.assertEqual(scripts[::2], [
            '<script type="application/json" data-texts="keys">["Web|Yes","Web|No"]</script>',
            '<script type="application/json" data-texts="fr">["Oui","Non"]</script>',
            '<script type="application/json" data-core-texts="de">["pH-Wert"]</script>'])

    def test_the_languages_are_those_of_the_translators_files(self):
        self.write_ts(unfinished_in=None, languages=("pt", "de", "nl"))
        with open(os.path.join(self.dir.name, "korvane.qrc"), "w", encoding="utf-8") as file:
            file.write("<RCC/>")
        self.assertEqual(build_site.translated_languages(self.dir.name), ["de", "nl", "pt"])
        with self.assertRaises(SystemExit):
            build_site.translated_languages(self.web)


TABLES = {"choices": {
    "form": [{"word": "potassium", "text": "Potassium", "context": "korvane"},
             {"word": "sodium", "text": "Sodium & co", "context": "korvane"}],
    "method": [{"word": "powder"}, {"word": "tablet"}],
}}
NAMES = {"en": "English", "fr": "Français"}
POWDER = '<input type="radio" name="method" id="powder" value="powder">'
BUTTONS = POWDER + '<input type="radio" name="method" id="tablet" value="tablet">'
PAGE = f'<select id="language"><!--languages--></select><select id="form"><!--choices:form--></select>{BUTTONS}'


class SiteLists(unittest.TestCase):
    def test_fills_each_list_from_the_core_tables(self):
        page = build_site.fill_lists(PAGE, TABLES, NAMES)
        self.assertEqual(page, (
            '<select id="language"><option value="en" lang="en">English</option>'
            '<option value="fr" lang="fr">Français</option></select><select id="form">'
            '<option value="potassium" data-t="korvane|Potassium">Potassium</option>'
            '<option value="sodium" data-t="korvane|Sodium &amp; co">Sodium &amp; co</option>'
            f'</select>{BUTTONS}'))

    def test_stops_the_build_where_the_page_and_the_core_disagree(self):
        for name, page in (
            ("no place for a list of the core", PAGE.replace("<!--choices:form-->", "")),
            ("a list twice", PAGE + "<!--choices:form-->"),
            ("no place for the languages", PAGE.replace("<!--languages-->", "")),
            ("a list the core has not", PAGE + "<!--choices:colour-->"),
            ("a method the core has not", PAGE.replace('"tablet"', '"tab"')),
            ("a method missing", PAGE.replace(BUTTONS, POWDER)),
        ):
            with self.subTest(name), self.assertRaises(SystemExit):
                build_site.fill_lists(page, TABLES, NAMES)

    def test_a_place_to_fill_that_is_missing_stops_the_build(self):
        self.assertEqual(build_site.fill("a @HASH@ b", "@HASH@", "1f", "sw.js"), "a 1f b")
        for text in ("a b", "@HASH@ @HASH@"):
            with self.subTest(text), self.assertRaises(SystemExit) as stop:
                build_site.fill(text, "@HASH@", "1f", "sw.js")
            self.assertIn("sw.js", str(stop.exception))


if __name__ == "__main__":
    unittest.main()
