#!/usr/bin/env bash
# The newcomer's first command on a machine that has nothing installed yet: scripts/run.sh must
# install what it needs, build, and show the main window, and the program must exit 0 when "Quit"
# is clicked. Run as root from the project's folder.
set -euo pipefail
cd "$(dirname "$0")/../.."

# This check's own tools: a display, and a hand to find and click the window. None of them brings
# a library the program needs.
apt-get update -q >/dev/null
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends xvfb xauth xdotool \
    >/dev/null

tests/with-xvfb.sh tests/fresh_root/click_quit.sh scripts/run.sh
