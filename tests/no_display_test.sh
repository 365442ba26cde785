#!/usr/bin/env bash
# When Qt cannot start, the program says what failed in one line and leaves with status 1: no
# abort, no core. Without a display it names the display; with a platform plugin that does not
# exist it names that plugin. Arguments, Qt's own among them, must not change that.
# usage: no_display_test.sh PROGRAM
set -uo pipefail
program=$1
source "$(dirname "$0")/lib.sh"
errors=$scratch/errors

# expect_one_line PATTERN COMMAND...: the command fails with status 1 and one matching line.
expect_one_line() {
    local pattern=$1
    shift
    "$@" 2>"$errors"
    local status=$?
    if [[ $status -ne 1 ]]; then
        echo "$*: exit status $status, expected 1" >&2
        return 1
    fi
    if [[ $(wc -l <"$errors") -ne 1 ]] || ! grep -q -- "$pattern" "$errors"; then
        echo "$*: expected one line matching '$pattern', got:" >&2
        cat "$errors" >&2
        return 1
    fi
}

failed=0
expect_one_line '^pretextor: cannot open a display' \
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" -platform offscreen || failed=1
expect_one_line '^pretextor: no Qt platform plugin "bogus" (QT_QPA_PLATFORM=bogus); installed: .*offscreen' \
    env QT_QPA_PLATFORM=bogus "$program" || failed=1
exit "$failed"
