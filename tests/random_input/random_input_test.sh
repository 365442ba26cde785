#!/usr/bin/env bash
# Random input on the real program from outside: a private X display with openbox, a private
# accessibility bus, and the driver (random_input_driver) that sends the events and checks.
# usage: random_input_test.sh DRIVER PROGRAM [--seed N] [--events N] [--max-burst N] ...
# Links and mail go through the system's xdg-open to a stand-in browser that does nothing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# A display that the window manager cannot open (another X server on a machine shared with other
# sessions may answer for its number) is tried again on a new one; exit status 75 says so.
if [[ -z ${PRETEXTOR_SESSION_READY:-} ]]; then
    for attempt in 1 2 3; do
        status=0
        "$here/../with_accessibility_bus.sh" "$0" "$@" || status=$?
        [[ $status -eq 75 ]] || exit "$status"
        echo "random_input_test.sh: display not usable, attempt $attempt; trying a new one" >&2
    done
    exit 1
fi
driver=$1
program=$2
shift 2

source "$here/../lib.sh"
start_window_manager || exit 75

# The system's xdg-open, outside any desktop, hands links and mail to $BROWSER: a stand-in.
printf '#!/bin/sh\nexit 0\n' >"$scratch/browser"
chmod +x "$scratch/browser"

BROWSER=$scratch/browser XDG_CURRENT_DESKTOP="" DESKTOP_SESSION="" \
    UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}" \
    "$driver" "$program" "$@"
