#!/usr/bin/env bash
# Runs the real Pretextor13.exe under Wine on a virtual X display of its own, driven by
# e2e_driver.exe, at PRETEXTOR_DPI dots per inch (96 when unset). With
# PRETEXTOR_SCREENSHOTS=FOLDER it also saves wine-main-window.png and wine-about-window.png there
# (wine-main-window-144dpi.png... at other scales). PRETEXTOR_FACES=none leaves out the stand-ins
# for the design's optional faces, as on a Windows machine without them.
# With PLANTED_DLL, the program runs from a folder of its own, as a download does, beside that
# DLL as OLEACC.dll, which Wine looks up there first as Windows does for a name that is no
# KnownDLL; the run fails if the DLL left its marker there. PRETEXTOR_THEME=high-contrast-black,
# high-contrast-white or dark writes those system colours into the prefix first (and names the
# screenshots after it); default, or unset, leaves Wine's own.
# usage: e2e_test.sh WINEPREFIX DRIVER_EXE PRETEXTOR_EXE SYSINFO_STUB_EXE [PLANTED_DLL]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
prefix=$1 driver=$2 program=$3 stub=$4 planted=${5:-}
source "$here/../lib.sh"
export WINEDLLOVERRIDES="mscoree,mshtml="
export PRETEXTOR_DPI=${PRETEXTOR_DPI:-96}
# A desktop and a screen that hold both windows at this scale.
desktop=$((800 * PRETEXTOR_DPI / 96))x$((600 * PRETEXTOR_DPI / 96))
export XVFB_SCREEN=$((1024 * PRETEXTOR_DPI / 96))x$((768 * PRETEXTOR_DPI / 96))x24
suffix=
((PRETEXTOR_DPI == 96)) || suffix=-${PRETEXTOR_DPI}dpi
[[ ${PRETEXTOR_FACES:-design} == none ]] && suffix+=-without-optional-faces

# The system colours of a theme, as Windows keeps them under Control Panel\Colors: the face,
# its text, the window, its text, links, highlight, the 3-D shadow and light.
colours() {
    local values
    case $1 in
    high-contrast-black) values="0_0_0 255_255_255 0_0_0 255_255_255 255_255_0 26_235_255 128_128_128 255_255_255" ;;
    high-contrast-white) values="255_255_255 0_0_0 255_255_255 0_0_0 0_0_159 55_0_110 128_128_128 192_192_192" ;;
    dark) values="45_45_48 230_230_230 30_30_30 230_230_230 120_180_255 0_120_215 90_90_90 80_80_80" ;;
    *) return ;;
    esac
    echo "[HKEY_CURRENT_USER\Control Panel\Colors]"
    paste -d= <(printf '"%s"\n' ButtonFace ButtonText Window WindowText HotTrackingColor Hilight \
        ButtonShadow ButtonHilight) <(printf '"%s"\n' $values | tr _ ' ')
}
theme=${PRETEXTOR_THEME:-default}
[[ $theme == default ]] || suffix+=-$theme

if [[ -n $planted ]]; then
    mkdir "$scratch/Downloads"
    cp "$program" "$scratch/Downloads/"
    cp "$planted" "$scratch/Downloads/OLEACC.dll"
    program=$scratch/Downloads/$(basename "$program")
    WINEDLLOVERRIDES+=";oleacc=n,b"
fi
# One Windows desktop with a frame drawn by Wine, whatever the X display has; and the scale.
cat >"$scratch/setup.reg" <<REG
[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="$desktop"

[HKEY_CURRENT_USER\Control Panel\Desktop]
"LogPixels"=dword:$(printf %08x "$PRETEXTOR_DPI")

$(colours "$theme")
REG

export SHOTS=${PRETEXTOR_SCREENSHOTS:-} SCRATCH=$scratch SUFFIX=$suffix
export DRIVER=$driver PROGRAM=$(windows_path "$program") STUB=$(windows_path "$stub")
status=0
WINE_REGISTRY=$scratch/setup.reg "$here/on_own_display.sh" "$prefix" bash -c '
    set -uo pipefail
    poses=()
    [[ -n $SHOTS ]] && poses=("$(printf "Z:%s" "${SCRATCH//\//\\}")")
    wine "$DRIVER" "$PROGRAM" "$STUB" "${poses[@]}" &
    driver=$!
    if [[ -n $SHOTS ]]; then
        for name in main about; do
            while [[ ! -s $SCRATCH/$name.ready ]] && kill -0 "$driver" 2>/dev/null; do sleep 0.2; done
            [[ -s $SCRATCH/$name.ready ]] || break
            import -window root -crop "$(head -n1 "$SCRATCH/$name.ready" | tr -d "\r")" +repage \
                "$SHOTS/wine-$name-window$SUFFIX.png"
            touch "$SCRATCH/$name.taken"
        done
    fi
    wait "$driver"
' || status=$?
if [[ -e $scratch/Downloads/planted-dll-ran ]]; then
    echo "FAIL the program loaded the OLEACC.dll planted beside it" >&2
    status=1
fi
exit "$status"
