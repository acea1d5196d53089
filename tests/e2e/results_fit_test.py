"""The real window draws a dose wider than its box whole, in a smaller type,
and one too wide for any type as a mark, with the figure in the name and the
description (the tooltip) a screen reader gets."""

from korvane_e2e import (button, by_description, check, click, description, extents, name, role,
                         run, settings_bytes, type_into, wait_for, walk)

# Potassium metabisulphite as a 10 % solution, 110,000 litres, a molecular
# target.
SETTINGS = settings_bytes("1", "2", "1", "10", "0.44", "110000", "Molecular SO2")
AMOUNT = "Amount of sulphite required to achieve target SO2 level."


def amounts(main):
    """The millilitres, then the teaspoons to their right: (name, description)
    of each. Both have the amount's tooltip, followed by the figure when it is
    not drawn."""
    found = [n for n in walk(main) if role(n) == "label" and description(n).startswith(AMOUNT)]
    return [(name(n), description(n)) for n in sorted(found, key=lambda n: extents(n)[0])]


def marked(entries):
    """True when every amount is a number named in full and described by the
    tooltip with that number after it."""
    def numeric(text):
        try:
            return float(text) > 1e9
        except ValueError:
            return False
    return len(entries) == 2 and all(
        numeric(figure) and said == f"{AMOUNT}\n{figure}" for figure, said in entries)


def test_a_wide_dose_is_drawn_whole_and_a_huge_one_named(session):
    program = session.program(session.folder(settings=SETTINGS)).start()
    main = program.main_window()
    type_into(by_description(main, "Measured free SO2 level.", "text"), "12")
    type_into(by_description(main, "Wine pH level.", "text"), "3.55")
    type_into(by_description(main, "Desired molecular SO2 target level.", "text"), "0.8")
    click(button(main, "Calculate"))
    wait_for("the amounts", lambda: amounts(main) == [("64360.11", AMOUNT), ("13057.70", AMOUNT)])
    session.screenshot("results_fit_whole.png", main)

    type_into(by_description(main, "Batch Size", "text"), "9999999999")
    click(button(main, "Calculate"))
    wait_for("the amounts named in full behind the mark", lambda: marked(amounts(main)))
    session.screenshot("results_fit_mark.png", main)
    check(program.running(), "the program still runs")
    click(button(main, "Exit"))
    program.wait_exit()


if __name__ == "__main__":
    run([test_a_wide_dose_is_drawn_whole_and_a_huge_one_named])
