"""tools/ts_texts.py reads .ts files as lupdate writes them, and gives only
finished translations: a web page or a menu entry never shows a half-done
text."""

import json
import os
import subprocess
import sys
import tempfile
import unittest

TOOLS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools")
sys.path.insert(0, TOOLS)
from ts_texts import TsError, read_ts  # noqa: E402

# Every form lupdate writes: a control character as <byte>, entities, an
# unfinished and a vanished translation, a disambiguating comment, plurals.
FRENCH = """<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>korvane</name>
    <message>
        <source>Not found.<byte value="xd"/>Loading defaults.</source>
        <translation>Introuvable.<byte value="xd"/>Valeurs d&apos;origine.</translation>
    </message>
    <message>
        <source>pH appears low. Are you sure?</source>
        <translation>Le pH semble bas. Confirmez-vous&#xa0;?</translation>
    </message>
    <message>
        <source>New text</source>
        <translation type="unfinished">Nouveau</translation>
    </message>
    <message>
        <source>Old text</source>
        <translation type="vanished">Ancien</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation></translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Litres</source>
        <comment>unit</comment>
        <extracomment>for the translator only</extracomment>
        <translation>Litres &amp; plus</translation>
    </message>
    <message numerus="yes">
        <source>%n tank(s)</source>
        <translation>
            <numerusform>%n cuve</numerusform>
            <numerusform>%n cuves</numerusform>
        </translation>
    </message>
</context>
</TS>
"""


class TsTextsTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.path = os.path.join(self.folder.name, "korvane_fr.ts")
        with open(self.path, "w", encoding="utf-8") as ts:
            ts.write(FRENCH)

    def tearDown(self):
        self.folder.cleanup()

    def test_translations_as_lupdate_writes_them(self):
        ts = read_ts(self.path)
        self.assertEqual(ts.language, "fr")
        rows = [
            ("korvane", "Not found.\rLoading defaults.", "", "Introuvable.\rValeurs d'origine."),
            ("korvane", "pH appears low. Are you sure?", "", "Le pH semble bas. Confirmez-vous\xa0?"),
            ("korvane", "New text", "", None),
            ("korvane", "Old text", "", None),
            ("korvane", "Empty", "", None),
            ("korvane", "Absent", "", None),
            ("Desktop", "Litres", "unit", "Litres & plus"),
            ("Desktop", "Litres", "", None),
            ("Desktop", "%n tank(s)", "", ["%n cuve", "%n cuves"]),
        ]
        for context, source, disambiguation, expected in rows:
            with self.subTest(source=source, disambiguation=disambiguation):
                self.assertEqual(ts.translation(context, source, disambiguation), expected)

    def test_command_prints_the_finished_translations_as_json(self):
        rows = [
            ([], {"fr": {
                "Desktop": {"%n tank(s)": ["%n cuve", "%n cuves"], "Litres": "Litres & plus"},
                "korvane": {"Not found.\rLoading defaults.": "Introuvable.\rValeurs d'origine.",
                            "pH appears low. Are you sure?":
                                "Le pH semble bas. Confirmez-vous\xa0?"}}}),
            (["--context", "Desktop"], {"fr": {
                "Desktop": {"%n tank(s)": ["%n cuve", "%n cuves"], "Litres": "Litres & plus"}}}),
        ]
        for options, expected in rows:
            with self.subTest(options=options):
                run = subprocess.run([sys.executable, os.path.join(TOOLS, "ts_texts.py"),
                                      *options, self.path],
                                     capture_output=True, text=True, check=True)
                self.assertEqual(json.loads(run.stdout), expected)

    def test_a_file_that_is_not_a_ts_file_is_refused(self):
        for name, text in [("broken.ts", "<TS language='fr'>"),
                           ("other.xml", "<html lang='fr'/>")]:
            path = os.path.join(self.folder.name, name)
            with open(path, "w", encoding="utf-8") as out:
                out.write(text)
            with self.subTest(name=name):
                with self.assertRaises(TsError):
                    read_ts(path)
                run = subprocess.run([sys.executable, os.path.join(TOOLS, "ts_texts.py"), path],
                                     capture_output=True, text=True)
                self.assertEqual((run.returncode, run.stdout), (1, ""))
                self.assertTrue(run.stderr.startswith(f"ts_texts.py: {path}"), run.stderr)


if __name__ == "__main__":
    unittest.main()
