#!/usr/bin/env bash
# Without a display the program says so in one line and leaves with status 1: no abort, no core.
# Arguments, Qt's own among them, must not change that.
# usage: no_display_test.sh PROGRAM
set -uo pipefail
program=$1
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" -platform offscreen 2>"$errors"
status=$?
if [[ $status -ne 1 ]]; then
    echo "exit status $status, expected 1" >&2
    exit 1
fi
lines=$(wc -l <"$errors")
if [[ $lines -ne 1 ]] || ! grep -q '^pretextor: cannot open a display' "$errors"; then
    echo "expected one line about the display, got:" >&2
    cat "$errors" >&2
    exit 1
fi
