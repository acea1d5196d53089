"""The About box of the real program hands its links to the desktop's
default handler (here a recording xdg-open first on PATH) and closes back to
a usable main window."""

import os

from korvane_e2e import (button, by_description, by_name, click, description, extents, is_showing,
                         name, never, role, run, settings_bytes, type_into, wait_for, walk,
                         wmctrl_close)

SETTINGS = settings_bytes("1", "1", "1", "10", "0.44", "23", "Total Free SO2")
MAIL = "mailto:support@korvane.example"
WEB = "http://korvane.example/"
AMOUNT = "Amount of sulphite required to achieve target SO2 level."


def recording_handler(session):
    """An xdg-open that writes down each address it is given."""
    bin_dir = os.path.join(session.scratch, "bin")
    os.makedirs(bin_dir, exist_ok=True)
    log = os.path.join(session.scratch, "handed-over.txt")
    script = os.path.join(bin_dir, "xdg-open")
    with open(script, "w") as f:
        f.write(f'#!/bin/sh\nprintf "%s\\n" "$1" >> "{log}"\n')
    os.chmod(script, 0o755)
    return bin_dir, log


def handed_over(log):
    if not os.path.exists(log):
        return []
    with open(log) as f:
        return f.read().splitlines()


def about_closed(program):
    return not any(name(w) == "About" and is_showing(w) for w in program.windows())


def amount_shown(main):
    """The amount in grams. The teaspoons to its right share its tooltip, and
    the order of the two in the accessibility tree is not to be relied on."""
    amounts = [n for n in walk(main) if role(n) == "label" and description(n) == AMOUNT]
    return name(min(amounts, key=lambda n: extents(n)[0]))


def calculate_works(main):
    """The main window still takes input: a calculation fills the amounts."""
    type_into(by_description(main, "Desired free SO2 target level.", "text"), "40")
    type_into(by_description(main, "Measured free SO2 level.", "text"), "10")
    click(button(main, "Calculate"))
    wait_for("the amount", lambda: amount_shown(main) == "1.19")


def test_links_are_handed_to_the_desktop(session):
    bin_dir, log = recording_handler(session)
    program = session.program(session.folder(settings=SETTINGS)).start(path_first=bin_dir)
    main = program.main_window()
    click(button(main, "About"))
    about = program.window("About")
    session.screenshot("about_box.png", about)
    mail = by_name(about, "Cellar Team", "label")
    web = by_name(about, "korvane.example", "label")
    click(mail)
    wait_for("the mail address", lambda: handed_over(log) == [MAIL])
    click(web)
    wait_for("the web address", lambda: handed_over(log) == [MAIL, WEB])
    never("the box closed after a link", lambda: about_closed(program))
    click(button(about, "OK"))
    wait_for("the box to close", lambda: about_closed(program))
    calculate_works(main)


def test_close_box_returns_to_a_usable_main_window(session):
    program = session.program(session.folder(settings=SETTINGS)).start()
    main = program.main_window()
    click(button(main, "About"))
    program.window("About")
    wmctrl_close("About")
    wait_for("the box to close", lambda: about_closed(program))
    calculate_works(main)
    click(button(main, "Exit"))
    program.wait_exit()


if __name__ == "__main__":
    run([
        test_links_are_handed_to_the_desktop,
        test_close_box_returns_to_a_usable_main_window,
    ])
