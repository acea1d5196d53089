# Korvane: `make run` builds and starts the program, `make test` builds it and
# runs every test. Both first install whatever Debian packages are missing.

PACKAGES := cmake ninja-build g++ pkg-config qt6-base-dev libgl1-mesa-dev libgtest-dev \
            libbenchmark-dev fonts-liberation xvfb xauth xdotool imagemagick x11-utils \
            openbox wmctrl dbus-daemon at-spi2-core python3 python3-pyatspi
PRESET ?= default
BUILD_DIR := $(if $(filter asan,$(PRESET)),build-asan,build)

.PHONY: all run test build configure deps clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
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

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "No display is available to show Korvane's window."; \
	    echo "On a machine without a desktop, run: xvfb-run make run"; \
	    exit 1; \
	fi
	./$(BUILD_DIR)/korvane

test: build
	ctest --preset $(PRESET)

clean:
	rm -rf build build-asan
