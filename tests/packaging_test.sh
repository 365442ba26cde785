#!/usr/bin/env bash
# Installs into a scratch prefix and builds the Debian package, then checks what they hold
# against the freedesktop validators, dpkg-deb, hardening-check and, where it is installed, lintian,
# without installing anything on the machine.
# usage: packaging_test.sh BUILD_DIR APP_ID VERSION [hardened|sanitized [ARCHITECTURE]]
# (the architecture of a cross build; the machine's own when left out)
set -euo pipefail
build=$1 id=$2 version=$3 flags=${4:-hardened} arch=${5:-$(dpkg --print-architecture)}
source "$(dirname "$0")/lib.sh"

cmake --install "$build" --prefix "$scratch/usr" >/dev/null
desktop-file-validate "$scratch/usr/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$scratch/usr/share/metainfo/$id.metainfo.xml"

expect_file() {
    [[ -s "$scratch/usr/$1" ]] || { echo "missing from the install: $1" >&2; exit 1; }
}
expect_file games/pretextor
expect_file share/man/man6/pretextor.6.gz
expect_file share/doc/pretextor/copyright
expect_file share/doc/pretextor/changelog.gz
for size in 16 32 48 64 128 256; do
    expect_file "share/icons/hicolor/${size}x${size}/apps/$id.png"
done
expect_file "share/icons/hicolor/scalable/apps/$id.svg"
grep -qx "Icon=$id" "$scratch/usr/share/applications/$id.desktop"

(cd "$build" && cpack -B "$scratch/package" >/dev/null)
deb="$scratch/package/pretextor_${version}_${arch}.deb"
[[ -f "$deb" ]] || { echo "no package $deb" >&2; ls "$scratch/package" >&2; exit 1; }
contents=$(dpkg-deb -c "$deb")
for path in ./usr/games/pretextor ./usr/share/man/man6/pretextor.6.gz "./usr/share/applications/$id.desktop" \
    "./usr/share/metainfo/$id.metainfo.xml" "./usr/share/icons/hicolor/32x32/apps/$id.png"; do
    grep -q " $path\$" <<<"$contents" || { echo "package lacks $path" >&2; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 fonts-liberation \
    fonts-ipafont-mincho fonts-blankenburg xdg-utils; do
    grep -q "$needed" <<<"$depends" || { echo "Depends lacks $needed: $depends" >&2; exit 1; }
done
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]]
[[ $(dpkg-deb -f "$deb" Architecture) == "$arch" ]]
# Without it a Wayland desktop runs the program through XWayland.
[[ $(dpkg-deb -f "$deb" Recommends) == *qt6-wayland* ]] || { echo "no Recommends: qt6-wayland" >&2; exit 1; }
[[ $(dpkg-deb -f "$deb" Section) == games ]]
# Hardened as Debian's own packages are: every check that can say "no" says "yes". A program is
# marked as built for control-flow protection only when every object linked in is, and Debian 12's
# C start files (crti.o) are not: there the program's own code must show the landing pads instead.
# A sanitizer build brings its own instrumentation instead; no user gets it.
if [[ $flags == hardened ]]; then
    dpkg-deb -x "$deb" "$scratch/unpacked"
    program=$scratch/unpacked/usr/games/pretextor
    options=()
    # Branch protection is an arm64 feature; newer hardening-check asks for it on every architecture.
    # (An option it does not know ends it with status 2.)
    known=0
    hardening-check --quiet --nobranchprotection "$program" >/dev/null 2>&1 || known=$?
    # Control-flow protection: x86's landing pads, or arm64's branch protection (signed returns,
    # landing pads), which hardening-check sees in notes only (its check of x86 code does not apply).
    case $arch in
    amd64) tools=x86_64-linux-gnu- note='x86 feature: IBT, SHSTK' pads=endbr64 unchecked=--nocfprotection ;;
    arm64) tools=aarch64-linux-gnu- note='AArch64 feature: BTI, PAC' pads='paciasp|bti' unchecked=--nobranchprotection
        options+=(--nocfprotection) ;;
    esac
    [[ $arch == arm64 || $known -eq 2 ]] || options+=(--nobranchprotection)
    if ! readelf -n "$("${tools}g++" -print-file-name=crti.o)" | grep -q "$note"; then
        [[ $known -eq 2 && $unchecked == --nobranchprotection ]] || options+=("$unchecked")
        count=$("${tools}objdump" -d "$program" | grep -cwE "$pads" || true)
        echo "control-flow protection: $count $pads instructions (the C start files carry no marking)"
        ((count > 100)) || { echo "the packaged program is not built for control-flow protection" >&2; exit 1; }
    fi
    hardening=$(hardening-check "${options[@]}" "$program" || true)
    echo "$hardening"
    if grep ': no' <<<"$hardening" | grep -qv '(ignored)' || [[ $hardening != *Position* ]]; then
        echo "the packaged program lacks hardening" >&2
        exit 1
    fi
fi
if command -v lintian >/dev/null; then
    # Errors and warnings fail; the informational notes (the program's own spellings among them)
    # do not.
    findings=$(lintian --fail-on error,warning "$deb" 2>&1) ||
        { echo "lintian finds fault with the package:" >&2; echo "$findings" >&2; exit 1; }
fi
echo "package and metadata OK: $depends"
