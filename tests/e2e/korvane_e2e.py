"""Drives the built program under a real X server, as a user would.

Each test runs inside `xvfb-run dbus-run-session` (see run_e2e.sh): this module
starts a window manager and the accessibility bus, copies the program into a
scratch folder (its settings file lives beside it), starts it, clicks and types
with xdotool, and reads what the windows show through the accessibility
interface (AT-SPI). Waits poll with generous deadlines; nothing sleeps blindly.
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

import pyatspi

DEADLINE = 30.0
# How long a test watches for something that must not happen: a single look
# could come before it would have.
SETTLE = 2.0
# A plain top-level widget reads as a filler, dialogs as dialogs, boxes as alerts.
TOP_LEVEL_ROLES = ("filler", "frame", "dialog", "alert", "window")


class Failure(AssertionError):
    pass


def wait_for(what, predicate, deadline=DEADLINE):
    """Polls `predicate` until it returns something true; returns that."""
    end = time.monotonic() + deadline
    last_error = None
    while time.monotonic() < end:
        try:
            result = predicate()
            if result:
                return result
        except Exception as error:  # the accessibility tree changes under us
            last_error = error
        time.sleep(0.1)
    raise Failure(f"timed out waiting for {what}" + (f" ({last_error})" if last_error else ""))


def never(what, predicate, settle=SETTLE):
    """Polls `predicate` for `settle` seconds and fails as soon as it holds:
    `what` must not happen at any time within the window."""
    end = time.monotonic() + settle
    looked = False
    last_error = None
    while True:
        try:
            happened = predicate()
            looked = True
        except Exception as error:  # the accessibility tree changes under us
            happened = False
            last_error = error
        check(not happened, what)
        if time.monotonic() >= end:
            break
        time.sleep(0.1)
    check(looked, f"could not watch whether {what} ({last_error})")


def check(condition, message):
    if not condition:
        raise Failure(message)


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True, text=True).stdout


# ---- the accessibility tree -------------------------------------------------

def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return []


def walk(node):
    yield node
    for child in children(node):
        if child is not None:
            yield from walk(child)


def role(node):
    return node.getRoleName()


def name(node):
    return node.name or ""


def description(node):
    return node.description or ""


def text_of(node):
    """What a text box shows."""
    text = node.queryText()
    return text.getText(0, text.characterCount)


def states(node):
    return node.getState()


def is_showing(node):
    return states(node).contains(pyatspi.STATE_SHOWING)


def is_focused(node):
    return states(node).contains(pyatspi.STATE_FOCUSED)


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def click(node):
    x, y, width, height = extents(node)
    xdotool("mousemove", x + width // 2, y + height // 2, "click", 1)


def applications(pid):
    apps = []
    for app in children(pyatspi.Registry.getDesktop(0)):
        try:
            if app is not None and app.get_process_id() == pid:
                apps.append(app)
        except Exception:
            continue
    return apps


# ---- one run of the program ------------------------------------------------

class Program:
    """The program started from its own scratch folder."""

    def __init__(self, session, folder):
        self.session = session
        self.folder = folder
        self.process = None

    @property
    def settings_path(self):
        return os.path.join(self.folder, "settings.cfg")

    def start(self, path_first=None, **variables):
        """Starts the program with these environment `variables` added;
        `path_first` goes before the rest of PATH."""
        env = dict(os.environ, **variables)
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        # The desktop's handler is found on PATH, not named by the environment.
        env.pop("BROWSER", None)
        env.pop("DEFAULT_BROWSER", None)
        if path_first:
            env["PATH"] = path_first + os.pathsep + env.get("PATH", "")
        # What it prints is kept for the sanitizers' reports (see Session).
        number = self.session.programs.index(self)
        self.log = os.path.join(self.session.scratch, f"program-{number}.log")
        with open(self.log, "wb") as log:
            self.process = subprocess.Popen([os.path.join(self.folder, "korvane")], cwd="/",
                                            env=env, stdout=subprocess.DEVNULL, stderr=log)
        return self

    def sanitizer_report(self):
        """The first lines of what AddressSanitizer, LeakSanitizer or
        UndefinedBehaviorSanitizer reported, if the program was built with them
        and they found anything."""
        try:
            with open(self.log, errors="replace") as f:
                lines = f.read().splitlines()
        except (AttributeError, OSError):
            return None
        for i, line in enumerate(lines):
            if "ERROR: AddressSanitizer" in line or "ERROR: LeakSanitizer" in line \
                    or "runtime error:" in line:
                return "\n".join(lines[i:i + 12])
        return None

    @property
    def pid(self):
        return self.process.pid

    def app(self):
        return wait_for(f"program {self.pid} on the accessibility bus",
                        lambda: next(iter(applications(self.pid)), None))

    def windows(self):
        return [w for w in children(self.app()) if w is not None]

    def window(self, title, deadline=DEADLINE):
        """A showing top-level window of the program with this title."""
        def find():
            for node in walk(self.app()):
                if role(node) in TOP_LEVEL_ROLES and name(node) == title \
                        and is_showing(node):
                    return node
            return None
        return wait_for(f"window '{title}'", find, deadline)

    def main_window(self):
        return self.window("Korvane")

    def message_box(self, deadline=DEADLINE):
        """The open message box: its text (lines as shown) and its node."""
        def find():
            for node in walk(self.app()):
                if role(node) in ("alert", "dialog") and name(node) == "Korvane" and is_showing(node):
                    labels = [n for n in walk(node) if role(n) == "label" and name(n)]
                    if labels:
                        return node
            return None
        return wait_for("a message box", find, deadline)

    def running(self):
        # A program whose start failed is not running; saying so keeps the
        # clean-up from hiding why the start failed.
        return self.process is not None and self.process.poll() is None

    def ended_within(self, seconds):
        try:
            wait_for(f"program {self.pid} to end", lambda: not self.running(), seconds)
            return True
        except Failure:
            return False

    def wait_exit(self, deadline=DEADLINE):
        wait_for(f"program {self.pid} to end", lambda: not self.running(), deadline)
        return self.process.returncode

    def kill(self, sig=signal.SIGKILL):
        if self.running():
            self.process.send_signal(sig)
            self.process.wait(10)


def message_text(box):
    """The message shown by a message box, lines joined by newlines."""
    labels = [name(n) for n in walk(box) if role(n) == "label" and name(n)]
    return "\n".join(labels)


def button(window, caption):
    """A push button by its caption as read (access-key ampersands dropped)."""
    for node in walk(window):
        if role(node) == "push button" and name(node).replace("&", "") == caption:
            return node
    raise Failure(f"no button '{caption}'")


def by_description(window, tooltip, kind=None):
    """A control by its tooltip."""
    for node in walk(window):
        if description(node) == tooltip and (kind is None or role(node) == kind):
            return node
    raise Failure(f"no control with tooltip '{tooltip}'")


def by_name(window, wanted, kind):
    for node in walk(window):
        if role(node) == kind and name(node) == wanted:
            return node
    raise Failure(f"no {kind} named '{wanted}'")


def combo_text(window, tooltip):
    return name(by_description(window, tooltip, "combo box"))


class Desktop:
    """The window manager and the accessibility bus, once for a whole script:
    the accessibility registry stays bound to the bus it first met."""

    def __init__(self):
        self.helpers = []

    def __enter__(self):
        launcher = "/usr/libexec/at-spi-bus-launcher"
        self.helpers.append(subprocess.Popen([launcher, "--launch-immediately"],
                                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        self.helpers.append(self._start_window_manager())
        return self

    @staticmethod
    def _start_window_manager():
        # A window manager that cannot open the display yet (the X server
        # still busy starting) ends at once; it is started again after a
        # moment rather than waited for.
        for _ in range(5):
            manager = subprocess.Popen(["openbox", "--sm-disable"],
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

            def state(manager=manager):
                if manager.poll() is not None:
                    return "ended"
                return "ready" if subprocess.run(["wmctrl", "-m"], capture_output=True).returncode == 0 else None

            try:
                if wait_for("the window manager", state, deadline=20) == "ready":
                    return manager
            except Failure:  # alive but never ready: started again too
                pass
            manager.kill()
            manager.wait()
            time.sleep(0.5)
        raise Failure("the window manager would not start")

    def __exit__(self, *exc):
        for helper in reversed(self.helpers):
            helper.terminate()
            try:
                helper.wait(5)
            except subprocess.TimeoutExpired:
                helper.kill()
        return False


class Session:
    """Scratch folders and the programs started for one test; all of them
    are ended when the test is over."""

    def __init__(self, program_path, screenshot_dir):
        self.program_path = program_path
        self.screenshot_dir = screenshot_dir
        os.makedirs(screenshot_dir, exist_ok=True)
        self.programs = []
        self.scratch = tempfile.mkdtemp(prefix="korvane-e2e-")

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        for program in self.programs:
            program.kill()
        # A program built with the sanitizers reports leaks as it ends and
        # memory errors as they happen; either fails the test that ran it.
        reports = [r for r in (p.sanitizer_report() for p in self.programs) if r]
        shutil.rmtree(self.scratch, ignore_errors=True)
        if reports and exc[0] is None:
            raise Failure(f"the program reported:\n{reports[0]}")
        return False

    def folder(self, name="app", settings=None):
        """A scratch folder holding a copy of the program and, if given, a settings file."""
        folder = os.path.join(self.scratch, name)
        os.makedirs(folder, exist_ok=True)
        shutil.copy2(self.program_path, os.path.join(folder, "korvane"))
        if settings is not None:
            with open(os.path.join(folder, "settings.cfg"), "wb") as f:
                f.write(settings)
        return folder

    def program(self, folder):
        program = Program(self, folder)
        self.programs.append(program)
        return program

    def screenshot(self, filename, node=None):
        """Saves the screen, or just the window `node` with its frame."""
        path = os.path.join(self.screenshot_dir, filename)
        command = ["import", "-window", "root"]
        if node is not None:
            x, y, width, height = extents(node)
            border, title_bar = 8, 30
            command += ["-crop", f"{width + 2 * border}x{height + title_bar + border}"
                                 f"+{max(0, x - border)}+{max(0, y - title_bar)}"]
        subprocess.run(command + [path], check=True, capture_output=True)
        return path

def read_file(path):
    """The file's bytes, or None where there is no file to read."""
    try:
        with open(path, "rb") as f:
            return f.read()
    except OSError:
        return None


