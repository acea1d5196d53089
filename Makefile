# Korvane. `make run` builds the optimised programs and starts the window;
# `make test` builds everything with the tests and runs them. Every target
# first installs the Debian packages it needs and are missing.

# What building and running need; the rest only what the target asks for.
# Each list is expanded where it is defined (:=), so a list is defined above
# every list that takes it in; tests/install/packages_test.py checks that each
# target's lists bring every program it runs.
RUN_PACKAGES := cmake ninja-build g++ pkg-config qt6-base-dev libgl1-mesa-dev \
                qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-liberation \
                libfast-float-dev
DATA_PACKAGES := librsvg2-bin help2man gzip python3
PACKAGE_PACKAGES := $(DATA_PACKAGES) dpkg-dev file desktop-file-utils appstream
# The web page: the core compiled by emscripten and packed by zopfli, icons
# drawn from the SVG and packed by zopflipng (in Debian's zopfli); its tests
# drive Debian's Chromium with puppeteer-core from npm, and read the printed
# work order with pdftotext.
WEB_PACKAGES := cmake ninja-build emscripten librsvg2-bin zopfli python3
BROWSER_PACKAGES := chromium nodejs poppler-utils
TEST_PACKAGES := $(PACKAGE_PACKAGES) $(WEB_PACKAGES) $(BROWSER_PACKAGES) \
                 libgtest-dev xvfb xauth xdotool imagemagick x11-utils openbox wmctrl \
                 dbus-daemon at-spi2-core python3-pyatspi python3-gi man-db lintian
BENCH_PACKAGES := libbenchmark-dev time mawk xvfb xauth x11-utils dbus-daemon
FUZZ_PACKAGES := cmake ninja-build clang libclang-rt-14-dev libfast-float-dev
TIDY_PACKAGES := clang-tidy
FORMAT_PACKAGES := clang-format

# `make fuzz` runs each fuzz target this long.
FUZZ_SECONDS ?= 300
FUZZ_TARGETS := number_text settings_record dose_sheet csv_batch

PRESET ?= default
PREFIX ?= /usr/local
# CI turns warnings into errors; a user's newer compiler should not stop a build.
WERROR ?= OFF

.PHONY: all run-build run test bench fuzz tidy check-format install uninstall package clean \
        web serve-web npm-package

all: run-build

# Installs the Debian packages of $(1) that are missing: as root, through
# sudo, or else says what to install.
define ensure_packages
	@missing=""; \
	for p in $(1); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing missing packages:$$missing"; \
	    if [ "$$(id -u)" = 0 ]; then SUDO=""; \
	    elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then SUDO="sudo -n"; \
	    else echo "Korvane needs these Debian packages:$$missing"; \
	         echo "Install them as root (apt-get install$$missing), or run make as root or with sudo."; \
	         exit 1; fi; \
	    $$SUDO apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing; \
	fi
endef

# npm comes with Node.js from some sources and as its own package in Debian.
define ensure_npm
	@command -v npm >/dev/null 2>&1 || $(MAKE) --no-print-directory npm-package
endef

# Configures and builds preset $(1).
define build_preset
	@cmake --preset $(1) -DCMAKE_COMPILE_WARNING_AS_ERROR=$(WERROR) >/dev/null
	@cmake --build --preset $(1)
endef

run-build:
	$(call ensure_packages,$(RUN_PACKAGES))
	$(call build_preset,release)

run: run-build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "No display is available to show Korvane's window."; \
	    echo "On a machine without a desktop, run: xvfb-run make run"; \
	    exit 1; \
	fi
	./build-release/korvane

test:
	$(call ensure_packages,$(RUN_PACKAGES) $(TEST_PACKAGES))
	$(call ensure_npm)
	$(call build_preset,$(PRESET))
	ctest --preset $(PRESET)

bench: web
	$(call ensure_packages,$(RUN_PACKAGES) $(BENCH_PACKAGES) $(BROWSER_PACKAGES))
	$(call ensure_npm)
	$(call build_preset,bench)
	@cd tests/web && npm ci --no-audit --no-fund --loglevel=error
	@# Every benchmark runs; any figure over its limit fails the target at the
	@# end. (Start-up is a comparison with no limit of its own to fail.)
	@status=0; \
	node benchmarks/web_bench.mjs build-web/site || status=1; \
	./build-bench/core_benchmark || status=1; \
	./build-bench/cellar_batch_benchmark || status=1; \
	RUNS=3 benchmarks/batch_throughput.sh build-bench || status=1; \
	benchmarks/startup.sh build-bench || status=1; \
	exit $$status

