#!/usr/bin/env bash
# The program on a Wayland desktop: under weston (headless, software rendering) at output scales 1
# and 2, with no X display to fall back to. It must be a native Wayland client whose toplevel asks
# for 514 x 342 with the program's title and the desktop entry's id, draw buffers at the output's
# scale, draw an excuse on a press through the accessibility bus, end on "Quit", and say nothing
# (the X11-only parts stay silent).
# usage: wayland_test.sh PROGRAM APP_ID [SCREENSHOT_DIR]   (a screenshot at scale 1 goes there)
set -euo pipefail
program=$(realpath "$1")
app_id=$2
shots=${3:+$(realpath "$3")}
here=$(cd "$(dirname "$0")" && pwd)

if [[ -z ${PRETEXTOR_SESSION_READY:-} ]]; then
    PRETEXTOR_SESSION_READY=1 exec dbus-run-session -- "$0" "$@"
fi
# The accessibility bus starts on demand; asking for its address starts it.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null

source "$here/lib.sh"
runtime=$scratch
on_failure() { tail -n 5 "${log:-/dev/null}"; }

renderer=--use-pixman
timeout 5 weston --help 2>&1 | grep -q -- "--renderer=" && renderer=--renderer=pixman
# libwayland writes objects as name@id (Debian 12) or name#id (Debian 13).
toplevel='xdg_toplevel[@#][0-9]+'

for scale in 1 2; do
    socket=pretextor-$scale
    log=$runtime/weston-$scale.log
    XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so "$renderer" --no-config \
        --socket="$socket" --width=640 --height=440 --scale="$scale" --idle-time=0 --debug \
        >"$log" 2>&1 &
    pids+=($!)
    wait_for "weston to start within 5 s" 5 test -S "$runtime/$socket"

    trace=$runtime/program-$scale.log
    # As a Wayland desktop starts it: Qt picks its platform itself, and XWayland is not there.
    session=(env -u DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket"
        XDG_SESSION_TYPE=wayland)
    "${session[@]}" WAYLAND_DEBUG=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        LSAN_OPTIONS="$LSAN_OPTIONS$whole_stacks" \
        "$program" 2>"$trace" &
    program_pid=$!
    pids+=("$program_pid")
    /usr/bin/python3 "$here/wayland_press.py" ||
        fail "scale $scale: the press through the accessibility bus failed"
    wait_for "scale $scale: the program to end after Quit" 5 gone "$program_pid"
    status=0
    wait "$program_pid" || status=$?
    # WAYLAND_DEBUG's lines start with a time stamp in brackets; anything else the program said.
    chatter=$(grep -v '^\[' "$trace" || true)
    ((status == 0)) || fail "scale $scale: the program exited with status $status: $chatter"
    [[ -z $chatter ]] || fail "scale $scale: the program said: $chatter"
    # The arguments of the last such request: the one in force.
    requests() { grep -oE " -> $1\\(.*\\)" "$trace" | sed 's/^ -> [^(]*//' | tail -n1; }
    grep -qE ' -> xdg_wm_base[@#][0-9]+\.get_xdg_surface' "$trace" ||
        fail "scale $scale: no Wayland toplevel (not a native Wayland client?)"
    [[ $(requests "$toplevel\\.set_title") == "(\"$main_title\")" ]] ||
        fail "scale $scale: title $(requests "$toplevel\\.set_title")"
    [[ $(requests "$toplevel\\.set_app_id") == "(\"$app_id\")" ]] ||
        fail "scale $scale: app_id $(requests "$toplevel\\.set_app_id")"
    # Qt counts its own title bar into the size it asks for or not, as its version goes: the
    # window, frame or not, is fixed at 514 x 342 plus that title bar's margins.
    geometry=$(requests 'xdg_surface[@#][0-9]+\.set_window_geometry')
    [[ $geometry =~ ^\(0,\ 0,\ ([0-9]+),\ ([0-9]+)\)$ ]] ||
        fail "scale $scale: window geometry '$geometry'"
    width=${BASH_REMATCH[1]} height=${BASH_REMATCH[2]}
    for size in min max; do
        asked=$(requests "$toplevel\\.set_${size}_size")
        [[ $asked == "(514, 342)" || $asked == "($width, $height)" ]] ||
            fail "scale $scale: $size size $asked for a window of $width x $height"
    done
    ((width >= 514 && width <= 534 && height >= 342 && height <= 392)) ||
        fail "scale $scale: window of $width x $height, not 514 x 342 and a title bar"
    # The window's buffers at the output's scale: the largest one holds the whole window.
    created='wl_shm_pool[@#][0-9]+\.create_buffer\(new id wl_buffer[@#][0-9]+(, [0-9]+){3}'
    buffers=$(grep -oE " -> $created" "$trace" | awk -F', ' '{print $3 * $4, $3 "x" $4}' |
        sort -n | tail -n1 | cut -d' ' -f2)
    [[ $buffers == "$((width * scale))x$((height * scale))" ]] ||
        fail "scale $scale: largest buffer $buffers for a window of $width x $height"
    echo "scale $scale: native Wayland toplevel of $width x $height with its title bar," \
        "buffers of $buffers"

    if [[ $scale == 1 && -n $shots ]]; then
        "${session[@]}" "$program" 2>/dev/null &
        pids+=($!)
        sleep 2
        # weston lets it take the output only with --debug; it writes into the current folder.
        (cd "$runtime" && "${session[@]}" weston-screenshooter)
        mv "$runtime"/wayland-screenshot-*.png "$shots/wayland-main-window.png"
        echo "screenshot: $shots/wayland-main-window.png"
    fi
    stop_all
done
