#!/usr/bin/env bash
# Runs a Windows test program on a virtual X display of its own, in a prefix with or without
# Wine's own fonts (MS Sans Serif, Tahoma...: Debian's fonts-wine, which a fresh machine lacks),
# and with or without the design's optional faces "MS Mincho" and "Old English Text MT", which
# many Windows machines lack too (they are stood in for by faces of the same look).
# usage: wine_fonts.sh PREFIX_BASE none|wine none|design PROGRAM [ARGS...]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
base=$1 fonts=$2 faces=$3
shift 3
prefix=$base-fonts-$fonts
[[ $fonts == wine ]] && export PRETEXTOR_WINE_FONTS=1
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

replacements='HKCU\Software\Wine\Fonts\Replacements'
if [[ $faces == design ]]; then
    "$here/../../cmake/wine-run.sh" "$prefix" reg add "$replacements" /v "MS Mincho" /d IPAMincho /f
    "$here/../../cmake/wine-run.sh" "$prefix" reg add "$replacements" /v "Old English Text MT" \
        /d Blankenburg_UNZ1A /f
else
    "$here/../../cmake/wine-run.sh" "$prefix" reg delete "$replacements" /f >/dev/null 2>&1 || true
fi
# The next Wine server must start on the test's own display.
WINEPREFIX=$prefix wineserver -w
export PREFIX=$prefix RUNNER=$here/../../cmake/wine-run.sh
"$here/../with-xvfb.sh" bash -c 'status=0; "$RUNNER" "$PREFIX" "$@" || status=$?
    WINEPREFIX=$PREFIX wineserver -k || true; WINEPREFIX=$PREFIX wineserver -w; exit "$status"' run "$@"
