#!/usr/bin/env bash
# Runs one whole-program test under its own X server and session bus.
# usage: run_e2e.sh TEST.py PROGRAM SCREENSHOT_DIR
set -euo pipefail
export PYTHONPATH="$(dirname "$0")${PYTHONPATH:+:$PYTHONPATH}"
export NO_AT_BRIDGE=0
exec xvfb-run -a -s "-screen 0 1280x1024x24" \
    dbus-run-session -- /usr/bin/python3 "$@" 2> >(grep -v -E "fd limit|Openbox-Message|XDG_RUNTIME_DIR|dbus-daemon|SpiRegistry" >&2)
