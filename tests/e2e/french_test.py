"""The real program in French: captions, a warning and the start-up message
in French, a comma typed into a number arriving as its decimal point, and a
settings.cfg that holds the same bytes as an English one, which an English
start then reads."""

import os

from korvane_e2e import (button, by_description, check, click, combo_text, is_focused, message_text,
                         name, ok_message, read_file, role, run, settings_bytes, type_into,
                         wait_for, walk, xdotool)

FALLBACK = ("Paramètres par défaut de l’utilisateur introuvables.\n"
            "Chargement des valeurs d’origine.")


class Language:
    """The locale the programs started meanwhile are given."""

    def __init__(self, **variables):
        self.variables = variables
        self.saved = {}

    def __enter__(self):
        for key, value in self.variables.items():
            self.saved[key] = os.environ.get(key)
            os.environ[key] = value
        return self

    def __exit__(self, *exc):
        for key, value in self.saved.items():
            if value is None:
                os.environ.pop(key, None)
            else:
                os.environ[key] = value
        return False


def test_french_window_speaks_french_and_stores_what_english_stores(session):
    folder = session.folder()
    with Language(LANGUAGE="fr", LANG="fr_FR.UTF-8"):
        program = session.program(folder).start()
    box = program.message_box()
    check(message_text(box) == FALLBACK, f"message reads {message_text(box)!r}")
    session.screenshot("french_fallback_message.png", box)
    click(button(box, "OK"))

    main = program.main_window()
    button(main, "Calculer")
    check(combo_text(main, "Source de sulfite") == "Métabisulfite de potassium", "form in French")
    check(combo_text(main, "Objectif") == "SO2 libre", "target in French")
    session.screenshot("french_main_window.png", main)

    # A decimal comma, as a French keyboard types it.
    type_into(by_description(main, "pH du vin.", "text"), "3,4", shows="3.4")

    batch = by_description(main, "Volume de la cuvée", "text")
    type_into(batch, "0")
    click(button(main, "Calculer"))
    ok_message(program, "Le volume de la cuvée doit être supérieur à 0.")

    click(button(main, "Paramètres"))
    dialog = program.window("Paramètres par défaut")
    session.screenshot("french_settings_dialog.png", dialog)
    restore = button(dialog, "Rétablir les valeurs d’origine")
    click(restore)
    # The target list has no tooltip: reach it from the restore button with
    # Shift+Tab, then pick the molecular target. Each key waits for the one
    # before it to have arrived.
    wait_for("the focus on the restore button", lambda: is_focused(restore))
    xdotool("key", "--clearmodifiers", "shift+Tab")
    wait_for("the focus on the target list", lambda: any(
        role(n) == "combo box" and is_focused(n) for n in walk(dialog)))
    xdotool("key", "--clearmodifiers", "Down")
    wait_for("the molecular target chosen", lambda: any(
        role(n) == "combo box" and name(n) == "SO2 moléculaire" for n in walk(dialog)))
    click(button(dialog, "OK"))
    wanted = settings_bytes("1", "1", "2", "10", "0.44", "5", "Molecular SO2")
    wait_for("the file to be written in English", lambda: read_file(program.settings_path) == wanted)
    click(button(main, "Quitter"))
    program.wait_exit()

    # An English start reads it as its own.
    with Language(LANGUAGE="en", LANG="C.UTF-8"):
        again = session.program(folder).start()
    main = again.main_window()
    check(combo_text(main, "Target") == "Molecular SO2", "the English window reads the French save")
    check(combo_text(main, "Sulphite source") == "Potassium Metabisulphite", "form read back")
    click(button(main, "Exit"))
    again.wait_exit()


if __name__ == "__main__":
    run([test_french_window_speaks_french_and_stores_what_english_stores])
