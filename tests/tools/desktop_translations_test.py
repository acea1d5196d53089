"""tools/desktop_translations.py: the menu entry and the AppStream data get
their texts from the .ts files, checked on small real files byte for byte."""

import os
import subprocess
import sys
import tempfile
import textwrap
import unittest

TOOL = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools",
                    "desktop_translations.py")

DESKTOP = """\
[Desktop Entry]
Type=Application
Name=Korvane
Comment=Work out the "sulphite"
Exec=korvane
Keywords=wine;SO2;

[Desktop Action Batch]
Name=Batch
Exec=korvane
"""

METAINFO = """\
<?xml version="1.0" encoding="UTF-8"?>
<!-- Not copied. -->
<component type="desktop-application">
  <id>example.korvane.Korvane</id>
  <name>Korvane</name>
  <summary>Work out the "sulphite"</summary>
  <description>
    <p>
      Enter the wine's pH
      and press Calculate.
    </p>
    <ul>
      <li>the dose</li>
    </ul>
  </description>
  <releases>
    <release version="2.02" date="2026-12-07"/>
  </releases>
</component>
"""

TRANSLATIONS = {
    "de": ["Korvane", "Berechnen, wie viel „Sulfit“", "Wein;SO2;",
           "pH-Wert eingeben & berechnen.", "die Gabe"],
    "fr": ["Korvane", "Calculer le « sulfite »", "vin;SO2;",
           "Saisissez le pH et calculez.", "la dose"],
}
SOURCES = ["Korvane", 'Work out the "sulphite"', "wine;SO2;",
           "Enter the wine's pH and press Calculate.", "the dose"]


def escaped(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;").replace("'", "&apos;"))


def ts_file(language, translations):
    messages = "".join(
        f"<message><source>{escaped(s)}</source><translation>{escaped(t)}</translation></message>"
        for s, t in zip(SOURCES, translations) if t is not None)
    return (f'<?xml version="1.0" encoding="utf-8"?><!DOCTYPE TS><TS version="2.1" '
            f'language="{language}"><context><name>Desktop</name>{messages}</context></TS>')


class DesktopTranslationsTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.desktop = self.write("entry.desktop.in", DESKTOP)
        self.metainfo = self.write("entry.metainfo.xml.in", METAINFO)
        # Given out of order: the output lists the languages sorted.
        self.ts = [self.write(f"korvane_{language}.ts", ts_file(language, texts))
                   for language, texts in sorted(TRANSLATIONS.items(), reverse=True)]

    def tearDown(self):
        self.folder.cleanup()

    def write(self, name, text):
        path = os.path.join(self.folder.name, name)
        with open(path, "w", encoding="utf-8") as out:
            out.write(text)
        return path

    def run_tool(self, command, inputs, ts_files=()):
        output = os.path.join(self.folder.name, "out")
        run = subprocess.run([sys.executable, TOOL, command, *inputs, output, *ts_files],
                             capture_output=True, text=True)
        text = None
        if os.path.exists(output):
            with open(output, encoding="utf-8") as written:
                text = written.read()
        return run, text

    def test_the_texts_are_gathered_once_each_for_lupdate(self):
        run, text = self.run_tool("extract", [self.desktop, self.metainfo])
        self.assertEqual(run.returncode, 0, run.stderr)
        self.assertEqual(text, textwrap.dedent("""\
            // The texts of the menu entry and the AppStream data, gathered by
            // tools/desktop_translations.py for lupdate. Nothing compiles this file.
            //: Name: the program's name in the menu; keep it as it is
            QT_TRANSLATE_NOOP("Desktop", "Korvane");
            //: Comment: the tooltip of the menu entry; the line under the name in a software centre
            QT_TRANSLATE_NOOP("Desktop", "Work out the \\"sulphite\\"");
            //: Keywords: words a menu search finds it by, each followed by a semicolon
            QT_TRANSLATE_NOOP("Desktop", "wine;SO2;");
            //: a paragraph of the description in a software centre
            QT_TRANSLATE_NOOP("Desktop", "Enter the wine's pH and press Calculate.");
            //: an item of a list in the description in a software centre
            QT_TRANSLATE_NOOP("Desktop", "the dose");
            """))

    def test_the_desktop_entry_gets_each_language_after_each_key(self):
        run, text = self.run_tool("desktop", [self.desktop], self.ts)
        self.assertEqual(run.returncode, 0, run.stderr)
        self.assertEqual(text, textwrap.dedent("""\
            [Desktop Entry]
            Type=Application
            Name=Korvane
            Name[de]=Korvane
            Name[fr]=Korvane
            Comment=Work out the "sulphite"
            Comment[de]=Berechnen, wie viel „Sulfit“
            Comment[fr]=Calculer le « sulfite »
            Exec=korvane
            Keywords=wine;SO2;
            Keywords[de]=Wein;SO2;
            Keywords[fr]=vin;SO2;

            [Desktop Action Batch]
            Name=Batch
            Exec=korvane
            """))

    def test_the_metainfo_gets_each_language_after_each_text(self):
        run, text = self.run_tool("metainfo", [self.metainfo], self.ts)
        self.assertEqual(run.returncode, 0, run.stderr)
        self.assertEqual(text, textwrap.dedent("""\
            <?xml version="1.0" encoding="UTF-8"?>
            <component type="desktop-application">
              <id>example.korvane.Korvane</id>
              <name>Korvane</name>
              <summary>Work out the "sulphite"</summary>
              <summary xml:lang="de">Berechnen, wie viel „Sulfit“</summary>
              <summary xml:lang="fr">Calculer le « sulfite »</summary>
              <description>
                <p>
                  Enter the wine's pH
                  and press Calculate.
                </p>
                <p xml:lang="de">pH-Wert eingeben &amp; berechnen.</p>
                <p xml:lang="fr">Saisissez le pH et calculez.</p>
                <ul>
                  <li>the dose</li>
                  <li xml:lang="de">die Gabe</li>
                  <li xml:lang="fr">la dose</li>
                </ul>
              </description>
              <releases>
                <release version="2.02" date="2026-12-07" />
              </releases>
            </component>
            """))

    def test_a_text_left_untranslated_stops_the_build_and_is_named(self):
        self.write("korvane_fr.ts", ts_file("fr", ["Korvane", None, "vin;SO2;", None, "la dose"]))
        expected = textwrap.dedent("""\
            desktop_translations.py {}: no finished translation in context 'Desktop' of:
              fr: 'Work out the "sulphite"'{}
            Run the update_translations target and translate them.
            """)
        rows = [("desktop", self.desktop, ""),
                ("metainfo", self.metainfo,
                 "\n  fr: \"Enter the wine's pH and press Calculate.\"")]
        for command, template, more in rows:
            with self.subTest(command=command):
                run, text = self.run_tool(command, [template], self.ts)
                self.assertEqual((run.returncode, text), (1, None))
                self.assertEqual(run.stderr, expected.format(command, more))


if __name__ == "__main__":
    unittest.main()
