#!/usr/bin/env bash
# Runs a Windows test program under Wine on a virtual X display of its own, for tests of real
# windows. The prefix's Wine server, and with it Wine's desktop, must start on that display, so
# the one from before has to be gone first.
# usage: on_own_display.sh WINEPREFIX PROGRAM [ARGS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1
shift
export WINEPREFIX=$prefix
wineserver -w
"$here/../with-xvfb.sh" bash -c '
    status=0
    "$@" || status=$?
    wineserver -k || true
    # Gone before the next test starts: a client that meets a dying server fails at once.
    wineserver -w
    exit "$status"
' run "$here/../../cmake/wine-run.sh" "$prefix" "$@"