def ok_message(program, expected):
    """Reads the program's message box, checks its text and answers OK."""
    box = program.message_box()
    check(message_text(box) == expected, f"message reads {message_text(box)!r}")
    click(button(box, "OK"))
    return box


def settings_bytes(*fields):
    return b"".join(b'"' + f.encode("latin-1") + b'"\r\n' for f in fields)


def run(tests):
    """Runs the named test functions with a fresh session each; prints a summary."""
    program, screenshots = sys.argv[1], sys.argv[2]
    passed = failed = 0
    with Desktop():
        for test in tests:
            try:
                with Session(program, screenshots) as session:
                    test(session)
                passed += 1
                print(f"PASS {test.__name__}", flush=True)
            except Exception as error:
                failed += 1
                print(f"FAIL {test.__name__}: {error!r}", flush=True)
                traceback.print_exc(file=sys.stdout)
    print(f"{passed} passed, {failed} failed")
    sys.exit(1 if failed else 0)


def wmctrl_close(title):
    """Asks the window manager to close the window, as its close box does."""
    subprocess.run(["wmctrl", "-F", "-c", title], check=True)


def type_into(node, text, shows=None):
    """Clicks into a text box, selects what it holds and types `text` over it,
    then waits until the box shows `shows` (by default `text` itself): the
    keys reach the program some time after they are sent."""
    click(node)
    wait_for("the focus in the field", lambda: is_focused(node))
    xdotool("key", "--clearmodifiers", "ctrl+a")
    xdotool("type", "--delay", "20", text)
    wanted = text if shows is None else shows
    wait_for(f"the field to show {wanted!r}", lambda: text_of(node) == wanted)
