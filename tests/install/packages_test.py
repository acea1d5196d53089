"""Every program the build and the tests run comes from a Debian package that
the make target needing it installs. The package lists are read from the
commands the Makefile itself would run (make -n), so a list that goes wrong in
the Makefile fails here rather than on somebody's fresh machine."""

import os
import re
import shutil
import subprocess
import tempfile
import unittest

SOURCE = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))

# What each target runs: its recipes, the build it configures and, for
# `make test`, the tests. A name is looked up on PATH as they look it up; a
# path is taken as it stands. Tools of Debian's essential and required
# packages (coreutils, dpkg, gzip, sed, util-linux...) are on every system and
# left out.
NEEDS = [
    # program or file                               targets whose packages must bring it
    ("cmake",                                       "run-build test tidy bench web fuzz"),
    ("ninja",                                       "run-build test tidy bench web fuzz"),
    ("g++",                                         "run-build test tidy bench"),
    ("pkg-config",                                  "run-build test tidy bench"),
    ("/usr/lib/qt6/libexec/moc",                    "run-build test tidy bench"),
    ("/usr/lib/qt6/libexec/uic",                    "run-build test tidy bench"),
    ("/usr/lib/qt6/libexec/rcc",                    "run-build test tidy bench"),
    ("/usr/lib/qt6/bin/lrelease",                   "run-build test tidy bench"),
    ("/usr/include/fast_float/fast_float.h",        "run-build test tidy bench fuzz"),
    ("/usr/include/gtest/gtest.h",                  "test tidy"),
    ("/usr/bin/python3",                            "web install package test"),
    ("rsvg-convert",                                "web install package test"),
    ("zopfli",                                      "web test bench"),
    ("help2man",                                    "install package test"),
    ("cpack",                                       "package test"),
    ("dpkg-shlibdeps",                              "package test"),
    ("file",                                        "package test"),
    ("emcc",                                        "web test bench"),
    ("em++",                                        "web test bench"),
    ("node",                                        "web test bench"),
    ("npm",                                         "test bench"),
    ("chromium",                                    "test bench"),
    ("pdftotext",                                   "test"),
    ("desktop-file-validate",                       "test"),
    ("appstreamcli",                                "test"),
    ("lintian",                                     "test"),
    ("man",                                         "test"),
    ("dpkg-parsechangelog",                         "test"),
    ("/usr/lib/python3/dist-packages/gi/__init__.py", "test"),
    ("Xvfb",                                        "test bench"),
    ("xvfb-run",                                    "test bench"),
    ("xauth",                                       "test bench"),
    ("dbus-daemon",                                 "test bench"),
    ("dbus-run-session",                            "test bench"),
    ("/usr/libexec/at-spi-bus-launcher",            "test"),
    ("/usr/lib/python3/dist-packages/pyatspi/__init__.py", "test"),
    ("openbox",                                     "test"),
    ("wmctrl",                                      "test"),
    ("xdotool",                                     "test"),
    ("import",                                      "test"),
    ("/usr/include/benchmark/benchmark.h",          "bench"),
    ("/usr/bin/time",                               "bench"),
    ("xev",                                         "bench"),
    ("xprop",                                       "bench"),
    ("xwininfo",                                    "bench"),
    ("clang++",                                     "fuzz"),
    ("clang-tidy",                                  "tidy"),
    ("clang-format",                                "check-format"),
]

# Some Node.js packages carry npm; Debian's does not, and a target that runs
# npm then installs it through this one.
NPM_TARGET = "npm-package"


def package_names(field):
    """The package names in a Depends or Provides field: every alternative,
    no versions or architectures."""
    names = set()
    for item in re.split(r"[,|]", field):
        name = item.split("(")[0].strip().split(":")[0]
        if name:
            names.add(name)
    return names


