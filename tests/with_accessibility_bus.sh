#!/usr/bin/env bash
# Runs a command as under a screen reader: on a private X display (Xvfb picks a free number), in a
# private D-Bus session whose accessibility bus is up, with Qt asked to join it.
# usage: with_accessibility_bus.sh COMMAND [ARGS...]
set -euo pipefail

if [[ -z ${PRETEXTOR_SESSION_READY:-} ]]; then
    exec {display_fd}< <(exec Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
    xvfb=$!
    trap 'kill "$xvfb" 2>/dev/null || true' EXIT
    read -r -t 10 display <&"$display_fd"
    DISPLAY=":$display" PRETEXTOR_SESSION_READY=1 dbus-run-session -- "$0" "$@"
    exit
fi

# The accessibility bus starts on demand; asking for its address starts it.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
