#!/usr/bin/env bash
# The Debian package on a machine that has nothing installed yet: apt installs it with its
# dependencies alone (no Recommends), every library the program links resolves, and the program
# shows its window and exits 0 on "Quit". Run as root.
# usage: package_starts.sh PACKAGE.deb
set -euo pipefail
package=$(realpath "$1")
here=$(dirname "$0")

apt-get update -q >/dev/null
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$package" >/dev/null
program=/usr/games/pretextor
if ldd "$program" | grep 'not found'; then
    echo "the package does not bring every library $program needs" >&2
    exit 1
fi
echo "installed: $(dpkg-query -W -f='${Package} ${Version} ${Section}' pretextor)"

# Only now this check's own tools, so that they cannot stand in for a missing dependency.
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends xvfb xauth xdotool \
    >/dev/null
"$here/../with-xvfb.sh" "$here/click_quit.sh" "$program"
