#!/usr/bin/env bash
# Runs a cross-compiled Windows program under Wine in the build's own throwaway prefix, and
# creates that prefix on first use. CMake hands it every cross-compiled test.
# usage: wine-run.sh PREFIX [PROGRAM [ARGS...]]   (PRETEXTOR_WINE_FONTS=1: a new prefix gets
# Wine's own fonts; without a program it only makes the prefix)
set -euo pipefail

export WINEPREFIX=$1
shift
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# Neither the Mono nor the Gecko installer: nothing here needs .NET or a browser engine.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
here=$(cd "$(dirname "$0")" && pwd)

mkdir -p "$(dirname "$WINEPREFIX")"
(
    # Tests may start side by side; only one of them creates the prefix.
    flock 9
    if [[ ! -f $WINEPREFIX/.ready ]]; then
        rm -rf "$WINEPREFIX"
        "$here/../tests/with-xvfb.sh" bash -c 'wineboot -i && wineserver -w'
        # Debian's Wine does not find its own core faces (MS Sans Serif, Tahoma, Marlett for the
        # caption buttons) unless they are in the prefix's Fonts folder, as on Windows. Only the
        # prefixes that ask for them get them: a fresh machine has none (package fonts-wine).
        if [[ ${PRETEXTOR_WINE_FONTS:-0} == 1 ]]; then
            if [[ ! -d /usr/share/wine/fonts ]]; then
                echo "Wine's own fonts are not installed (package fonts-wine)" >&2
                exit 1
            fi
            ln -sf /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
        fi
        touch "$WINEPREFIX/.ready"
    fi
) 9>"$WINEPREFIX.lock"

(($# > 0)) || exit 0
exec wine "$@"
