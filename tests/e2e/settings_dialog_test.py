"""The Default Settings dialog of the real program: saved defaults apply at
the next start. The dialog's own behaviour is tested offscreen."""

from korvane_e2e import (button, by_description, by_name, check, click, combo_text, is_checked,
                         is_enabled, is_showing, name, never, read_file, run, settings_bytes,
                         text_of, type_into, wait_for)

SYSTEM = settings_bytes("1", "1", "2", "10", "0.44", "5", "Total Free SO2")


def open_dialog(program):
    main = program.main_window()
    click(button(main, "Settings"))
    return main, program.window("Default Settings")


def test_saved_defaults_apply_at_next_start(session):
    folder = session.folder(settings=SYSTEM)
    program = session.program(folder).start()
    main, dialog = open_dialog(program)
    session.screenshot("settings_dialog.png", dialog)
    click(by_name(dialog, "Tablet", "radio button"))
    wait_for("tablet weight enabled",
             lambda: is_enabled(by_description(dialog, "Default tablet weight.", "text")))
    type_into(by_description(dialog, "Default batch size.", "text"), "40")
    click(button(dialog, "OK"))
    wait_for("the dialog to close", lambda: not any(
        name(w) == "Default Settings" and is_showing(w) for w in program.windows()))
    wanted = settings_bytes("1", "3", "2", "10", "0.44", "40", "Total Free SO2")
    wait_for("the file to be written", lambda: read_file(program.settings_path) == wanted)
    # Saving changes nothing in the running main window.
    never("the main window took the saved defaults",
          lambda: is_checked(by_name(main, "Tablet", "radio button"))
          or text_of(by_description(main, "Batch Size", "text")) != "5")
    click(button(main, "Exit"))
    program.wait_exit()

    again = session.program(folder).start()
    main = again.main_window()
    check(is_checked(by_name(main, "Tablet", "radio button")), "Tablet at the next start")
    check(text_of(by_description(main, "Batch Size", "text")) == "40", "batch size at next start")
    check(combo_text(main, "Batch size units.") == "U.S. Gal.", "unit kept")
    session.screenshot("main_window_after_saved_defaults.png", main)


if __name__ == "__main__":
    run([
        test_saved_defaults_apply_at_next_start,
    ])
