"""An installed copy of the real program, run by an ordinary user: a new
user starts without a message from the administrator's preset that the
install put in place; their own settings go to $XDG_CONFIG_HOME/korvane/ and
are read back from there at the next start. A portable copy in a folder that
user may write still keeps them beside itself.

The test installs the build folder of the program it is given (that folder
holds the program) under the prefix /usr/local into a staging folder with
DESTDIR, as `make install` does, and plays the administrator: the preset
must hold the system defaults, and is then changed. (With the prefix /usr
the preset would go to /etc, outside the prefix: a program staged below
another folder looks for it in that folder's usr/etc.) It makes the staged bin/ read-only and runs itself again as
that user, with a home of its own, under its own X server, session bus and
accessibility bus (run_e2e.sh). Folder modes do not stop root, and CI runs
as root: then that user is `nobody`, and everything the program talks to
belongs to it as well.
"""

import os
import pwd
import shutil
import stat
import subprocess
import sys
import tempfile

import pyatspi

from korvane_e2e import (button, by_description, check, click, combo_text, is_showing, message_text,
                         name, read_file, role, run, settings_bytes, states, text_of, type_into,
                         wait_for, walk, xdotool)

FALLBACK = "User default settings not found.\nLoading system defaults."
# What the install puts in place, and what the administrator makes of it: a
# batch of 23 litres (unit code 1).
SYSTEM = settings_bytes("1", "1", "2", "10", "0.44", "5", "Total Free SO2")
PRESET = settings_bytes("1", "1", "1", "10", "0.44", "23", "Total Free SO2")
# The built-in defaults with a batch of 40 litres.
SAVED = settings_bytes("1", "1", "1", "10", "0.44", "40", "Total Free SO2")
PREFIX = "/usr/local"
# Set in the run as the unprivileged user: what the installed bin/ held when staged.
STAGED_FILES = "KORVANE_STAGED_BIN_FILES"
# Who runs the installed copy when the test starts as root.
USER, GROUP = "nobody", "nogroup"


# ---- as the user: the tests ---------------------------------------------------

def config_file():
    return os.path.join(os.environ["XDG_CONFIG_HOME"], "korvane", "settings.cfg")


def preset_file(bin_folder):
    """Where an install under PREFIX puts the preset, seen from its bin/."""
    return os.path.join(os.path.dirname(bin_folder), "etc", "korvane", "settings.cfg")


def choose(window, tooltip, entry):
    """Opens the list with this tooltip and clicks `entry` in it. A click that
    lands while the list is still opening is tried again."""
    combo = by_description(window, tooltip, "combo box")

    def expanded():
        return states(combo).contains(pyatspi.STATE_EXPANDED)

    for _ in range(3):
        click(combo)
        wait_for(f"the list '{tooltip}' to open", expanded)
        item = wait_for(f"'{entry}' in the open list", lambda: next(
            (n for n in walk(combo) if role(n) == "list item" and name(n) == entry
             and is_showing(n)), None))
        click(item)
        try:
            wait_for(f"'{entry}' chosen", lambda: combo_text(window, tooltip) == entry
                     and not expanded(), deadline=10)
            return
        except AssertionError:
            if expanded():
                xdotool("key", "Escape")
                wait_for(f"the list '{tooltip}' to close", lambda: not expanded())
    raise AssertionError(f"'{entry}' could not be chosen in '{tooltip}'")


def wait_for_bytes(what, path, wanted):
    try:
        wait_for(what, lambda: read_file(path) == wanted)
    except AssertionError as error:
        raise AssertionError(f"{error}; {path} holds {read_file(path)!r}") from None


def confirm_fallback(program, session, shot):
    box = program.message_box()
    check(message_text(box) == FALLBACK, f"message reads {message_text(box)!r}")
    session.screenshot(shot, box)
    click(button(box, "OK"))


def save_forty_litres(program, session, shot, batch_shown=""):
    """In Default Settings: the built-in values but a batch of 40 litres, then OK.
    The dialog first shows the batch size of the file read (with none read,
    empty entries, so a first-time user starts from Restore System Defaults)."""
    main = program.main_window()
    click(button(main, "Settings"))
    dialog = program.window("Default Settings")
    size = by_description(dialog, "Default batch size.", "text")
    wait_for(f"the batch size {batch_shown!r} read at start", lambda: text_of(size) == batch_shown)
    click(button(dialog, "Restore System Defaults"))
    wait_for("the built-in values", lambda: combo_text(dialog, "Default sulphite form.")
             == "Potassium Metabisulphite")
    type_into(size, "40")
    wait_for("the typed batch size", lambda: text_of(size) == "40")
    choose(dialog, "Default batch units.", "Litres")
    session.screenshot(shot, dialog)
    click(button(dialog, "OK"))
    wait_for("Default Settings to close", lambda: not any(
        name(w) == "Default Settings" and is_showing(w) for w in program.windows()))
    return main


