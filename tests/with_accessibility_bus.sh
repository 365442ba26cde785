#!/usr/bin/env bash
# Runs a command as under a screen reader: on a private X display, in a private D-Bus session
# whose accessibility bus is up, with Qt asked to join it.
# usage: with_accessibility_bus.sh COMMAND [ARGS...]
set -euo pipefail

if [[ -z ${PRETEXTOR_SESSION_READY:-} ]]; then
    PRETEXTOR_SESSION_READY=1 exec "$(dirname "$0")/with-xvfb.sh" dbus-run-session -- "$0" "$@"
fi

# The accessibility bus starts on demand; asking for its address starts it.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
