#!/usr/bin/env bash
# The windows under a real window manager (openbox) on a private X display, driven from outside
# as a user and other X11 clients drive them: the windows ask for no minimize or maximize
# button; a minimized About window comes back with "About"; an About window destroyed by
# another client (xdotool windowclose) counts as closed; after "Quit" the last window's
# destruction ends the program, which writes nothing on the way.
# usage: window_manager_test.sh PROGRAM   (run through with-xvfb.sh)
set -euo pipefail
program=$1
scratch=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*" >&2
    echo "--- program's output:" >&2
    cat "$scratch/out" >&2 || true
    exit 1
}

# wait_for DESCRIPTION COMMAND...: retries the command for up to 30 s.
wait_for() {
    local what=$1
    shift
    for _ in $(seq 300); do
        if "$@" >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.1
    done
    fail "$what"
}

visible_window() { xdotool search --onlyvisible --name "$1" | head -n1; }
window_state() { xprop -id "$1" WM_STATE | sed -n 's/.*window state: //p'; }
is_state() { [[ $(window_state "$1") == "$2" ]]; }
is_active() { [[ $(xdotool getactivewindow) == "$1" ]]; }
has_visible() { [[ -n $(visible_window "$1") ]]; }
hidden() { [[ -z $(xdotool search --onlyvisible --name "$1") ]]; }
# Openbox names its check window once it has taken over the screen.
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
gone() { ! kill -0 "$1" 2>/dev/null; }

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

openbox --sm-disable >"$scratch/openbox" 2>&1 &
pids+=($!)
wait_for "openbox to manage the screen" wm_ready

# Offscreen is for the other tests; this one needs the X display. In the sanitizer build, what
# the libraries keep until the end is not the program's to report.
env -u QT_QPA_PLATFORM \
    LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan_suppressions.txt:print_suppressions=0:fast_unwind_on_malloc=0" \
    "$program" >"$scratch/out" 2>&1 &
app=$!
pids+=("$app")
wait_for "the main window" has_visible '^VORN: Random Pretextor$'
main=$(visible_window '^VORN: Random Pretextor$')
expect_no_minimize_or_maximize_asked "$main" "the main window"

press_about
wait_for "the About window" has_visible '^About VORN: Pretextor$'
about=$(visible_window '^About VORN: Pretextor$')
expect_no_minimize_or_maximize_asked "$about" "the About window"
xprop -id "$about" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE &&
    fail "the window manager offers to maximize the About window"

# Openbox offers a minimize button all the same; minimized, "About" brings it back.
xdotool windowminimize "$about"
wait_for "the About window to be minimized" is_state "$about" Iconic
press_about
wait_for "the About window to come back" is_state "$about" Normal
wait_for "the About window to be active" is_active "$about"

# Destroyed by another client: counts as closed, and "About" opens a new one.
xdotool windowclose "$about"
press_about
wait_for "a new About window" has_visible '^About VORN: Pretextor$'
again=$(visible_window '^About VORN: Pretextor$')
[[ $again != "$about" ]] || fail "the destroyed About window is still listed"

# "Quit" leaves the About window open; its destruction then ends the program.
press_quit
wait_for "the main window to close" hidden '^VORN: Random Pretextor$'
kill -0 "$app" 2>/dev/null || fail "the program ended with the About window still open"
xdotool windowclose "$again"
wait_for "the program to end" gone "$app"
status=0
wait "$app" || status=$?
[[ $status -eq 0 ]] || fail "exit status $status"
[[ ! -s $scratch/out ]] || fail "the program wrote something"
echo "window manager test passed"