def exit_program(program, main):
    click(button(main, "Exit"))
    check(program.wait_exit() == 0, "exit code")


def no_message_box(program):
    """Whether no message box is up. A message of start-up would be up before
    the main window is shown, so one look once the window is there suffices."""
    return not any(role(w) in ("alert", "dialog") and is_showing(w) for w in program.windows())


def test_installed_copy_keeps_settings_in_the_config_folder(session):
    bin_folder = os.path.dirname(session.program_path)
    staged = sorted(os.environ[STAGED_FILES].split(":"))
    check(not os.access(bin_folder, os.W_OK), f"{bin_folder} is writable: nothing here is tested")
    check(read_file(config_file()) is None, f"{config_file()} exists before the first start")
    check(read_file(preset_file(bin_folder)) == PRESET, "the administrator's preset is not in place")

    # A new user: the administrator's preset, without a word.
    program = session.program(bin_folder).start()
    main = program.main_window()
    check(no_message_box(program), "a message box came with the preset")
    check(text_of(by_description(main, "Batch Size", "text")) == "23", "batch size of the preset")
    check(combo_text(main, "Batch size units.") == "Litres", "unit of the preset")
    session.screenshot("installed_started_with_the_preset.png", main)
    main = save_forty_litres(program, session, "installed_settings_changed.png", "23")
    wait_for_bytes("the saved defaults in the config folder", config_file(), SAVED)
    check(os.listdir(os.path.dirname(config_file())) == ["settings.cfg"],
          f"the config folder holds {os.listdir(os.path.dirname(config_file()))}")
    check(sorted(os.listdir(bin_folder)) == staged, f"bin/ now holds {sorted(os.listdir(bin_folder))}")
    check(read_file(preset_file(bin_folder)) == PRESET, "saving changed the preset")
    exit_program(program, main)

    # The next start reads them from there, and has nothing to complain about.
    again = session.program(bin_folder).start()
    main = again.main_window()
    check(no_message_box(again), "a message box came with the saved settings")
    check(text_of(by_description(main, "Batch Size", "text")) == "40", "batch size at the next start")
    check(combo_text(main, "Batch size units.") == "Litres", "unit at the next start")
    session.screenshot("installed_started_with_saved_settings.png", main)
    exit_program(again, main)
    check(read_file(config_file()) == SAVED, "starting and exiting changed the saved file")
    check(sorted(os.listdir(bin_folder)) == staged, f"bin/ now holds {sorted(os.listdir(bin_folder))}")


def test_portable_copy_keeps_settings_beside_itself(session):
    # A copy of the installed program in a folder of the user's own.
    folder = session.folder("portable")
    check(os.access(folder, os.W_OK), f"{folder} is not writable")
    config_before = read_file(config_file())
    program = session.program(folder).start()
    confirm_fallback(program, session, "portable_fallback_message.png")
    main = save_forty_litres(program, session, "portable_settings_changed.png")
    wait_for_bytes("the saved defaults beside the program", program.settings_path, SAVED)
    check(read_file(config_file()) == config_before, "the portable copy wrote the config folder's file")
    exit_program(program, main)


# ---- as whoever CTest runs: stage, then run the tests as the user -----------

def install(build, stage):
    """Installs the build folder below `stage`, leaving its manifest as found."""
    manifest = os.path.join(build, "install_manifest.txt")
    kept = read_file(manifest)
    try:
        # The icons and manual pages are built only on request.
        for command in (["cmake", "--build", build, "--target", "korvane_install_data"],
                        ["cmake", "--install", build, "--prefix", PREFIX]):
            done = subprocess.run(command, env=dict(os.environ, DESTDIR=stage),
                                  capture_output=True, text=True)
            check(done.returncode == 0, f"{' '.join(command)} failed:\n{done.stdout}{done.stderr}")
    finally:
        if kept is None:
            if os.path.exists(manifest):
                os.remove(manifest)
        else:
            with open(manifest, "wb") as f:
                f.write(kept)


def user_folder(path, uid, gid, mode=0o700):
    os.makedirs(path, exist_ok=True)
    os.chown(path, uid, gid)
    os.chmod(path, mode)
    return path


