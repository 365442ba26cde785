#!/usr/bin/env bash
# What a blind user hears: the program under the Orca screen reader, driven from the keyboard
# only, with Orca's spoken output read back from its debug log. Speech goes through
# speech-dispatcher and espeak-ng into ALSA's null device.
# usage: screen_reader_test.sh PROGRAM   (run through with_accessibility_bus.sh)
set -euo pipefail
program=$1
source "$(dirname "$0")/lib.sh"
log=$scratch/orca.log
on_failure() {
    echo "--- what Orca said:"
    grep -h 'SPEECH OUTPUT' "$log" || true
    echo "--- Orca's output:"
    cat "$scratch/orca.out" || true
    echo "--- the program's output:"
    cat "$scratch/out" || true
}

# The lines Orca has spoken so far, one utterance a line, without the log's decoration. Orca 43
# ends some with a full stop and says "push button" where Orca 48 says "button".
spoken() {
    sed -n "s/.*SPEECH OUTPUT: '\(.*\)'\($\|[ {].*\)/\1/p" "$log" |
        sed 's/\.$//; s/ push button$/ button/'
}

# Utterances spoken after the given mark (a count of spoken lines).
spoken_since() { spoken | tail -n "+$(($1 + 1))"; }
said_since() { spoken_since "$1" | grep -qx -- "$(quoted "$2")"; }
quoted() { sed 's/[]\\/$*.^[]/\\&/g' <<<"$1"; }
mark() { spoken | wc -l; }
spoken_since_contains() { spoken_since "$1" | grep -qF -- "$2"; }

# Speech-dispatcher of our own, on a socket of our own; its audio goes nowhere.
export XDG_RUNTIME_DIR=$scratch/run XDG_CONFIG_HOME=$scratch/config HOME=$scratch
mkdir -p -m 700 "$XDG_RUNTIME_DIR" && mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$scratch/orca"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'EOF'
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
LogDir "default"
EOF
speech-dispatcher -s -t 0 -C "$XDG_CONFIG_HOME/speech-dispatcher" >"$scratch/speechd.out" 2>&1 &
pids+=($!)
wait_for "speech-dispatcher to listen" 10 test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock"

# Orca, with its debug log written line by line (it is read while Orca runs) and without its
# refusal to start beside another user's Orca.
# The interpreter from its first line, which may read "#! /usr/bin/python3".
read -r interpreter _ < <(sed -n '1s/^#!//p' /usr/bin/orca)
"$interpreter" - "$log" "$scratch/orca" >"$scratch/orca.out" 2>&1 <<'EOF' &
import functools, sys
log, prefs = sys.argv[1:]
orca = {"__name__": "orca_launcher", "__file__": "/usr/bin/orca"}
with open("/usr/bin/orca") as source:
    exec(compile(source.read(), "/usr/bin/orca", "exec"), orca)
orca["open"] = functools.partial(open, buffering=1)
orca["otherOrcas"] = lambda: []
sys.argv = ["orca", "--debug-file", log, "--user-prefs", prefs]
sys.exit(orca["main"]())
EOF
pids+=($!)
# Orca 43 and Orca 48 say in different words that they listen.
wait_for "Orca to start" 30 \
    grep -q -e 'ORCA: Startup complete' -e 'ORCA: Starting Atspi main event loop' "$log"

"$program" >"$scratch/out" 2>&1 &
pids+=($!)
wait_for "the main window as a frame" 30 said_since 0 "$main_title frame"

# press_until TEXT KEY: presses the key until Orca says the text.
press_until() {
    local m
    for _ in $(seq 15); do
        m=$(mark)
        xdotool key "$2"
        for _ in $(seq 20); do
            said_since "$m" "$1" && return 0
            sleep 0.1
        done
    done
    fail "no '$1' after pressing $2"
}

# The main window as the accessibility bus shows it. "find" (at start) keeps which children are
# the four excuse labels that read "Press", "Button", "Press", "Button"; "excuse" prints their
# words left to right, empty ones left out; "focused" prints the name of the child with the focus.
on_bus() {
    "$interpreter" - "$1" "$scratch/excuse-labels" "$main_title" <<'EOF'
import pyatspi, sys
how, store, title = sys.argv[1:]
frame = next(window for app in pyatspi.Registry.getDesktop(0) if app for window in app
             if window.name == title)
if how == "find":
    labels = [(child.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x, i)
              for i, child in enumerate(frame) if child.name in ("Press", "Button")]
    open(store, "w").write(" ".join(str(i) for _, i in sorted(labels)))
elif how == "excuse":
    words = [frame[int(i)].name for i in open(store).read().split()]
    print(" ".join(word for word in words if word))
else:
    print(*[child.name for child in frame if child.getState().contains(pyatspi.STATE_FOCUSED)])
EOF
}
excuse_shown() { on_bus excuse; }
focused_is() { [[ $(on_bus focused) == "$1" ]]; }
on_bus find
[[ $(wc -w <"$scratch/excuse-labels") -eq 4 ]] || fail "the four excuse labels are not on the bus"

# expect_excuse WHAT MARK: Orca speaks the excuse shown once, as one phrase, after the mark.
expect_excuse() {
    local excuse times
    excuse=$(excuse_shown)
    wait_for "the excuse '$excuse' after $1" 10 said_since "$2" "$excuse"
    sleep 1
    times=$(spoken_since "$2" | grep -cx -- "$(quoted "$excuse")" || true)
    [[ $times -eq 1 ]] || fail "the excuse '$excuse' was spoken $times times after $1"
}

# What the user pastes elsewhere, read as another X client reads the clipboard.
clipboard_is() { [[ $(xclip -o -selection clipboard 2>/dev/null) == "$1" ]]; }
keep_on_clipboard() {
    xclip -selection clipboard -quiet <<<"kept" >/dev/null 2>&1 &
    pids+=($!)
    wait_for "xclip to hold the clipboard" 5 clipboard_is kept
}
keep_on_clipboard
xdotool key ctrl+c
sleep 1
clipboard_is kept || fail "Ctrl+C before the first draw changed the clipboard"

press_until 'Calculate an Excuse! button' Tab
m=$(mark)
xdotool key space
# Its end: the button is back, renamed, with the focus. Orca says so only when it keeps up: one
# that lags behind the draw skips the focus moves as stale, and cannot speak the new name, which
# Qt 6.4 sends it as an object instead of a string.
wait_for "the slow draw to end with the focus on its button" 10 focused_is 'Need Another Excuse?'
expect_excuse "a slow draw" "$m"

press_until 'Fast Refesh check box not checked' Tab
xdotool key space
press_until 'Need Another Excuse? button' shift+Tab
m=$(mark)
xdotool key space
expect_excuse "a fast draw" "$m"
xdotool key ctrl+c
wait_for "Ctrl+C to copy the excuse" 10 clipboard_is "$(excuse_shown)"
keep_on_clipboard
xdotool key shift+F10
sleep 0.5
xdotool key c
wait_for "the copy menu's Copy to copy the excuse" 10 clipboard_is "$(excuse_shown)"

# Orca's "speak window title".
m=$(mark)
xdotool key Insert+KP_Enter
wait_for "the window title on request" 10 said_since "$m" "$main_title"

press_until 'About button' Tab
m=$(mark)
xdotool key space
# Orca reads a dialog's texts of three words or more as it opens.
for text in "$about_title dialog" "If you'd ever worked on a helpdesk" 'Warning: ...Ya Da'; do
    wait_for "'$text' as the About window opens" 10 spoken_since_contains "$m" "$text"
done
echo "screen reader test passed"