def makefile_lists(folder, target):
    """The packages `make TARGET` in FOLDER installs when they are missing,
    and the undefined variables its Makefile expands on the way."""
    env = {k: v for k, v in os.environ.items() if k not in ("MAKEFLAGS", "MFLAGS", "MAKELEVEL")}
    run = subprocess.run(["make", "-n", "--warn-undefined-variables", "--no-print-directory",
                          "-C", folder, target], env=env, capture_output=True, text=True)
    if run.returncode != 0:
        raise RuntimeError(f"`make -n {target}` fails: {run.stderr.strip().splitlines()[-1]}")
    packages = {p for words in re.findall(r"\bfor p in ([^;]*);", run.stdout) for p in words.split()}
    undefined = set(re.findall(r"undefined variable '(\w+)'", run.stderr))
    return packages, undefined


class Machine:
    """What dpkg knows here: which package put a file in place, and what each
    installed package brings in with it."""

    def __init__(self):
        self.depends = {}
        self.providers = {}
        self.known_owners = {}
        listing = subprocess.run(
            ["dpkg-query", "-W", "-f",
             "${Package}\t${db:Status-Abbrev}\t${Depends}, ${Pre-Depends}\t${Provides}\n"],
            capture_output=True, text=True, check=True).stdout
        for line in listing.splitlines():
            name, status, depends, provides = line.split("\t")
            if status.startswith("ii"):
                self.depends.setdefault(name, set()).update(package_names(depends))
                for virtual in package_names(provides):
                    self.providers.setdefault(virtual, set()).add(name)

    def closure(self, packages):
        """PACKAGES and every installed package they depend on, however deep:
        what apt installs along with them."""
        seen, todo = set(), list(packages)
        while todo:
            name = todo.pop()
            for package in {name} | self.providers.get(name, set()):
                if package not in seen:
                    seen.add(package)
                    todo.extend(self.depends.get(package, ()))
        return seen

    def owners(self, path):
        """The packages that put PATH in place, through symlinks and
        alternatives; none when no package did."""
        if path not in self.known_owners:
            self.learn_owners([path])
        return self.known_owners[path]

    def learn_owners(self, paths):
        """Looks PATHS up together, one dpkg query a link deep: each query
        reads every package's file list, which takes a while."""
        looking = {}  # where to look -> the paths asked that lead there
        for path in set(paths) - self.known_owners.keys():
            looking.setdefault(path, set()).add(path)
        for _ in range(8):
            if not looking:
                return
            names = {name for where in looking for name in (where, merged_twin(where))}
            run = subprocess.run(["dpkg-query", "-S", *sorted(names)], capture_output=True,
                                 text=True)
            found = {}
            for line in run.stdout.splitlines():
                owners, _, name = line.partition(": ")
                if name in names and not line.startswith("diversion "):
                    found[name] = {owner.strip().split(":")[0] for owner in owners.split(",")}
            further = {}
            for where, asked in looking.items():
                owners = found.get(where, set()) | found.get(merged_twin(where), set())
                if owners or not os.path.islink(where):
                    self.known_owners.update(dict.fromkeys(asked, owners))
                else:
                    target = os.path.join(os.path.dirname(where), os.readlink(where))
                    further.setdefault(target, set()).update(asked)
            looking = further
        for asked in looking.values():
            self.known_owners.update(dict.fromkeys(asked, set()))


def merged_twin(path):
    """Debian 12 merges /bin into /usr/bin, and dpkg knows a file by the name
    its package gave it: /bin/sh, but /usr/bin/xdotool."""
    if re.match(r"/usr/(s?bin|lib)/", path):
        return path[len("/usr"):]
    if re.match(r"/(s?bin|lib)/", path):
        return "/usr" + path
    return path


def locate(program):
    if os.path.isabs(program):
        return program if os.path.exists(program) else None
    return shutil.which(program)


