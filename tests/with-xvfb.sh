#!/usr/bin/env bash
# Runs a command on a virtual X display of its own, then stops that display.
# usage: with-xvfb.sh COMMAND [ARGS...]   (the command sees DISPLAY and XVFB_PID)
# XVFB_SCREEN sets the screen size (1024x768x24 when unset).
set -euo pipefail

source "$(dirname "$0")/lib.sh"
# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 1 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp >"$scratch/display" 2>"$scratch/log" &
XVFB_PID=$!
pids+=("$XVFB_PID")
for _ in $(seq 100); do
    [[ -s $scratch/display ]] && break
    kill -0 "$XVFB_PID" 2>/dev/null || { cat "$scratch/log" >&2; exit 1; }
    sleep 0.1
done
[[ -s $scratch/display ]] || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=:$(head -n1 "$scratch/display")
export DISPLAY XVFB_PID
"$@"
