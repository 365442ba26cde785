#!/usr/bin/env bash
# Runs a command beside a Wine server and desktop of its own: in a fresh copy of the build's
# template prefix, on a virtual X display of its own, with the server and the copy gone before it
# returns. Tests that shared a prefix met each other's server, or a desktop on its way out.
# usage: on_own_display.sh PREFIX COMMAND [ARGS...]
# The command runs with WINEPREFIX=PREFIX and DISPLAY set; "wine PROGRAM" starts a Windows program
# there. PRETEXTOR_WINE_FONTS=1 copies a template with Wine's own fonts (MS Sans Serif, Tahoma...:
# Debian's fonts-wine, which a fresh machine lacks). PRETEXTOR_FACES=none leaves out the stand-ins
# for the design's optional faces "MS Mincho" and "Old English Text MT", as on the many Windows
# machines without them. PRETEXTOR_WINDOWS_FONTS=1 gives the faces of Windows 10 and 11.
# WINE_REGISTRY=FILE: more keys, as in a REGEDIT4 file without its first line, imported before the
# command starts.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1
shift
source "$here/../lib.sh"
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
template=$(dirname "$prefix")/wine-template
[[ ${PRETEXTOR_WINE_FONTS:-0} == 1 ]] && template+=-fonts-wine
# Made once, and never run in: a copy is a prefix no other test has touched.
"$here/../../cmake/wine-run.sh" "$template"
rm -rf "$prefix"
cp -a "$template" "$prefix"
export WINEPREFIX=$prefix
on_exit() {
    wineserver -k 2>/dev/null || true
    wineserver -w
    rm -rf "$prefix"
}

# Wine's own system colours (a new prefix holds those of Wine's light theme, whose link colour
# differs), and the faces the design names, from the fonts this machine has under other names.
faces='"MS Mincho"="IPAMincho"
"Old English Text MT"="Blankenburg_UNZ1A"'
[[ ${PRETEXTOR_FACES:-design} == none ]] && faces='"MS Mincho"=-
"Old English Text MT"=-'
# PRETEXTOR_WINDOWS_FONTS=1: the faces every Windows 10 and 11 has, as free faces as wide or wider.
[[ ${PRETEXTOR_WINDOWS_FONTS:-0} == 1 ]] && faces+='
"Microsoft Sans Serif"="Liberation Sans"
"Arial"="Liberation Sans"
"Tahoma"="DejaVu Sans"
"Segoe UI"="DejaVu Sans"
"Times New Roman"="Liberation Serif"'
cat - "${WINE_REGISTRY:-/dev/null}" >"$scratch/setup.reg" <<REG
REGEDIT4

[-HKEY_CURRENT_USER\Control Panel\Colors]

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
$faces

REG
wine regedit /S "$(windows_path "$scratch/setup.reg")"
# The server must start again on the display, so the one that imported has to be gone.
wineserver -w
"$here/../with-xvfb.sh" bash -c '
    status=0
    "$@" || status=$?
    wineserver -k || true
    wineserver -w
    exit "$status"
' run "$@"
