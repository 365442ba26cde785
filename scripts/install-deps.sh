#!/usr/bin/env bash
# Installs, with apt-get, the Debian 12 packages that building, running and testing need and that
# are not installed yet. Run as root; does nothing when everything is there.
# usage: install-deps.sh [--windows]   (--windows adds the mingw-w64 cross build and Wine)
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev googletest
    fonts-liberation fonts-ipafont-mincho fonts-blankenburg
    xdg-utils clang-format dpkg-dev desktop-file-utils appstream
    xvfb xauth dbus-daemon dbus-bin at-spi2-core
    libxcb1-dev openbox xdotool x11-utils
)
if [[ ${1:-} == --windows ]]; then
    packages+=(g++-mingw-w64-x86-64-posix wine64 fonts-wine imagemagick)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    if [[ $(id -u) -ne 0 ]]; then
        echo "These packages are missing; run this as root (or with sudo) to install them." >&2
        exit 1
    fi
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
