"""The real program started in French: the start-up message and the captions
in French, and a comma typed into a number arriving as its decimal point.
That a French save holds the English bytes is tested offscreen."""

from korvane_e2e import (button, by_description, check, click, combo_text, message_text, run,
                         type_into)

FALLBACK = ("Paramètres par défaut de l’utilisateur introuvables.\n"
            "Chargement des valeurs d’origine.")


def test_french_window_speaks_french(session):
    program = session.program(session.folder()).start(LANGUAGE="fr", LANG="fr_FR.UTF-8")
    box = program.message_box()
    check(message_text(box) == FALLBACK, f"message reads {message_text(box)!r}")
    session.screenshot("french_fallback_message.png", box)
    click(button(box, "OK"))

    main = program.main_window()
    check(combo_text(main, "Source de sulfite") == "Métabisulfite de potassium", "form in French")
    check(combo_text(main, "Objectif") == "SO2 libre", "target in French")
    session.screenshot("french_main_window.png", main)
    # A decimal comma, as a French keyboard types it.
    type_into(by_description(main, "pH du vin.", "text"), "3,4", shows="3.4")
    click(button(main, "Quitter"))
    program.wait_exit()


if __name__ == "__main__":
    run([test_french_window_speaks_french])
