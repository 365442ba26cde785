#!/usr/bin/env bash
# The Debian package on a machine that has nothing installed yet: apt installs it with its
# dependencies alone (no Recommends), every library the program links resolves, and the program
# shows its window and exits 0 on "Quit". A package for another architecture (arm64) is installed
# as on a multiarch machine, and its program runs under qemu-user. Run as root.
# usage: package_starts.sh PACKAGE.deb
set -euo pipefail
package=$(realpath "$1")
here=$(dirname "$0")

arch=$(dpkg-deb -f "$package" Architecture)
run=() emulator=() trace=(env LD_TRACE_LOADED_OBJECTS=1)
if [[ $arch != "$(dpkg --print-architecture)" ]]; then
    case $arch in
    arm64) run=(qemu-aarch64) emulator=(qemu-user) trace=(qemu-aarch64 -E LD_TRACE_LOADED_OBJECTS=1) ;;
    *) echo "no emulator known for $arch" >&2 && exit 1 ;;
    esac
    dpkg --add-architecture "$arch"
fi
apt-get update -q >/dev/null
# The emulator first and on its own: it brings none of the other architecture's libraries.
((${#emulator[@]} == 0)) ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${emulator[@]}" >/dev/null
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$package" >/dev/null
program=/usr/games/pretextor
# What ldd does, in a way that also works for a program under the emulator (the variable is set
# for the program, not for the emulator).
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
