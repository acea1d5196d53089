<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Desktop</name>
    <message>
        <source>Korvane</source>
        <extracomment>Name: the program&apos;s name in the menu; keep it as it is</extracomment>
        <translation>Korvane</translation>
    </message>
    <message>
        <source>SO2 Calculator</source>
        <extracomment>GenericName: what kind of program it is, under or beside its name in the menu</extracomment>
        <translation>SO2-Rechner</translation>
    </message>
    <message>
        <source>Work out how much sulphite a wine needs</source>
        <extracomment>Comment: the tooltip of the menu entry; the line under the name in a software centre</extracomment>
        <translation>Berechnen, wie viel Sulfit ein Wein braucht</translation>
    </message>
    <message>
        <source>sulphite;sulfite;SO2;wine;metabisulphite;metabisulfite;winemaking;calculator;</source>
        <extracomment>Keywords: words a menu search finds it by, each followed by a semicolon</extracomment>
        <translation>Sulfit;SO2;Schwefel;Wein;Pyrosulfit;Disulfit;Metabisulfit;Weinbereitung;Kellerwirtschaft;Rechner;</translation>
    </message>
    <message>
        <source>Korvane is an SO2 (sulphite) calculator for winemakers. Enter the wine&apos;s pH, the free SO2 you measured, the batch size and the level you want to reach, given as free SO2 or as molecular SO2, and Korvane computes:</source>
        <extracomment>a paragraph of the description in a software centre</extracomment>
        <translation>Korvane ist ein SO2-Rechner (Sulfit) für Winzer. Nach Eingabe von pH-Wert, gemessener freier SO2, Weinmenge und gewünschtem Zielwert, als freie oder als molekulare SO2, berechnet Korvane:</translation>
    </message>
    <message>
        <source>the molecular SO2 the wine holds now, and the target in the other kind</source>
        <extracomment>an item of a list in the description in a software centre</extracomment>
        <translation>die molekulare SO2, die der Wein jetzt enthält, und den Zielwert in der jeweils anderen Form</translation>
    </message>
    <message>
        <source>how much free and molecular SO2 must be added, in mg/L</source>
        <extracomment>an item of a list in the description in a software centre</extracomment>
        <translation>wie viel freie und molekulare SO2 zugegeben werden muss, in mg/L</translation>
    </message>
    <message>
        <source>how much potassium or sodium metabisulphite delivers it: as a number of tablets, as grams and teaspoons of powder, or as millilitres and teaspoons of a stock solution of the strength you use</source>
        <extracomment>an item of a list in the description in a software centre</extracomment>
        <translation>wie viel Kalium- oder Natriumpyrosulfit sie liefert: als Zahl der Tabletten, als Gramm und Teelöffel Pulver oder als Milliliter und Teelöffel einer Stammlösung in der verwendeten Konzentration</translation>
    </message>
    <message>
        <source>Entries that cannot be right are refused, and unusual ones are questioned before anything is computed. The command korvane-calc does the same work from a terminal or a script.</source>
        <extracomment>a paragraph of the description in a software centre</extracomment>
        <translation>Unmögliche Eingaben werden abgelehnt, ungewöhnliche vor jeder Berechnung hinterfragt. Der Befehl korvane-calc leistet dasselbe im Terminal oder in einem Skript.</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>This tank&apos;s details were changed on two devices while apart: the version edited last is shown. Look at the others below and keep the right one.</source>
        <translation>Die Angaben dieses Tanks wurden getrennt auf zwei Geräten geändert: angezeigt wird die zuletzt bearbeitete Fassung. Sehen Sie sich unten die anderen an und behalten Sie die richtige.</translation>
    </message>
    <message>
        <source>Edited %1</source>
        <translation>Bearbeitet am %1</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>angezeigt</translation>
    </message>
    <message>
        <source>Keep this version</source>
        <translation>Diese Fassung behalten</translation>
    </message>
    <message>
        <source>The version kept is now this tank&apos;s details on every device; the others stay in its history.</source>
        <translation>Die behaltene Fassung gilt nun auf allen Geräten für diesen Tank; die anderen bleiben in seinem Verlauf.</translation>
    </message>
    <message>
        <source>The volume or target of this tank differs between its versions: this dose is worked out on the one edited last.</source>
        <translation>Volumen oder Ziel dieses Tanks unterscheiden sich zwischen seinen Fassungen: diese Dosis ist mit der zuletzt bearbeiteten berechnet.</translation>
    </message>
    <message>
        <source>The volume or target of this tank differs between two devices, so this dose may be wrong. Plan it anyway? Keeping the right version of the tank ends this question.</source>
        <translation>Volumen oder Ziel dieses Tanks unterscheiden sich zwischen zwei Geräten: diese Dosis kann falsch sein. Trotzdem planen? Wenn Sie die richtige Fassung des Tanks behalten, endet diese Frage.</translation>
    </message>
    <message>
        <source>Sharing between devices</source>
        <translation>Zwischen Geräten teilen</translation>
    </message>
    <message>
        <source>Last synced: %1.</source>
        <translation>Zuletzt abgeglichen: %1.</translation>
    </message>
    <message>
        <source>Not synced yet.</source>
        <translation>Noch nicht abgeglichen.</translation>
    </message>
    <message>
        <source>Changes waiting to go: %1.</source>
        <translation>Noch zu sendende Änderungen: %1.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Remember the password on this device</source>
        <translation>Passwort auf diesem Gerät merken</translation>
    </message>
    <message>
        <source>Without it, the page asks for the password once per visit.</source>
        <translation>Sonst fragt die Seite einmal pro Besuch nach dem Passwort.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Abgleichen</translation>
    </message>
    <message>
        <source>Stop syncing and forget the password</source>
        <translation>Abgleich beenden und Passwort vergessen</translation>
    </message>
    <message>
        <source>Only https:// addresses: a password must not cross a network in clear, and a page served over HTTPS may not call plain HTTP. Plain http:// is for this machine only (localhost).</source>
        <translation>Nur https://-Adressen: ein Passwort darf nicht im Klartext durch ein Netz gehen, und eine über HTTPS geladene Seite darf kein einfaches HTTP aufrufen. Einfaches http:// nur für diesen Rechner (localhost).</translation>
    </message>
    <message>
        <source>Give the account and its password in their own fields, not in the address.</source>
        <translation>Geben Sie Konto und Passwort in ihren eigenen Feldern an, nicht in der Adresse.</translation>
    </message>
    <message>
        <source>This is not a server address (https://…).</source>
        <translation>Das ist keine Serveradresse (https://…).</translation>
    </message>
    <message>
        <source>A database name: small letters, digits and _$()+-/, starting with a letter.</source>
        <translation>Ein Datenbankname: Kleinbuchstaben, Ziffern und _$()+-/, mit einem Buchstaben am Anfang.</translation>
    </message>
    <message>
        <source>Give the account.</source>
        <translation>Geben Sie das Konto an.</translation>
    </message>
    <message>
        <source>Give the account&apos;s password.</source>
        <translation>Geben Sie das Passwort des Kontos an.</translation>
    </message>
    <message>
        <source>Sync stopped; the password is no longer kept on this device.</source>
        <translation>Abgleich beendet; das Passwort ist auf diesem Gerät nicht mehr gespeichert.</translation>
    </message>
    <message>
        <source>Connecting to the server…</source>
        <translation>Verbindung zum Server…</translation>
    </message>
    <message>
        <source>The server refused this account or password. Nothing kept on this device is lost.</source>
        <translation>Der Server hat dieses Konto oder Passwort abgelehnt. Nichts, was auf diesem Gerät gespeichert ist, geht verloren.</translation>
    </message>
    <message>
        <source>The database %1 does not exist on the server. Nothing kept on this device is lost.</source>
        <translation>Die Datenbank %1 gibt es auf dem Server nicht. Nichts, was auf diesem Gerät gespeichert ist, geht verloren.</translation>
    </message>
    <message>
        <source>The account %2 may not read the database %1. Nothing kept on this device is lost.</source>
        <translation>Das Konto %2 darf die Datenbank %1 nicht lesen. Nichts, was auf diesem Gerät gespeichert ist, geht verloren.</translation>
    </message>
    <message>
        <source>The server does not answer: it may be stopped, or the address is wrong. Nothing kept on this device is lost; the page tries again every half minute.</source>
        <translation>Der Server antwortet nicht: er ist vielleicht angehalten, oder die Adresse ist falsch. Nichts, was auf diesem Gerät gespeichert ist, geht verloren; die Seite versucht es alle dreißig Sekunden erneut.</translation>
    </message>
    <message>
        <source>The server could not be used just now. Nothing kept on this device is lost; the page tries again every half minute.</source>
        <translation>Der Server ließ sich gerade nicht nutzen. Nichts, was auf diesem Gerät gespeichert ist, geht verloren; die Seite versucht es alle dreißig Sekunden erneut.</translation>
    </message>
    <message>
        <source>The connection to the server dropped. The register keeps working on this device, and its changes go when the server answers again.</source>
        <translation>Die Verbindung zum Server ist abgebrochen. Das Kellerbuch arbeitet auf diesem Gerät weiter, und seine Änderungen gehen hinaus, sobald der Server wieder antwortet.</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <translation>Abgleich läuft…</translation>
    </message>
    <message>
        <source>In step with the server.</source>
        <translation>Auf dem Stand des Servers.</translation>
    </message>
    <message>
        <source>Not shared: the register is kept on this device only.</source>
        <translation>Nicht geteilt: das Kellerbuch ist nur auf diesem Gerät gespeichert.</translation>
    </message>
    <message>
        <source>Give the account&apos;s password to sync during this visit.</source>
        <translation>Geben Sie das Passwort des Kontos an, um während dieses Besuchs abzugleichen.</translation>
    </message>
    <message>
        <source>A cellar file</source>
        <translation>Eine Kellerdatei</translation>
    </message>
    <message>
        <source>Above the legal limit.</source>
        <translation>Über dem gesetzlichen Grenzwert.</translation>
    </message>
    <message>
        <source>Addition method</source>
        <translation>Art der Zugabe</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australien</translation>
    </message>
    <message>
        <source>Binding factor</source>
        <translation>Bindungsfaktor</translation>
    </message>
    <message>
        <source>Calculate the questioned tanks too</source>
        <translation>Auch die fraglichen Tanks berechnen</translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Decimal mark</source>
        <translation>Dezimalzeichen</translation>
    </message>
    <message>
        <source>Download CSV</source>
        <translation>CSV herunterladen</translation>
    </message>
    <message>
        <source>Drop a cellar file here (CSV or text, one tank a row), or choose one.</source>
        <translation>Eine Kellerdatei hierher ziehen (CSV oder Text, ein Tank je Zeile) oder eine auswählen.</translation>
    </message>
    <message>
        <source>EU</source>
        <translation>EU</translation>
    </message>
    <message>
        <source>EU organic</source>
        <translation>EU-Bio</translation>
    </message>
    <message>
        <source>Found from the file</source>
        <translation>Aus der Datei ermittelt</translation>
    </message>
    <message>
        <source>Hectolitres</source>
        <translation>Hektoliter</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Legal limit</source>
        <translation>Grenzwert</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Liqueur wine</source>
        <translation>Likörwein</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>No legal limit chosen: the total is checked against none.</source>
        <translation>Kein gesetzlicher Grenzwert gewählt: die Gesamtmenge wird mit keinem verglichen.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Not given</source>
        <translation>Nicht angegeben</translation>
    </message>
    <message>
        <source>OIV</source>
        <translation>OIV</translation>
    </message>
    <message>
        <source>Own limit</source>
        <translation>Eigener Grenzwert</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Projected total SO2</source>
        <translation>Erwartete Gesamt-SO2</translation>
    </message>
    <message>
        <source>Quality sparkling</source>
        <translation>Qualitätsschaumwein</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Restore system defaults</source>
        <translation>Systemvorgaben wiederherstellen</translation>
    </message>
    <message>
        <source>Rosé</source>
        <translation>Rosé</translation>
    </message>
    <message>
        <source>SO2 added</source>
        <translation>Zugesetzte SO2</translation>
    </message>
    <message>
        <source>Save as my defaults</source>
        <translation>Als Voreinstellungen speichern</translation>
    </message>
    <message>
        <source>Saved as your defaults.</source>
        <translation>Voreinstellungen gespeichert.</translation>
    </message>
    <message>
        <source>Your defaults were not kept: this browser refuses to store anything for this page.</source>
        <translation>Ihre Standardwerte wurden nicht behalten: Dieser Browser verweigert jede Speicherung für diese Seite.</translation>
    </message>
    <message>
        <source>Sparkling</source>
        <translation>Schaumwein</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Still</source>
        <translation>Still</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Weinart</translation>
    </message>
    <message>
        <source>Sugar</source>
        <translation>Zucker</translation>
    </message>
    <message>
        <source>Tank</source>
        <translation>Tank</translation>
    </message>
    <message>
        <source>The first %1 rows; the CSV holds them all.</source>
        <translation>Die ersten %1 Zeilen; die CSV enthält alle.</translation>
    </message>
    <message>
        <source>The form gives what the file lacks: its sulphite form, method, solution strength and tablet weight, its unit when the file names none, and its target and target kind when the file has no target column. A target column needs its kind, from the file or named below. Each tank&apos;s pH, free SO2 and size must be in the file. The file never leaves this device.</source>
        <translation>Was der Datei fehlt, nimmt das Formular: Sulfitform, Art der Zugabe, Prozentsatz der Lösung, Tablettengewicht, die Einheit, wenn die Datei keine nennt, und den Zielwert samt seiner Art, wenn die Datei keine Zielwert-Spalte hat. Eine Zielwert-Spalte braucht ihre Art, aus der Datei oder unten gewählt. pH-Wert, freies SO2 und Volumen jedes Tanks müssen in der Datei stehen. Die Datei verlässt dieses Gerät nie.</translation>
    </message>
    <message>
        <source>Total SO2</source>
        <translation>Gesamt-SO2</translation>
    </message>
    <message>
        <source>Total SO2 and its legal limit</source>
        <translation>Gesamt-SO2 und ihr gesetzlicher Grenzwert</translation>
    </message>
    <message>
        <source>Total SO2 limit</source>
        <translation>Grenzwert Gesamt-SO2</translation>
    </message>
    <message>
        <source>US</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Your own limit, which wins over the legal one.</source>
        <translation>Ihr eigener Grenzwert, der vor dem gesetzlichen gilt.</translation>
    </message>
    <message>
        <source>the form</source>
        <translation>das Formular</translation>
    </message>
    <message>
        <source>Not calculated</source>
        <translation>Nicht berechnet</translation>
    </message>
    <message>
        <source>Write a decimal with a point, as in 22.5.</source>
        <translation>Schreiben Sie Dezimalzahlen mit Punkt, etwa 22.5.</translation>
    </message>
    <message>
        <source>Free SO2 target</source>
        <translation>Ziel freie SO2</translation>
    </message>
    <message>
        <source>Molecular SO2 target</source>
        <translation>Ziel molekulare SO2</translation>
    </message>
    <message>
        <source>%1 is %2 MB, and the page takes files up to %3 MB: run korvane-calc --batch on it.</source>
        <translation>%1 ist %2 MB groß, die Seite nimmt Dateien bis %3 MB: verarbeiten Sie sie mit korvane-calc --batch.</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>no addition</source>
        <translation>keine Zugabe</translation>
    </message>
    <message>
        <source>question</source>
        <translation>Rückfrage</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Free SO2</source>
        <translation>Freie SO2</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Target kind</source>
        <translation>Zielart</translation>
    </message>
    <message>
        <source>Rows: %1. ok: %2, no addition: %3, questions: %4, errors: %5, blank: %6.</source>
        <translation>Zeilen: %1. ok: %2, keine Zugabe: %3, Rückfragen: %4, Fehler: %5, leer: %6.</translation>
    </message>
    <message>
        <source>Not calculated, by line: %1.</source>
        <translation>Nicht berechnet, nach Zeile: %1.</translation>
    </message>
    <message>
        <source>And %1 more.</source>
        <translation>Und %1 weitere.</translation>
    </message>
    <message>
        <source>The file is not UTF-8: it was read as Windows-1252.</source>
        <translation>Die Datei ist nicht UTF-8: sie wurde als Windows-1252 gelesen.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; could be %3 or %4: say which decimal mark the file uses.</source>
        <translation>%1 „%2“ kann %3 oder %4 sein: geben Sie das Dezimalzeichen der Datei an.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; sets its thousands apart in groups that are not whole.</source>
        <translation>%1 „%2“ trennt die Tausender in unvollständigen Gruppen.</translation>
    </message>
    <message>
        <source>%1 has a target column but no target_kind column: add one, or choose the kind of the file&apos;s targets in the list below.</source>
        <translation>%1 hat eine Spalte target, aber keine Spalte target_kind: fügen Sie eine hinzu oder wählen Sie die Art der Ziele der Datei in der Liste unten.</translation>
    </message>
    <message>
        <source>Line %1 opens a quote that never closes. Close the quote, then run the batch again.</source>
        <translation>Zeile %1 öffnet ein Anführungszeichen, das nie geschlossen wird. Schließen Sie es und starten Sie die Verarbeitung erneut.</translation>
    </message>
    <message>
        <source>Line %1 opens a quote that never closes: the 1 line after it would be read as one field. Close the quote, then run the batch again.</source>
        <translation>Zeile %1 öffnet ein Anführungszeichen, das nie geschlossen wird: die folgende Zeile würde als ein Feld gelesen. Schließen Sie es und starten Sie die Verarbeitung erneut.</translation>
    </message>
    <message>
        <source>Line %1 opens a quote that never closes: the %2 lines after it would be read as one field. Close the quote, then run the batch again.</source>
        <translation>Zeile %1 öffnet ein Anführungszeichen, das nie geschlossen wird: die %2 folgenden Zeilen würden als ein Feld gelesen. Schließen Sie es und starten Sie die Verarbeitung erneut.</translation>
    </message>
    <message>
        <source>Line %1 holds a byte that is not UTF-8, though the file begins as UTF-8: save it as UTF-8 (or as Unicode text), then run the batch again.</source>
        <translation>Zeile %1 enthält ein Byte, das kein UTF-8 ist, obwohl die Datei als UTF-8 beginnt: speichern Sie sie als UTF-8 (oder als Unicode-Text) und starten Sie die Verarbeitung erneut.</translation>
    </message>
    <message>
        <source>Line %1 writes %2 with the comma as its decimal mark, but line %3 writes %4 with the point: the file mixes decimal marks. Correct it, then run the batch again.</source>
        <translation>Zeile %1 schreibt %2 mit dem Komma als Dezimalzeichen, aber Zeile %3 schreibt %4 mit dem Punkt: die Datei mischt Dezimalzeichen. Korrigieren Sie sie und starten Sie die Verarbeitung erneut.</translation>
    </message>
    <message>
        <source>Line %1 writes %2 with the point as its decimal mark, but line %3 writes %4 with the comma: the file mixes decimal marks. Correct it, then run the batch again.</source>
        <translation>Zeile %1 schreibt %2 mit dem Punkt als Dezimalzeichen, aber Zeile %3 schreibt %4 mit dem Komma: die Datei mischt Dezimalzeichen. Korrigieren Sie sie und starten Sie die Verarbeitung erneut.</translation>
    </message>
    <message>
        <source>Kind of the file&apos;s targets</source>
        <translation>Art der Ziele der Datei</translation>
    </message>
    <message>
        <source>Not named</source>
        <translation>Nicht angegeben</translation>
    </message>
    <message>
        <source>Every row takes the form&apos;s unit: %1.</source>
        <translation>Jede Zeile nimmt die Einheit des Formulars: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be thousands or a decimal: write it without the point, or with a decimal comma.</source>
        <translation>„%1“ kann Tausender oder ein Dezimalwert sein: ohne den Punkt schreiben oder mit dem Dezimalkomma.</translation>
    </message>
    <message>
        <source>The register</source>
        <translation>Das Kellerbuch</translation>
    </message>
    <message>
        <source>The device&apos;s storage is full: this record was not kept. Everything kept before is still there; free some space and save again.</source>
        <translation>Der Speicher des Geräts ist voll: dieser Eintrag wurde nicht gespeichert. Alles bisher Gespeicherte ist noch da; schaffen Sie Platz und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>The browser refuses to keep the register (private browsing, or storage turned off): nothing can be kept on this device.</source>
        <translation>Der Browser verweigert das Speichern des Kellerbuchs (privates Surfen oder Speicher abgeschaltet): auf diesem Gerät kann nichts gespeichert werden.</translation>
    </message>
    <message>
        <source>This record was not kept.</source>
        <translation>Dieser Eintrag wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>New tank</source>
        <translation>Neuer Tank</translation>
    </message>
    <message>
        <source>Show retired tanks</source>
        <translation>Stillgelegte Tanks zeigen</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Wer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>Liqueur</source>
        <translation>Likörwein</translation>
    </message>
    <message>
        <source>Tank details</source>
        <translation>Angaben zum Tank</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Regime</source>
        <translation>Regelwerk</translation>
    </message>
    <message>
        <source>Own limit (mg/L)</source>
        <translation>Eigener Grenzwert (mg/L)</translation>
    </message>
    <message>
        <source>Target (mg/L)</source>
        <translation>Ziel (mg/L)</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Retired</source>
        <translation>Stillgelegt</translation>
    </message>
    <message>
        <source>Save the tank</source>
        <translation>Tank speichern</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Free SO2 (mg/L)</source>
        <translation>Freie SO2 (mg/L)</translation>
    </message>
    <message>
        <source>Total SO2 (mg/L, optional)</source>
        <translation>Gesamt-SO2 (mg/L, freiwillig)</translation>
    </message>
    <message>
        <source>Sugar (g/L, optional)</source>
        <translation>Zucker (g/L, freiwillig)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Bemerkung</translation>
    </message>
    <message>
        <source>Save the analysis and work out the dose</source>
        <translation>Analyse speichern und Menge berechnen</translation>
    </message>
    <message>
        <source>Work order</source>
        <translation>Arbeitsauftrag</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Print the work order</source>
        <translation>Arbeitsauftrag drucken</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>SO2 added (mg/L)</source>
        <translation>Zugesetzte SO2 (mg/L)</translation>
    </message>
    <message>
        <source>Total SO2 after (mg/L)</source>
        <translation>Gesamt-SO2 danach (mg/L)</translation>
    </message>
    <message>
        <source>Initials</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Drop a cellar file here to add its tanks to the register, each with its row as an analysis.</source>
        <translation>Legen Sie hier eine Kellerdatei ab, um ihre Tanks ins Kellerbuch aufzunehmen, jeden mit seiner Zeile als Analyse.</translation>
    </message>
    <message>
        <source>Take tanks from a cellar file</source>
        <translation>Tanks aus einer Kellerdatei übernehmen</translation>
    </message>
    <message>
        <source>Export the tanks (cellar CSV)</source>
        <translation>Tanks exportieren (Keller-CSV)</translation>
    </message>
    <message>
        <source>Export the additions (CSV)</source>
        <translation>Zugaben exportieren (CSV)</translation>
    </message>
    <message>
        <source>Back up the register</source>
        <translation>Kellerbuch sichern</translation>
    </message>
    <message>
        <source>Restore a backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Choose a tank</source>
        <translation>Tank wählen</translation>
    </message>
    <message>
        <source>No tank yet</source>
        <translation>Noch kein Tank</translation>
    </message>
    <message>
        <source>retired</source>
        <translation>stillgelegt</translation>
    </message>
    <message>
        <source>An addition of this tank was recorded as done twice (two devices, or one offline): both count in its total until one is withdrawn in the history below.</source>
        <translation>Eine Zugabe dieses Tanks wurde zweimal als erledigt eingetragen (zwei Geräte, oder eines offline): beide zählen in seiner Summe, bis eine im Verlauf unten zurückgezogen wird.</translation>
    </message>
    <message>
        <source>This tank&apos;s details were changed on two devices: the ones shown won; check them and save.</source>
        <translation>Die Angaben dieses Tanks wurden auf zwei Geräten geändert: die gezeigten haben gewonnen; prüfen und speichern Sie sie.</translation>
    </message>
    <message>
        <source>No analysis yet: enter the first one below.</source>
        <translation>Noch keine Analyse: geben Sie die erste unten ein.</translation>
    </message>
    <message>
        <source>Latest analysis</source>
        <translation>Letzte Analyse</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>nicht gemessen</translation>
    </message>
    <message>
        <source>Total SO2 as last measured, with the additions since</source>
        <translation>Gesamt-SO2 der letzten Messung, mit den Zugaben seither</translation>
    </message>
    <message>
        <source>limit</source>
        <translation>Grenzwert</translation>
    </message>
    <message>
        <source>over the limit</source>
        <translation>über dem Grenzwert</translation>
    </message>
    <message>
        <source>An addition is planned since the latest analysis: enter a new analysis to work out another.</source>
        <translation>Seit der letzten Analyse ist eine Zugabe geplant: geben Sie eine neue Analyse ein, um eine weitere zu berechnen.</translation>
    </message>
    <message>
        <source>No addition needed.</source>
        <translation>Keine Zugabe nötig.</translation>
    </message>
    <message>
        <source>Dose</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Plan this addition</source>
        <translation>Diese Zugabe einplanen</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Berichtigen</translation>
    </message>
    <message>
        <source>Withdraw</source>
        <translation>Zurückziehen</translation>
    </message>
    <message>
        <source>Planned addition withdrawn.</source>
        <translation>Geplante Zugabe zurückgezogen.</translation>
    </message>
    <message>
        <source>An addition withdrawn on one device was recorded as done on another: it was made, so it counts in the total. Look at the history below before planning another.</source>
        <translation>Eine auf einem Gerät zurückgezogene Zugabe wurde auf einem anderen als erledigt erfasst: Sie wurde gemacht und zählt daher im Gesamtwert. Sehen Sie sich den Verlauf unten an, bevor Sie eine weitere planen.</translation>
    </message>
    <message>
        <source>An addition was planned on an analysis corrected since: it is left off the work order. Withdraw it in the history below, and plan again from the new dose.</source>
        <translation>Eine Zugabe wurde auf einer seither korrigierten Analyse geplant: Sie steht nicht auf dem Arbeitsauftrag. Ziehen Sie sie im Verlauf unten zurück und planen Sie nach der neuen Dosis erneut.</translation>
    </message>
    <message>
        <source>The addition planned on the analysis it corrects was withdrawn: plan it again from the new dose.</source>
        <translation>Die auf der korrigierten Analyse geplante Zugabe wurde zurückgezogen: Planen Sie sie nach der neuen Dosis erneut.</translation>
    </message>
    <message>
        <source>Addition done</source>
        <translation>Zugabe erledigt</translation>
    </message>
    <message>
        <source>Addition planned</source>
        <translation>Zugabe geplant</translation>
    </message>
    <message>
        <source>SO2 of the tank over time: free, molecular, total and its limit, with the additions.</source>
        <translation>Die SO2 des Tanks im Lauf der Zeit: frei, molekular, gesamt und ihr Grenzwert, mit den Zugaben.</translation>
    </message>
    <message>
        <source>Molecular SO2</source>
        <translation>Molekulare SO2</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Grenzwert</translation>
    </message>
    <message>
        <source>Additions</source>
        <translation>Zugaben</translation>
    </message>
    <message>
        <source>Not done</source>
        <translation>Nicht erledigt</translation>
    </message>
    <message>
        <source>No addition planned for this day.</source>
        <translation>Für diesen Tag ist keine Zugabe geplant.</translation>
    </message>
    <message>
        <source>A tank needs a name.</source>
        <translation>Ein Tank braucht einen Namen.</translation>
    </message>
    <message>
        <source>Another tank has this name.</source>
        <translation>Ein anderer Tank hat diesen Namen.</translation>
    </message>
    <message>
        <source>Tank saved.</source>
        <translation>Tank gespeichert.</translation>
    </message>
    <message>
        <source>Save the tank first.</source>
        <translation>Speichern Sie zuerst den Tank.</translation>
    </message>
    <message>
        <source>Give the date and time of the analysis.</source>
        <translation>Geben Sie Datum und Uhrzeit der Analyse an.</translation>
    </message>
    <message>
        <source>Analysis saved.</source>
        <translation>Analyse gespeichert.</translation>
    </message>
    <message>
        <source>Correct the analysis and save it: the new one replaces it, and the old one is kept.</source>
        <translation>Berichtigen Sie die Analyse und speichern Sie sie: die neue ersetzt sie, die alte bleibt erhalten.</translation>
    </message>
    <message>
        <source>Addition planned: it is on the work order.</source>
        <translation>Zugabe geplant: sie steht im Arbeitsauftrag.</translation>
    </message>
    <message>
        <source>Addition recorded as done.</source>
        <translation>Zugabe als erledigt eingetragen.</translation>
    </message>
    <message>
        <source>Tanks taken from the file: %1.</source>
        <translation>Aus der Datei übernommene Tanks: %1.</translation>
    </message>
    <message>
        <source>Rows not taken for an error: %1. The first is line %2: %3</source>
        <translation>Wegen eines Fehlers nicht übernommene Zeilen: %1. Die erste ist Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1 has a target column but no target_kind column: add one to the file, with free or molecular on each row.</source>
        <translation>%1 hat eine Spalte target, aber keine Spalte target_kind: Fügen Sie der Datei eine hinzu, mit free oder molecular in jeder Zeile.</translation>
    </message>
    <message>
        <source>A dose&apos;s questions are asked when its analysis is entered: correct the analysis and save it to answer them.</source>
        <translation>Die Fragen einer Dosis werden gestellt, wenn ihre Analyse eingegeben wird: berichtigen Sie die Analyse und speichern Sie sie, um sie zu beantworten.</translation>
    </message>
    <message>
        <source>Backup restored: %1 records.</source>
        <translation>Sicherung wiederhergestellt: %1 Einträge.</translation>
    </message>
    <message>
        <source>This file is not a backup of the register.</source>
        <translation>Diese Datei ist keine Sicherung des Kellerbuchs.</translation>
    </message>
    <message>
        <source>The register could not be opened: the tanks listed are those this device showed last, and nothing can be changed.</source>
        <translation>Das Register konnte nicht geöffnet werden: Die aufgeführten Tanks sind die, die dieses Gerät zuletzt gezeigt hat, und nichts kann geändert werden.</translation>
    </message>
    <message>
        <source>European Union</source>
        <translation>Europäische Union</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Vereinigte Staaten</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Tablette</translation>
    </message>
    <message>
        <source>Molecular</source>
        <translation>Molekular</translation>
    </message>
    <message>
        <source>tablets</source>
        <translation>Tabletten</translation>
    </message>
    <message>
        <source>teaspoons</source>
        <translation>Teelöffel</translation>
    </message>
    <message>
        <source>US gallons</source>
        <translation>US-Gallonen</translation>
    </message>
    <message>
        <source>Imperial gallons</source>
        <translation>britische Gallonen</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Provided as is.</source>
        <translation>Ohne Gewähr.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>frmSettings</name>
    <message>
        <source>Default Settings</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>Close and save settings.</source>
        <translation>Einstellungen speichern und schließen.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Close without saving settings.</source>
        <translation>Schließen, ohne die Einstellungen zu speichern.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Sulphite Data</source>
        <translation>Angaben zum Sulfit</translation>
    </message>
    <message>
        <source>Default sulphite form.</source>
        <translation>Voreingestellte Sulfitform.</translation>
    </message>
    <message>
        <source>Powder</source>
        <translation>Pulver</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Tabl.</translation>
    </message>
    <message>
        <source>Default solution %.</source>
        <translation>Voreingestellte Konzentration der Stammlösung in %.</translation>
    </message>
    <message>
        <source>Increase or decrease solution percentage</source>
        <translation>Konzentration der Stammlösung erhöhen oder verringern</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Default tablet weight.</source>
        <translation>Voreingestelltes Tablettengewicht.</translation>
    </message>
    <message>
        <source>Increase or decrease tablet weight</source>
        <translation>Tablettengewicht erhöhen oder verringern</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Batch Data</source>
        <translation>Angaben zum Wein</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Vol.</translation>
    </message>
    <message>
        <source>Default batch size.</source>
        <translation>Voreingestellte Weinmenge.</translation>
    </message>
    <message>
        <source>Increase or decrease batch size</source>
        <translation>Weinmenge erhöhen oder verringern</translation>
    </message>
    <message>
        <source>Default batch units.</source>
        <translation>Voreingestellte Einheit der Weinmenge.</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Zielwert</translation>
    </message>
    <message>
        <source>Restore System Settings</source>
        <translation>Systemvorgaben wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Restore System Defaults</source>
        <translation>&amp;Systemvorgaben wiederherstellen</translation>
    </message>
</context>
<context>
    <name>frmSulfite</name>
    <message>
        <source>Sulphite Data</source>
        <translation>Angaben zum Sulfit</translation>
    </message>
    <message>
        <source>Sulphite source</source>
        <translation>Sulfitquelle</translation>
    </message>
    <message>
        <source>Powder</source>
        <translation>Pulver</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Tabl.</translation>
    </message>
    <message>
        <source>Percentage of metabisulphite</source>
        <translation>Pyrosulfitgehalt der Stammlösung in %</translation>
    </message>
    <message>
        <source>Solution percentage</source>
        <translation>Konzentration der Stammlösung in %</translation>
    </message>
    <message>
        <source>Increase or decrease solution percentage</source>
        <translation>Konzentration der Stammlösung erhöhen oder verringern</translation>
    </message>
    <message>
        <source>Mass of 1 tablet</source>
        <translation>Gewicht einer Tablette</translation>
    </message>
    <message>
        <source>Tablet weight</source>
        <translation>Tablettengewicht</translation>
    </message>
    <message>
        <source>Increase or decrease tablet weight</source>
        <translation>Tablettengewicht erhöhen oder verringern</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Batch Data</source>
        <translation>Angaben zum Wein</translation>
    </message>
    <message>
        <source>Batch size units.</source>
        <translation>Einheit der Weinmenge.</translation>
    </message>
    <message>
        <source>Batch Size</source>
        <translation>Weinmenge</translation>
    </message>
    <message>
        <source>Increase or decrease batch size</source>
        <translation>Weinmenge erhöhen oder verringern</translation>
    </message>
    <message>
        <source>Wine pH level.</source>
        <translation>pH-Wert des Weins.</translation>
    </message>
    <message>
        <source>Increase or decrease pH</source>
        <translation>pH-Wert erhöhen oder verringern</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Vol.</translation>
    </message>
    <message>
        <source>pH</source>
        <translation>pH</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Zielwert</translation>
    </message>
    <message>
        <source>Measured free SO2 level.</source>
        <translation>Gemessene freie SO2.</translation>
    </message>
    <message>
        <source>Increase or decrease existing SO2</source>
        <translation>SO2-Istwert erhöhen oder verringern</translation>
    </message>
    <message>
        <source>Desired free SO2 target level.</source>
        <translation>Gewünschter Zielwert der freien SO2.</translation>
    </message>
    <message>
        <source>Increase or decrease target free SO2</source>
        <translation>Zielwert der freien SO2 erhöhen oder verringern</translation>
    </message>
    <message>
        <source>Desired molecular SO2 target level.</source>
        <translation>Gewünschter Zielwert der molekularen SO2.</translation>
    </message>
    <message>
        <source>Target molecular SO2</source>
        <translation>Zielwert der molekularen SO2</translation>
    </message>
    <message>
        <source>Increase or decrease target molecular SO2</source>
        <translation>Zielwert der molekularen SO2 erhöhen oder verringern</translation>
    </message>
    <message>
        <source>Calculated existing molecular SO2 level.</source>
        <translation>Berechneter Istwert der molekularen SO2.</translation>
    </message>
    <message>
        <source>Incremental free SO2 required.</source>
        <translation>Benötigte Erhöhung der freien SO2.</translation>
    </message>
    <message>
        <source>Incremental molecular SO2 required.</source>
        <translation>Benötigte Erhöhung der molekularen SO2.</translation>
    </message>
    <message>
        <source>Amount of sulphite required to achieve target SO2 level.</source>
        <translation>Benötigte Sulfitmenge, um den SO2-Zielwert zu erreichen.</translation>
    </message>
    <message>
        <source>Total Free  </source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Molecular</source>
        <translation>Molekular</translation>
    </message>
    <message>
        <source>(mg/L)</source>
        <translation>(mg/l)</translation>
    </message>
    <message>
        <source>Existing SO2</source>
        <translation>SO2-Istwert</translation>
    </message>
    <message>
        <source>Target SO2</source>
        <translation>SO2-Zielwert</translation>
    </message>
    <message>
        <source>SO2 Requirement</source>
        <translation>SO2-Bedarf</translation>
    </message>
    <message>
        <source>Required Addition </source>
        <translation>Benötigte Zugabe</translation>
    </message>
    <message>
        <source>Compute sulphite requirements.</source>
        <translation>Sulfitbedarf berechnen.</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Program information</source>
        <translation>Programminformationen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Select default settings</source>
        <translation>Voreinstellungen festlegen</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Vorgaben</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>korvane</name>
    <message>
        <source>Limit %1 mg/L: %2</source>
        <translation>Grenzwert %1 mg/L: %2</translation>
    </message>
    <message>
        <source>Potassium Metabisulphite</source>
        <translation>Kaliumpyrosulfit</translation>
    </message>
    <message>
        <source>Sodium Metabisulphite</source>
        <translation>Natriumpyrosulfit</translation>
    </message>
    <message>
        <source>The limit must be a number of mg/L above 0 and up to 1000000.</source>
        <translation>Der Grenzwert muss eine Zahl von mg/L über 0 und höchstens 1000000 sein.</translation>
    </message>
    <message>
        <source>U.S. Gal.</source>
        <translation>US-gal</translation>
    </message>
    <message>
        <source>Imp. Gal.</source>
        <translation>UK-gal</translation>
    </message>
    <message>
        <source>Litres</source>
        <translation>Liter</translation>
    </message>
    <message>
        <source>Imp. gal.</source>
        <translation>UK-gal</translation>
    </message>
    <message>
        <source>Total Free SO2</source>
        <translation>Freie SO2</translation>
    </message>
    <message>
        <source>Molecular SO2</source>
        <translation>Molekulare SO2</translation>
    </message>
    <message>
        <source>tablets</source>
        <translation>Tabletten</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>tsp</source>
        <translation>TL</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Please enter solution percentage.</source>
        <translation>Bitte die Konzentration der Stammlösung eingeben.</translation>
    </message>
    <message>
        <source>Solution percentage must be numeric.</source>
        <translation>Die Konzentration der Stammlösung muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>Solution % must be between 0 and 100.</source>
        <translation>Die Konzentration der Stammlösung muss zwischen 0 und 100 % liegen.</translation>
    </message>
    <message>
        <source>Please enter tablet weight.</source>
        <translation>Bitte das Tablettengewicht eingeben.</translation>
    </message>
    <message>
        <source>Tablet weight must be numeric.</source>
        <translation>Das Tablettengewicht muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>Tablet weight cannot be less than 0.</source>
        <translation>Das Tablettengewicht darf nicht kleiner als 0 sein.</translation>
    </message>
    <message>
        <source>Please enter batch size.</source>
        <translation>Bitte die Weinmenge eingeben.</translation>
    </message>
    <message>
        <source>Batch size must be numeric.</source>
        <translation>Die Weinmenge muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>Batch size must be greater than 0.</source>
        <translation>Die Weinmenge muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>Please enter pH.</source>
        <translation>Bitte den pH-Wert eingeben.</translation>
    </message>
    <message>
        <source>pH must be numeric.</source>
        <translation>Der pH-Wert muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>pH must be between 1 and 14.</source>
        <translation>Der pH-Wert muss zwischen 1 und 14 liegen.</translation>
    </message>
    <message>
        <source>Please enter existing SO2.</source>
        <translation>Bitte den SO2-Istwert eingeben.</translation>
    </message>
    <message>
        <source>Existing SO2 must be numeric.</source>
        <translation>Der SO2-Istwert muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>Please enter target SO2.</source>
        <translation>Bitte den SO2-Zielwert eingeben.</translation>
    </message>
    <message>
        <source>Target SO2 must be numeric.</source>
        <translation>Der SO2-Zielwert muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>Existing SO2 cannot be greater than target SO2.</source>
        <translation>Der SO2-Istwert darf nicht größer als der SO2-Zielwert sein.</translation>
    </message>
    <message>
        <source>Tablet weight appears high. Are you sure it is correct?</source>
        <translation>Das Tablettengewicht scheint hoch zu sein. Ist der Wert wirklich richtig?</translation>
    </message>
    <message>
        <source>Solution percentage appears high. Are you sure it is correct?</source>
        <translation>Die Konzentration der Stammlösung scheint hoch zu sein. Ist der Wert wirklich richtig?</translation>
    </message>
    <message>
        <source>pH appears low. Are you sure it is correct?</source>
        <translation>Der pH-Wert scheint niedrig zu sein. Ist der Wert wirklich richtig?</translation>
    </message>
    <message>
        <source>pH appears high. Are you sure it is correct?</source>
        <translation>Der pH-Wert scheint hoch zu sein. Ist der Wert wirklich richtig?</translation>
    </message>
    <message>
        <source>User default settings not found.<byte value="xd"/>Loading system defaults.</source>
        <translation>Keine Benutzervoreinstellungen gefunden.<byte value="xd"/>Systemvorgaben werden geladen.</translation>
    </message>
    <message>
        <source>Error setting user defaults.<byte value="xd"/>Using system defaults.</source>
        <translation>Fehler beim Übernehmen der Benutzervoreinstellungen.<byte value="xd"/>Systemvorgaben werden verwendet.</translation>
    </message>
    <message>
        <source>%1 already running.</source>
        <translation>%1 läuft bereits.</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>No user folder for settings.cfg: HOME is not set to a full path</source>
        <translation>Kein Benutzerordner für settings.cfg: HOME ist nicht auf einen vollständigen Pfad gesetzt</translation>
    </message>
    <message>
        <source>Please select a sulphite form.</source>
        <translation>Bitte wählen Sie eine Sulfitform.</translation>
    </message>
    <message>
        <source>Solution percentage must be greater than 0.</source>
        <translation>Die Konzentration der Stammlösung muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>Tablet weight must be greater than 0.</source>
        <translation>Das Tablettengewicht muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>Existing SO2 cannot be less than 0.</source>
        <translation>Der SO2-Istwert darf nicht kleiner als 0 sein.</translation>
    </message>
    <message>
        <source>Target SO2 cannot be less than 0.</source>
        <translation>Der SO2-Zielwert darf nicht kleiner als 0 sein.</translation>
    </message>
    <message>
        <source>Free SO2 target appears high. Are you sure it is correct?</source>
        <translation>Der Zielwert für freies SO2 scheint hoch zu sein. Ist der Wert wirklich richtig?</translation>
    </message>
    <message>
        <source>Molecular SO2 target appears high. Are you sure it is correct?</source>
        <translation>Der Zielwert für molekulares SO2 scheint hoch zu sein. Ist der Wert wirklich richtig?</translation>
    </message>
    <message>
        <source>Batch size is too large to calculate.</source>
        <translation>Die Weinmenge ist zu groß, um sie zu berechnen.</translation>
    </message>
    <message>
        <source>Target SO2 is too large to calculate.</source>
        <translation>Der SO2-Zielwert ist zu groß, um ihn zu berechnen.</translation>
    </message>
    <message>
        <source>Solution percentage is too small to calculate.</source>
        <translation>Die Konzentration der Stammlösung ist zu klein, um sie zu berechnen.</translation>
    </message>
    <message>
        <source>Tablet weight is too small to calculate.</source>
        <translation>Das Tablettengewicht ist zu klein, um es zu berechnen.</translation>
    </message>
    <message>
        <source>No addition needed: the wine is at or above its target.</source>
        <translation>Keine Zugabe nötig: Der Wein hat seinen Zielwert erreicht oder überschritten.</translation>
    </message>
    <message>
        <source>Tablet weight appears low. Are you sure it is correct?</source>
        <translation>Das Tablettengewicht scheint niedrig zu sein. Ist der Wert wirklich richtig?</translation>
    </message>
    <message>
        <source>Solution percentage appears low. Are you sure it is correct?</source>
        <translation>Die Konzentration der Stammlösung scheint niedrig zu sein. Ist der Wert wirklich richtig?</translation>
    </message>
    <message>
        <source>pKa appears low. Are you sure it is correct?</source>
        <translation>Der pKa-Wert scheint niedrig zu sein. Ist der Wert wirklich richtig?</translation>
    </message>
    <message>
        <source>pKa appears high. Are you sure it is correct?</source>
        <translation>Der pKa-Wert scheint hoch zu sein. Ist der Wert wirklich richtig?</translation>
    </message>
    <message>
        <source>Existing SO2 appears low. Are you sure it is correct?</source>
        <translation>Der SO2-Istwert scheint niedrig zu sein. Ist der Wert wirklich richtig?</translation>
    </message>
    <message>
        <source>Existing SO2 appears high. Are you sure it is correct?</source>
        <translation>Der SO2-Istwert scheint hoch zu sein. Ist der Wert wirklich richtig?</translation>
    </message>
    <message>
        <source>Batch size appears large. Are you sure it is correct?</source>
        <translation>Die Weinmenge scheint sehr groß zu sein. Ist der Wert wirklich richtig?</translation>
    </message>
    <message>
        <source>Free SO2 target appears low. Are you sure it is correct?</source>
        <translation>Der Zielwert für freies SO2 scheint niedrig zu sein. Ist der Wert wirklich richtig?</translation>
    </message>
    <message>
        <source>Molecular SO2 target appears low. Are you sure it is correct?</source>
        <translation>Der Zielwert für molekulares SO2 scheint niedrig zu sein. Ist der Wert wirklich richtig?</translation>
    </message>
    <message>
        <source>The amount, %1 ml, is more than any cellar could add: check the batch size, the target and the solution percentage.</source>
        <translation>Die Menge, %1 ml, ist mehr, als ein Keller zugeben könnte: Bitte Weinmenge, SO2-Zielwert und Konzentration der Stammlösung prüfen.</translation>
    </message>
    <message>
        <source>The amount, %1 tablets, is more than any cellar could add: check the batch size, the target and the tablet weight.</source>
        <translation>Die Menge, %1 Tabletten, ist mehr, als ein Keller zugeben könnte: Bitte Weinmenge, SO2-Zielwert und Tablettengewicht prüfen.</translation>
    </message>
    <message>
        <source>The amount, %1 g, is more than any cellar could add: check the batch size and the target.</source>
        <translation>Die Menge, %1 g, ist mehr, als ein Keller zugeben könnte: Bitte Weinmenge und SO2-Zielwert prüfen.</translation>
    </message>
    <message>
        <source>The amount is less than 0.01 g, too little to weigh: check the batch size, or use a stock solution.</source>
        <translation>Die Menge ist kleiner als 0,01 g, zu wenig zum Abwiegen: Bitte Weinmenge prüfen oder eine Lösung verwenden.</translation>
    </message>
    <message>
        <source>The amount is less than 0.01 ml, too little to measure: check the batch size, or use a weaker solution.</source>
        <translation>Die Menge ist kleiner als 0,01 ml, zu wenig zum Abmessen: Bitte Weinmenge prüfen oder eine schwächere Lösung verwenden.</translation>
    </message>
    <message>
        <source>The amount is less than 0.01 tablets, too little to add: check the batch size and the tablet weight.</source>
        <translation>Die Menge ist kleiner als 0,01 Tabletten, zu wenig zum Zugeben: Bitte Weinmenge und Tablettengewicht prüfen.</translation>
    </message>
    <message>
        <source>Total SO2 would reach %1 mg/L, above the %2 mg/L %3 limit for %4. Are you sure it is correct?</source>
        <translation>Die Gesamt-SO2 würde %1 mg/L erreichen, über dem Grenzwert von %2 mg/L (%3) für %4. Ist dieser Wert richtig?</translation>
    </message>
    <message>
        <source>Total SO2 would reach %1 mg/L, above the %2 mg/L limit given. Are you sure it is correct?</source>
        <translation>Die Gesamt-SO2 würde %1 mg/L erreichen, über dem angegebenen Grenzwert von %2 mg/L. Ist dieser Wert richtig?</translation>
    </message>
    <message>
        <source>%1 limit for %2</source>
        <translation>Grenzwert (%1) für %2</translation>
    </message>
    <message>
        <source>limit given with --limit</source>
        <translation>Grenzwert mit --limit angegeben</translation>
    </message>
    <message>
        <source>colour not given: took red&apos;s limit</source>
        <translation>Farbe nicht angegeben: Grenzwert für Rotwein genommen</translation>
    </message>
    <message>
        <source>style not given: took still wine&apos;s limit</source>
        <translation>Stil nicht angegeben: Grenzwert für Stillwein genommen</translation>
    </message>
    <message>
        <source>sugar not given: took the stricter limit</source>
        <translation>Zucker nicht angegeben: strengeren Grenzwert genommen</translation>
    </message>
    <message>
        <source>quality sparkling wine</source>
        <translation>Qualitätsschaumwein</translation>
    </message>
    <message>
        <source>sparkling wine</source>
        <translation>Schaumwein</translation>
    </message>
    <message>
        <source>liqueur wine</source>
        <translation>Likörwein</translation>
    </message>
    <message>
        <source>white</source>
        <translation>Weißwein</translation>
    </message>
    <message>
        <source>rosé</source>
        <translation>Roséwein</translation>
    </message>
    <message>
        <source>red</source>
        <translation>Rotwein</translation>
    </message>
    <message>
        <source>a %1</source>
        <translation>einen %1</translation>
    </message>
    <message>
        <source>a %1 with %2 to under %3 g/L of sugar</source>
        <translation>einen %1 mit %2 bis unter %3 g/L Zucker</translation>
    </message>
    <message>
        <source>a dry %1</source>
        <translation>einen trockenen %1</translation>
    </message>
    <message>
        <source>a %1 with %2 g/L of sugar or more</source>
        <translation>einen %1 mit %2 g/L Zucker oder mehr</translation>
    </message>
    <message>
        <source>a %1 with %2 g/L of sugar or less</source>
        <translation>einen %1 mit %2 g/L Zucker oder weniger</translation>
    </message>
    <message>
        <source>a %1 with more than %2 g/L of sugar</source>
        <translation>einen %1 mit mehr als %2 g/L Zucker</translation>
    </message>
    <message>
        <source>EU organic</source>
        <translation>EU-Bio</translation>
    </message>
    <message>
        <source>US</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>Australian</source>
        <translation>Australien</translation>
    </message>
    <message>
        <source>OIV</source>
        <translation>OIV</translation>
    </message>
    <message>
        <source>EU</source>
        <translation>EU</translation>
    </message>
    <message>
        <source>Binding factor must be numeric.</source>
        <translation>Der Bindungsfaktor muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>Binding factor cannot be less than 1.</source>
        <translation>Der Bindungsfaktor darf nicht kleiner als 1 sein.</translation>
    </message>
    <message>
        <source>Total SO2 must be numeric.</source>
        <translation>Die Gesamt-SO2 muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>Total SO2 cannot be less than free SO2.</source>
        <translation>Die Gesamt-SO2 darf nicht kleiner als die freie SO2 sein.</translation>
    </message>
    <message>
        <source>Sugar must be numeric.</source>
        <translation>Der Zucker muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>Sugar cannot be less than 0.</source>
        <translation>Der Zucker darf nicht kleiner als 0 sein.</translation>
    </message>
    <message>
        <source>Binding factor appears high. Are you sure it is correct?</source>
        <translation>Der Bindungsfaktor scheint hoch. Ist dieser Wert richtig?</translation>
    </message>
    <message>
        <source>Total SO2 appears low. Are you sure it is correct?</source>
        <translation>Die Gesamt-SO2 scheint niedrig. Ist dieser Wert richtig?</translation>
    </message>
</context>
</TS>
