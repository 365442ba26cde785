#!/usr/bin/env bash
# Starts a command that shows the main window, waits until the window is mapped, clicks "Quit" and
# passes on the command's exit status. Needs DISPLAY and xdotool.
# usage: click_quit.sh COMMAND [ARGS...]
set -euo pipefail

"$@" &
program=$!
title='^VORN: Random Pretextor$'
# Building first may take minutes on a slow machine.
for _ in $(seq 1800); do
    window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n1) || true
    [[ -n $window ]] && break
    kill -0 "$program" 2>/dev/null || { wait "$program" || true; echo "the program ended before its window showed" >&2; exit 1; }
    sleep 0.5
done
[[ -n ${window:-} ]] || { kill "$program"; echo "no main window after 15 minutes" >&2; exit 1; }
echo "main window mapped: $(xdotool getwindowgeometry "$window" | tr '\n' ' ')"

# "Quit" is at (7200, 4920) twips, 615 x 255: its middle is at (500, 336) pixels at 96 dpi.
sleep 1
xdotool mousemove --window "$window" 500 336 click 1
for _ in $(seq 100); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$program" 2>/dev/null; then
    kill "$program"
    echo "the program did not end after Quit" >&2
    exit 1
fi
status=0
wait "$program" || status=$?
echo "the program ended with status $status"
exit "$status"
