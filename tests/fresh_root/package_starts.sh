#!/usr/bin/env bash
# The Debian package on a machine that has nothing installed yet: apt installs it with its
# dependencies alone (no Recommends), every library the program links resolves, and the program
# shows its window and exits 0 on "Quit". Run as root.
# usage: package_starts.sh PACKAGE.deb
set -euo pipefail
package=$(realpath "$1")
here=$(dirname "$0")

# An arm64 package on another machine installs as on a multiarch one, and runs under qemu-user,
# installed first and on its own: it brings none of arm64's libraries.
run=() trace=(env LD_TRACE_LOADED_OBJECTS=1)
if [[ $(dpkg-deb -f "$package" Architecture) == arm64 && $(dpkg --print-architecture) != arm64 ]]; then
    dpkg --add-architecture arm64
    run=(qemu-aarch64) trace=(qemu-aarch64 -E LD_TRACE_LOADED_OBJECTS=1)
fi
apt-get update -q >/dev/null
((${#run[@]} == 0)) ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends qemu-user >/dev/null
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$package" >/dev/null
program=/usr/games/pretextor
# What ldd does, also under the emulator (for the program, not for the emulator).
libraries=$("${trace[@]}" "$program")
if grep 'not found' <<<"$libraries"; then
    echo "the package does not bring every library $program needs" >&2
    exit 1
fi
echo "installed: $(dpkg-query -W -f='${Package} ${Version} ${Architecture} ${Section}' pretextor)"

# Only now this check's own tools, so that they cannot stand in for a missing dependency.
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends xvfb xauth xdotool \
    >/dev/null
"$here/../with-xvfb.sh" "$here/click_quit.sh" "${run[@]}" "$program"
