#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages that are missing (Debian 12 or 13), then checks that
# the commands the build needs are there. Run as root; does nothing when everything is there.
# usage: install-deps.sh [--tests] [--arm64]
#   (none)    what building and running the program needs
#   --tests   also what every test needs, the Windows build under Wine included
#   --arm64   also the arm64 cross build: the arm64 architecture, the cross compiler, the :arm64
#             libraries and qemu-user, which runs the arm64 program here (with --tests, what the
#             arm64 tests link and load too)
set -euo pipefail

# Each entry: package (with :arch for another architecture's), then the command that proves it
# installed ("-" when it brings none).
run_packages=(
    build-essential:g++ cmake:cmake pkg-config:pkg-config
    qt6-base-dev:- qt6-base-dev-tools:- libgl-dev:- libxcb1-dev:-
    fonts-liberation:- fonts-ipafont-mincho:- fonts-blankenburg:- xdg-utils:xdg-open
    # Without it a Wayland desktop runs the program through XWayland.
    qt6-wayland:-
)
test_packages=(
    libgtest-dev:- googletest:-
    # The one clang-format both releases carry, so that both give the same verdict.
    clang-format-19:clang-format-19 dpkg-dev:dpkg-shlibdeps file:file lintian:lintian
    desktop-file-utils:desktop-file-validate appstream:appstreamcli
    xvfb:Xvfb xauth:xauth dbus-daemon:dbus-daemon dbus-bin:dbus-run-session at-spi2-core:-
    # A window manager and a hand on the display, for the window lifecycle test.
    openbox:openbox xdotool:xdotool x11-utils:xprop
    # Another client's read of the clipboard, for the copied excuse.
    xclip:xclip
    # A real screen reader, speaking through espeak-ng, and its Python client library.
    orca:orca speech-dispatcher:speech-dispatcher speech-dispatcher-espeak-ng:- python3-pyatspi:-
    # The random-input driver: X input through XTEST, and the accessibility bus read from outside.
    libx11-dev:- libxtst-dev:- libatspi2.0-dev:-
    # A Wayland compositor for the Wayland test.
    weston:weston
    # The Windows program: cross compiler, Wine (wine64 alone brings no wine or wineboot command)
    # with its own fonts, and ImageMagick for the screenshots' checks.
    g++-mingw-w64-x86-64-posix:x86_64-w64-mingw32-g++-posix wine64:- wine:wineboot fonts-wine:-
    imagemagick:convert
    # The Windows installer: wixl builds it, msibuild gives it its package code.
    wixl:wixl msitools:msibuild
    # The package's hardening check, and a report of what differs between two builds.
    devscripts:hardening-check diffoscope-minimal:diffoscope git:git
)

arm64_packages=(
    crossbuild-essential-arm64:aarch64-linux-gnu-g++ qemu-user:qemu-aarch64
    pkgconf:arm64:aarch64-linux-gnu-pkg-config
    # The package: its dependencies as dpkg-shlibdeps finds them, which CPack asks of file first.
    dpkg-dev:dpkg-shlibdeps file:file
    qt6-base-dev:arm64:- libgl-dev:arm64:- libxcb1-dev:arm64:-
)
arm64_test_packages=(
    libgtest-dev:arm64:- libx11-dev:arm64:- libxtst-dev:arm64:- libatspi2.0-dev:arm64:-
    qt6-wayland:arm64:-
)

tests=false arm64=false
for option in "$@"; do
    case $option in
    --tests) tests=true ;;
    --arm64) arm64=true ;;
    *)
        echo "usage: install-deps.sh [--tests] [--arm64]" >&2
        exit 2
        ;;
    esac
done
wanted=("${run_packages[@]}")
! $tests || wanted+=("${test_packages[@]}")
! $arm64 || wanted+=("${arm64_packages[@]}")
! $arm64 || ! $tests || wanted+=("${arm64_test_packages[@]}")

installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

missing=()
for entry in "${wanted[@]}"; do
    installed "${entry%:*}" || missing+=("${entry%:*}")
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    if [[ $(id -u) -ne 0 ]]; then
        echo "These packages are missing; run this as root (or with sudo) to install them." >&2
        exit 1
    fi
    # apt's progress goes to a log; only a failure shows it.
    log=$(mktemp)
    if $arm64 && ! dpkg --print-foreign-architectures | grep -qx arm64; then
        echo "Adding the arm64 architecture"
        dpkg --add-architecture arm64
    fi
    if ! { apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y \
        --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
        tail -n 30 "$log" >&2
        echo "install-deps.sh: apt-get failed; its whole output is in $log" >&2
        exit 1
    fi
    rm -f "$log"
fi

# A package renamed or a command that moved to a Recommends: say so once, here, rather than in
# every test that would fail for it.
for entry in "${wanted[@]}"; do
    command=${entry##*:}
    if [[ $command != - ]] && ! command -v "$command" >/dev/null; then
        echo "install-deps.sh: command '$command' is missing although package '${entry%:*}' was asked for" >&2
        exit 1
    fi
done