def check(folder, machine):
    """What the Makefile in FOLDER fails to install, as (program, target,
    why) rows, and the programs not here to check."""
    lists, undefined, problems, unchecked = {}, set(), [], []

    def brought_by(target):
        if target not in lists:
            try:
                packages, names = makefile_lists(folder, target)
            except RuntimeError as error:
                problems.append(("", target, str(error)))
                packages, names = set(), set()
            lists[target] = machine.closure(packages)
            undefined.update(names)
        return lists[target]

    machine.learn_owners([path for path in map(locate, (p for p, _ in NEEDS)) if path])
    for program, targets in NEEDS:
        path = locate(program)
        if path is None:
            # `make test` ran before its tests did, so it has had its chance.
            if "test" in targets.split():
                problems.append((program, "test", "is not on this machine after `make test`"))
            else:
                unchecked.append(program)
            continue
        owners = machine.owners(path)
        if not owners:
            problems.append((program, "", f"({path}) comes from no Debian package"))
            continue
        for target in targets.split():
            accepted = brought_by(target)
            if program == "npm":
                accepted = accepted | brought_by(NPM_TARGET)
            if not owners & accepted:
                problems.append((program, target, f"({path}, package {', '.join(sorted(owners))}) "
                                                  f"is not installed by `make {target}`"))
    problems += [(name, "", "is used by the Makefile before it is defined")
                 for name in sorted(undefined) if name.endswith("_PACKAGES")]
    return problems, unchecked


@unittest.skipUnless(shutil.which("dpkg-query"), "not a Debian system")
class PackagesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.machine = Machine()

    def test_each_target_installs_what_it_runs(self):
        problems, unchecked = check(SOURCE, self.machine)
        if unchecked:
            print("Not installed here, so not checked:", " ".join(unchecked))
        if problems:
            self.fail("\n" + "\n".join(f"{p} {why}".strip() for p, _, why in problems))

    def test_a_package_missing_from_the_makefile_is_noticed(self):
        with open(os.path.join(SOURCE, "Makefile"), encoding="utf-8") as f:
            makefile = f.read()
        rows = [
            # package left out   a program it brings   a target that then lacks it
            ("emscripten",       "emcc",               "test"),
            ("chromium",         "chromium",           "bench"),
            ("lintian",          "lintian",            "test"),
            ("librsvg2-bin",     "rsvg-convert",       "install"),
            ("xdotool",          "xdotool",            "test"),
        ]
        for package, program, target in rows:
            with self.subTest(package=package), tempfile.TemporaryDirectory() as folder:
                without = re.sub(rf"(?<=\s){re.escape(package)}(?=\s)", "", makefile)
                self.assertNotEqual(makefile, without, f"the Makefile never names {package}")
                with open(os.path.join(folder, "Makefile"), "w", encoding="utf-8") as f:
                    f.write(without)
                problems, _ = check(folder, self.machine)
                self.assertIn((program, target), [(p, t) for p, t, _ in problems])

    def test_a_list_used_before_it_is_defined_is_noticed(self):
        # The mistake that once kept emscripten, Chromium and Node.js off new
        # machines: a list expanded (:=) above the lists it takes in.
        with tempfile.TemporaryDirectory() as folder:
            with open(os.path.join(folder, "Makefile"), "w", encoding="utf-8") as f:
                f.write("TEST_PACKAGES := $(WEB_PACKAGES) xdotool\n"
                        "WEB_PACKAGES := emscripten\n"
                        "test:\n\t@for p in $(TEST_PACKAGES); do echo $$p; done\n")
            packages, undefined = makefile_lists(folder, "test")
            self.assertEqual({"xdotool"}, packages)
            self.assertEqual({"WEB_PACKAGES"}, undefined)

    def test_the_package_behind_a_file(self):
        with tempfile.TemporaryDirectory() as folder:
            link, loose = os.path.join(folder, "link"), os.path.join(folder, "loose")
            os.symlink("/usr/bin/xdotool", link)
            open(loose, "w", encoding="utf-8").close()
            rows = [
                (link, {"xdotool"}),            # a link no package made, to a file one did
                ("/bin/xdotool", {"xdotool"}),  # the merged name of /usr/bin/xdotool
                ("/usr/bin/sh", {"dash"}),      # the other way round, and diverted
                (loose, set()),
            ]
            self.machine.learn_owners([path for path, _ in rows])
            for path, owners in rows:
                with self.subTest(path=os.path.basename(path)):
                    self.assertEqual(owners, self.machine.owners(path))


if __name__ == "__main__":
    unittest.main()
