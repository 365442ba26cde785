#!/usr/bin/env bash
# The installer's whole life in a fresh Wine prefix, as a user without administrator rights lives
# it: a damaged package refused, a quiet install, the program started from its Start menu
# shortcut, the same package again (a repair), a newer one (an upgrade), an older one (refused),
# and the uninstall, after which the user's folders and HKCU\Software are as they were before.
# usage: msi_test.sh PREFIX PACKAGE NEWER_PACKAGE PROGRAM   (PROGRAM: the exe both packages hold)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1 package=$(realpath "$2") newer=$(realpath "$3") program=$(realpath "$4")
# The prefix's Start menu must not reach this machine's own desktop menus.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
[[ ${WINEPREFIX:-} == "$prefix" ]] || exec "$here/on_own_display.sh" "$prefix" "$0" "$@"
source "$here/../lib.sh"

home=$prefix/drive_c/users/$(id -un)
installed=$home/AppData/Local/Programs/Pretextor/Pretextor13.exe
installedWindows='C:\users\'$(id -un)'\AppData\Local\Programs\Pretextor\Pretextor13.exe'
shortcut="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/VORN - Pretextor.lnk"

# Every file and folder under the users' folders, and everything under HKCU\Software. Not
# counted: Windows Installer's own folder for the icons of per-user products and its own keys for
# their registration, which it keeps once made, empty (what a product puts in them is counted);
# and the system parameters Wine keeps for the session of the first program with windows.
snapshot() {
    (cd "$prefix/drive_c/users" && find . -printf '%p %s\n' | sort |
        grep -vxE '\./[^/]+/AppData/Roaming/Microsoft/Installer [0-9]+') >"$scratch/$1.files"
    wine regedit /E "$(windows_path "$scratch")\\$1.reg" 'HKEY_CURRENT_USER\Software'
    iconv -f UTF-16 -t UTF-8 "$scratch/$1.reg" | tr -d '\r' |
        awk -v installer='[HKEY_CURRENT_USER\\Software\\Microsoft\\Installer' '
            /^\[/ { wine = index($0, "[HKEY_CURRENT_USER\\Software\\Wine\\Temporary System Parameters") == 1 }
            $0 == installer "]" || $0 == installer "\\Features]" || $0 == installer "\\Products]" ||
                $0 == installer "\\UpgradeCodes]" || $0 == "" { next }
            !wine' >"$scratch/$1.txt"
}
sameAs() {
    snapshot now
    diff -u "$scratch/$1.files" "$scratch/now.files" || fail "$2: the user folders differ"
    diff -u "$scratch/$1.txt" "$scratch/now.txt" || fail "$2: HKCU\\Software differs"
}

# Done only when every process the installer started has ended too: what it registers is read
# next.
msiexec() {
    local status=0
    wine msiexec "$@" /qn || status=$?
    wineserver -w
    return "$status"
}

# A registry value as text: value KEY NAME.
value() {
    wine reg query "$1" /v "$2" | tr -d '\r' |
        awk -v name="$2" '$1 == name { sub(/^[ \t]*[^ \t]+[ \t]+[^ \t]+[ \t]+/, ""); print }'
}

# The one uninstall entry there must be, with this version, publisher and icon.
expectEntry() {
    local entries code key
    # Wine 10 lists them on standard error, Wine 8 on standard output.
    mapfile -t entries < <(wine uninstaller --list 2>&1 | tr -d '\r' | grep -F '|||VORN: Pretextor')
    ((${#entries[@]} == 1)) || fail "$2: ${#entries[@]} uninstall entries: ${entries[*]}"
    code=${entries[0]%%|||*}
    key="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$code"
    [[ $(value "$key" DisplayVersion) == "$1" ]] ||
        fail "$2: version '$(value "$key" DisplayVersion)', not $1"
    [[ $(value "$key" Publisher) == "VORN Software" ]] || fail "$2: publisher '$(value "$key" Publisher)'"
    # Apps & features takes a Windows Installer product's icon from its advertised product.
    local packed icon
    packed=$(wine reg query 'HKCU\Software\Microsoft\Installer\Products' | tr -d '\r' |
        grep -F -i 'Products\' | sed 's/.*\\//')
    icon=$(value "HKCU\\Software\\Microsoft\\Installer\\Products\\$packed" ProductIcon)
    cmp -s "$(winepath -u "$icon")" "$here/../../resources/pretextor.ico" ||
        fail "$2: the product icon '$icon' is not the program's"
}

snapshot before

# Damaged packages are refused, and nothing is left of the attempt: one cut short, which does not
# open, and one with 4 KB of its cabinet zeroed, which fails while copying and rolls back.
size=$(stat -c %s "$package")
head -c $((size / 2)) "$package" >"$scratch/truncated.msi"
cp "$package" "$scratch/zeroed.msi"
dd if=/dev/zero of="$scratch/zeroed.msi" bs=1 seek=$((size / 2)) count=4096 conv=notrunc status=none
for damaged in truncated zeroed; do
    if msiexec /i "$(windows_path "$scratch/$damaged.msi")"; then fail "the $damaged package installed"; fi
    sameAs before "after the $damaged package"
done

msiexec /i "$(windows_path "$package")" || fail "install: msiexec exited $?"
cmp -s "$installed" "$program" || fail "$installed is not the program built"
[[ -f $shortcut ]] || fail "no $shortcut"
# The link's own record of its target, the local path, as Windows' shell reads it first.
strings -n 6 "$shortcut" | tr -d '\r' | grep -qxF "$installedWindows" ||
    fail "the shortcut does not lead to $installedWindows"
expectEntry "$(basename "$package" .msi | sed 's/^Pretextor-//')" "install"

# Started from the shortcut, the installed program shows its main window.
wine start /unix "$shortcut"
window=$(timeout 60 xdotool search --sync --onlyvisible --name "^$main_title\$" | head -n1) ||
    fail "no main window from the shortcut"
pid=$(xdotool getwindowpid "$window")
tr '\0' ' ' <"/proc/$pid/cmdline" | grep -qiF "$installedWindows" ||
    fail "the window belongs to '$(tr '\0' ' ' <"/proc/$pid/cmdline")', not the installed program"
wineserver -k || true
wineserver -w

# The same package again puts back what went missing, and stays one entry.
rm "$installed"
msiexec /i "$(windows_path "$package")" || fail "second install: msiexec exited $?"
[[ -f $installed ]] || fail "installing again did not repair the program"
expectEntry "$(basename "$package" .msi | sed 's/^Pretextor-//')" "installed again"

msiexec /i "$(windows_path "$newer")" || fail "upgrade: msiexec exited $?"
newerVersion=$(basename "$newer" .msi | sed 's/^Pretextor-//')
expectEntry "$newerVersion" "upgrade"
[[ -f $installed && -f $shortcut ]] || fail "the upgrade lost the program or its shortcut"

# An older package over it is refused, with a message that says why, in a box the user closes.
WINEDEBUG=+msgbox wine msiexec /i "$(windows_path "$package")" /qb 2>"$scratch/messages" &
installer=$!
box=$(timeout 60 xdotool search --sync --onlyvisible --name '^Install Failed$' | head -n1) ||
    fail "no message about the older version"
xdotool windowfocus --sync "$box" key Return
status=0
wait "$installer" || status=$?
((status != 0)) || fail "an older version installed over a newer one"
grep -qF 'A newer version of VORN: Pretextor is already installed.' "$scratch/messages" ||
    fail "the older version was refused without saying why"
expectEntry "$newerVersion" "downgrade"

msiexec /x "$(windows_path "$newer")" || fail "uninstall: msiexec exited $?"
[[ -z $(wine uninstaller --list 2>&1 | tr -d '\r' | grep -F 'VORN: Pretextor') ]] ||
    fail "an uninstall entry is left"
sameAs before "after the uninstall"
echo "installed, started, repaired, upgraded, refused a downgrade and a damaged package, uninstalled clean"