def readable_sanitizer_options(value, folder):
    """Sanitizer options whose files (LeakSanitizer's suppressions) are copied
    into `folder`: the source tree they name may be closed to the user."""
    options = []
    for option in value.split(":"):
        key, _, path = option.partition("=")
        if key == "suppressions" and path:
            copy = os.path.join(folder, f"{len(options)}-{os.path.basename(path)}")
            shutil.copy(path, copy)
            os.chmod(copy, 0o644)
            option = f"{key}={copy}"
        options.append(option)
    return ":".join(options)


def user_environment(home, bin_folder, work):
    """The environment of the user's run: its own home, configuration and
    runtime folders, and none of the display or buses of this run."""
    env = {key: value for key, value in os.environ.items()
           if not key.startswith(("XDG_", "DBUS_", "AT_SPI")) and key not in (
               "DISPLAY", "XAUTHORITY", "PYTHONPATH", "HOME", "USER", "LOGNAME")}
    for key in ("ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"):
        if key in env:
            env[key] = readable_sanitizer_options(env[key], work)
    account = pwd.getpwuid(os.stat(home).st_uid).pw_name
    env.update(HOME=home, USER=account, LOGNAME=account,
               XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_RUNTIME_DIR=os.path.join(home, "runtime"))
    env[STAGED_FILES] = ":".join(sorted(os.listdir(bin_folder)))
    return env


def stage_and_run_as_user():
    program, screenshots = os.path.abspath(sys.argv[1]), sys.argv[2]
    build = os.path.dirname(program)
    check(os.path.isfile(os.path.join(build, "CMakeCache.txt")),
          f"{program} is not at the top of a build folder")
    as_root = os.geteuid() == 0
    uid, gid = (pwd.getpwnam(USER).pw_uid, pwd.getpwnam(USER).pw_gid) if as_root \
        else (os.getuid(), os.getgid())

    # Everything the user reads lives in here, out of reach of a build folder
    # or clone the user may not enter.
    work = tempfile.mkdtemp(prefix="korvane-installed-")
    os.chmod(work, 0o755)
    bin_folder = os.path.join(work, "stage", PREFIX.lstrip("/"), "bin")
    try:
        install(build, os.path.join(work, "stage"))
        # The install's preset, which the administrator then changes.
        preset = preset_file(bin_folder)
        check(read_file(preset) == SYSTEM, f"the installed preset holds {read_file(preset)!r}")
        with open(preset, "wb") as f:
            f.write(PRESET)
        staged = sorted(os.listdir(bin_folder))
        os.chmod(bin_folder, stat.S_IRUSR | stat.S_IXUSR | stat.S_IRGRP | stat.S_IXGRP
                 | stat.S_IROTH | stat.S_IXOTH)
        home = user_folder(os.path.join(work, "home"), uid, gid)
        user_folder(os.path.join(home, "runtime"), uid, gid)
        shots = user_folder(os.path.join(work, "screenshots"), uid, gid, 0o755)
        scripts = os.path.join(work, "e2e")
        os.mkdir(scripts)
        here = os.path.dirname(os.path.abspath(__file__))
        for script in ("run_e2e.sh", "korvane_e2e.py", os.path.basename(__file__)):
            shutil.copy2(os.path.join(here, script), scripts)

        command = [os.path.join(scripts, "run_e2e.sh"),
                   os.path.join(scripts, os.path.basename(__file__)),
                   os.path.join(bin_folder, "korvane"), shots]
        if as_root:
            command = ["setpriv", f"--reuid={USER}", f"--regid={GROUP}", "--clear-groups", *command]
        sys.stdout.flush()
        env = user_environment(home, bin_folder, work)
        status = subprocess.run(command, env=env, timeout=540).returncode

        os.makedirs(screenshots, exist_ok=True)
        for shot in os.listdir(shots):
            shutil.copy(os.path.join(shots, shot), screenshots)
        # Checked here too: a run that died half-way says nothing about it.
        check(sorted(os.listdir(bin_folder)) == staged,
              f"the installed bin/ now holds {sorted(os.listdir(bin_folder))}")
        return status
    finally:
        if os.path.isdir(bin_folder):
            os.chmod(bin_folder, 0o755)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    if STAGED_FILES in os.environ:
        run([
            test_installed_copy_keeps_settings_in_the_config_folder,
            test_portable_copy_keeps_settings_beside_itself,
        ])
    sys.exit(stage_and_run_as_user())
