#!/usr/bin/env bash
# The windows under a real window manager (openbox) on a private X display, driven from outside
# as a user and other X11 clients drive them: the windows ask for no minimize or maximize
# button; a minimized About window comes back with "About"; an About window destroyed by
# another client (xdotool windowclose) counts as closed; after "Quit" the last window's
# destruction ends the program, which writes nothing on the way.
# usage: window_manager_test.sh PROGRAM   (run through with-xvfb.sh)
set -euo pipefail
program=$1
source "$(dirname "$0")/lib.sh"
on_failure() {
    echo "--- program's output:"
    cat "$scratch/out" || true
}

visible_window() { xdotool search --onlyvisible --name "$1" | head -n1; }
window_state() { xprop -id "$1" WM_STATE | sed -n 's/.*window state: //p'; }
is_state() { [[ $(window_state "$1") == "$2" ]]; }
is_active() { [[ $(xdotool getactivewindow) == "$1" ]]; }
has_visible() { [[ -n $(visible_window "$1") ]]; }
hidden() { [[ -z $(xdotool search --onlyvisible --name "$1") ]]; }

# Neither the Motif functions nor the Motif decorations hold minimize or maximize.
expect_no_minimize_or_maximize_asked() {
    local hints
    hints=$(xprop -id "$1" _MOTIF_WM_HINTS | sed -n 's/.*= //p' | tr -d ' ')
    IFS=, read -r flags functions decorations _ <<<"$hints"
    [[ -n $flags ]] || fail "$2 has no Motif hints"
    ((functions & 0x18)) && fail "$2 asks for minimize or maximize: functions $functions"
    ((decorations & 0x60)) && fail "$2 asks for minimize or maximize buttons: $decorations"
    return 0
}

# Brings the main window to the front and clicks at a button's centre, in pixels at 96 dpi.
click_main() {
    xdotool windowactivate --sync "$main" 2>>"$scratch/xdotool"
    xdotool mousemove --window "$main" "$1" "$2" click 1
}
press_about() { click_main 500 320; }
press_quit() { click_main 500 336; }

start_window_manager || fail "openbox to manage the screen"

# Offscreen is for the other tests; this one needs the X display.
env -u QT_QPA_PLATFORM LSAN_OPTIONS="$LSAN_OPTIONS$whole_stacks" "$program" >"$scratch/out" 2>&1 &
app=$!
pids+=("$app")
wait_for "the main window" 30 has_visible "^$main_title\$"
main=$(visible_window "^$main_title\$")
expect_no_minimize_or_maximize_asked "$main" "the main window"

press_about
wait_for "the About window" 30 has_visible "^$about_title\$"
about=$(visible_window "^$about_title\$")
expect_no_minimize_or_maximize_asked "$about" "the About window"
xprop -id "$about" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE &&
    fail "the window manager offers to maximize the About window"

# Openbox offers a minimize button all the same; minimized, "About" brings it back.
xdotool windowminimize "$about"
wait_for "the About window to be minimized" 30 is_state "$about" Iconic
press_about
wait_for "the About window to come back" 30 is_state "$about" Normal
wait_for "the About window to be active" 30 is_active "$about"

# Destroyed by another client: counts as closed, and "About" opens a new one.
xdotool windowclose "$about"
press_about
wait_for "a new About window" 30 has_visible "^$about_title\$"
again=$(visible_window "^$about_title\$")
[[ $again != "$about" ]] || fail "the destroyed About window is still listed"

# "Quit" leaves the About window open; its destruction then ends the program.
press_quit
wait_for "the main window to close" 30 hidden "^$main_title\$"
gone "$app" && fail "the program ended with the About window still open"
xdotool windowclose "$again"
wait_for "the program to end" 30 gone "$app"
status=0
wait "$app" || status=$?
[[ $status -eq 0 ]] || fail "exit status $status"
[[ ! -s $scratch/out ]] || fail "the program wrote something"
echo "window manager test passed"