npm-package:
	$(call ensure_packages,npm)

# The web page's site, in build-web/site/: copy that folder to any static
# web host.
web:
	$(call ensure_packages,$(WEB_PACKAGES))
	$(call ensure_npm)
	@NODE_PATH=/usr/share/nodejs cmake --preset web -DCMAKE_COMPILE_WARNING_AS_ERROR=$(WERROR) >/dev/null
	@NODE_PATH=/usr/share/nodejs cmake --build --preset web
	@echo "The site is in build-web/site/."

# Where `make serve-web` listens: this machine only, unless told otherwise
# (HOST=0.0.0.0 lets a phone on the same network open it).
HOST ?= 127.0.0.1
PORT ?= 8080

serve-web: web
	@echo "Korvane is served on http://$(HOST):$(PORT)/ (Ctrl+C stops it)."
	@if [ "$(HOST)" = 0.0.0.0 ]; then \
	    echo "From another device on this network: http://$$(hostname -I | cut -d' ' -f1):$(PORT)/"; fi
	cd build-web/site && python3 -m http.server $(PORT) --bind $(HOST)

# Each fuzz target for FUZZ_SECONDS on a working corpus in build-fuzz/corpus/;
# fails when one finds anything, leaving the input in build-fuzz/findings/.
fuzz:
	$(call ensure_packages,$(FUZZ_PACKAGES))
	$(call build_preset,fuzz)
	@fuzz/run_fuzzers.sh build-fuzz $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# clang-tidy over every source file of the programs and of their tests, with
# the compile commands of the default build; any finding fails.
tidy:
	$(call ensure_packages,$(RUN_PACKAGES) $(TEST_PACKAGES) $(TIDY_PACKAGES))
	$(call build_preset,default)
	@python3 -c 'import json, sys; print("\n".join(sorted({e["file"] for e in json.load(sys.stdin) \
	        if e["file"].startswith(("$(CURDIR)/src/", "$(CURDIR)/tests/"))})))' \
	    < build/compile_commands.json \
	    | xargs -P $$(nproc) -n 4 clang-tidy -p build --quiet --warnings-as-errors='*' \
	    > build/clang-tidy.log 2>&1 || { grep -E "(warning|error):" build/clang-tidy.log | sort -u; \
	    echo "clang-tidy found the above (whole output in build/clang-tidy.log)."; exit 1; }
	@echo "clang-tidy: no findings in src/ and tests/."

# Every C++ file as .clang-format lays it out; any difference fails, shown.
check-format:
	$(call ensure_packages,$(FORMAT_PACKAGES))
	@find . \( -path './build*' -o -name node_modules -o -name .git \) -prune -o \
	    \( -name '*.cpp' -o -name '*.h' \) -print | sort | xargs clang-format --dry-run -Werror
	@echo "clang-format: every C++ file is laid out as .clang-format says."

# Installs under $(PREFIX); DESTDIR, when given, stages everything below that
# folder instead. The list of installed files, DESTDIR included, is kept for
# `make uninstall`, because packaging rewrites install_manifest.txt.
install: run-build
	$(call ensure_packages,$(DATA_PACKAGES))
	@cmake --build build-release --target korvane_install_data
	DESTDIR="$(DESTDIR)" cmake --install build-release --prefix "$(PREFIX)"
	@sed 's|^|$(DESTDIR)|' build-release/install_manifest.txt > build-release/installed_files.txt

# Removes exactly what the last `make install` put in place.
uninstall:
	@test -f build-release/installed_files.txt || \
	    { echo "Nothing was installed from build-release."; exit 1; }
	xargs -r -d '\n' rm -f -- < build-release/installed_files.txt
	@rm -f build-release/installed_files.txt

# Builds build-release/korvane_<version>_<arch>.deb.
package: run-build
	$(call ensure_packages,$(PACKAGE_PACKAGES))
	@cmake --build build-release --target korvane_install_data
	cd build-release && cpack -G DEB

clean:
	rm -rf build build-asan build-release build-bench build-fuzz build-web
