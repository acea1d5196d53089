"""The Default Settings dialog of the real program: saved defaults apply at
the next start, and a failed save says why and keeps the dialog open with
its entries."""

import os
import shutil

from korvane_e2e import (button, by_description, by_name, check, click, combo_text, is_checked,
                         is_enabled, is_showing, message_text, name, never, read_file, run,
                         settings_bytes, text_of, type_into, wait_for)

SYSTEM = settings_bytes("1", "1", "2", "10", "0.44", "5", "Total Free SO2")
WRITE_FAILED = "Error setting user defaults.\nUsing system defaults."


def make_unwritable(folder, settings):
    """Makes the save fail; returns the reason the message gives and what
    undoes it. A user's read-only folder and file say the file is read-only;
    as root a folder stands where the file goes."""
    if os.geteuid() != 0:
        os.chmod(settings, 0o444)
        os.chmod(folder, 0o555)

        def restore():
            os.chmod(folder, 0o755)
            os.chmod(settings, 0o644)
        return "settings.cfg is read-only", restore
    os.remove(settings)
    os.mkdir(settings)
    return "settings.cfg is not a regular file", lambda: shutil.rmtree(settings)


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


def test_failed_save_keeps_the_dialog_open(session):
    folder = session.folder(settings=SYSTEM)
    settings = os.path.join(folder, "settings.cfg")
    program = session.program(folder).start()
    main, dialog = open_dialog(program)
    reason, restore = make_unwritable(folder, settings)
    type_into(by_description(dialog, "Default batch size.", "text"), "12")
    click(button(dialog, "OK"))
    # The system's reason, or the program's own, on a line below the message.
    box = program.message_box()
    check(message_text(box) == f"{WRITE_FAILED}\n{reason}", f"message reads {message_text(box)!r}")
    session.screenshot("settings_write_failed.png", box)
    click(button(box, "OK"))
    dialog = program.window("Default Settings")
    never("the entry was lost",
          lambda: text_of(by_description(dialog, "Default batch size.", "text")) != "12")
    # Once the cause is gone, OK saves.
    restore()
    click(button(dialog, "OK"))
    wanted = settings_bytes("1", "1", "2", "10", "0.44", "12", "Total Free SO2")
    wait_for("the file to be written", lambda: read_file(settings) == wanted)


def test_restore_system_defaults_then_ok_writes_the_52_bytes(session):
    folder = session.folder(settings=settings_bytes("2", "2", "3", "15", "0.5", "60", "Molecular SO2"))
    program = session.program(folder).start()
    main, dialog = open_dialog(program)
    check(combo_text(dialog, "Default batch units.") == "Imp. gal.", "unit shown from the file")
    click(button(dialog, "Restore System Defaults"))
    wait_for("the system defaults in the dialog",
             lambda: combo_text(dialog, "Default batch units.") == "U.S. Gal.")
    click(button(dialog, "OK"))
    wait_for("the file to be rewritten", lambda: read_file(program.settings_path) == SYSTEM)
    check(len(SYSTEM) == 52, "system defaults are 52 bytes")
    click(button(main, "Exit"))
    program.wait_exit()


def test_exit_with_unsaved_changes_closes_both_and_writes_nothing(session):
    folder = session.folder(settings=SYSTEM)
    program = session.program(folder).start()
    main, dialog = open_dialog(program)
    type_into(by_description(dialog, "Default batch size.", "text"), "77")
    tablet = by_name(dialog, "Tablet", "radio button")
    click(tablet)
    wait_for("Tablet chosen", lambda: is_checked(tablet))
    click(button(main, "Exit"))
    check(program.wait_exit() == 0, "exit code")
    check(read_file(os.path.join(folder, "settings.cfg")) == SYSTEM, "unsaved entries were written")


if __name__ == "__main__":
    run([
        test_exit_with_unsaved_changes_closes_both_and_writes_nothing,
        test_saved_defaults_apply_at_next_start,
        test_failed_save_keeps_the_dialog_open,
        test_restore_system_defaults_then_ok_writes_the_52_bytes,
    ])
