#!/usr/bin/env bash
# Starts a command that shows the main window, waits until the window is mapped, clicks "Quit" and
# passes on the command's exit status. Needs DISPLAY and xdotool.
# usage: click_quit.sh COMMAND [ARGS...]
set -euo pipefail
source "$(dirname "$0")/../lib.sh"

"$@" &
program=$!
pids+=("$program")
# The window, or the program's end before it showed.
shown_or_ended() {
    window=$(xdotool search --onlyvisible --name "^$main_title\$" 2>/dev/null | head -n1) || true
    [[ -n $window ]] || gone "$program"
}
# Building first may take minutes on a slow machine.
wait_for "the main window within 15 minutes" 900 shown_or_ended
[[ -n $window ]] || { wait "$program" || true; fail "the program ended before its window showed"; }
echo "main window mapped: $(xdotool getwindowgeometry "$window" | tr '\n' ' ')"

sleep 1
read -r x y <<<"$(middle_of Command3)"
xdotool mousemove --window "$window" "$x" "$y" click 1
wait_for "the program to end after Quit" 10 gone "$program"
status=0
wait "$program" || status=$?
echo "the program ended with status $status"
exit "$status"
