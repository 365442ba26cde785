#!/usr/bin/env bash
# The shipped program is the small one: no debug sections, no symbol table, and no larger than
# the limit; built with ASLR, DEP and the stack protector, with no time stamp. It imports only
# from KnownDLLs, which Windows takes from the system folder alone, and from comctl32, which the
# manifest binds to the system's version 6: any other DLL named in the import table would be
# looked for in the program's own folder first.
# usage: exe_size_test.sh OBJDUMP EXE LIMIT_BYTES
set -euo pipefail
objdump=$1 exe=$2 limit=$3

size=$(stat -c %s "$exe")
echo "$(basename "$exe"): $size bytes (limit $limit)"
status=0
if debug=$("$objdump" -h "$exe" | awk '$2 ~ /^\.debug/ {print $2}') && [[ -n $debug ]]; then
    echo "FAIL debug sections: $(echo $debug)"
    status=1
fi
symbols=$("$objdump" -t "$exe" | grep -c '^\[' || true)
if ((symbols > 0)); then
    echo "FAIL it carries a symbol table of $symbols entries"
    status=1
fi
imports=$("$objdump" -p "$exe" | awk '/DLL Name:/ {print $3}')
[[ -n $imports ]] || { echo "FAIL no import table read from $exe"; status=1; }
for dll in $imports; do
    case ${dll,,} in
    kernel32.dll | user32.dll | gdi32.dll | advapi32.dll | shell32.dll | ole32.dll | \
        oleaut32.dll | msvcrt.dll | comctl32.dll) ;;
    *)
        echo "FAIL it imports $dll, which is no KnownDLL"
        status=1
        ;;
    esac
done
headers=$("$objdump" -p "$exe")
for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
    grep -qw "$flag" <<<"$headers" || { echo "FAIL it lacks $flag (ASLR, DEP)"; status=1; }
done
grep -q '^Time/Date.*1970' <<<"$headers" || { echo "FAIL it carries a build time stamp"; status=1; }
# The stack protector's report, linked in only when the code is built with it.
grep -q 'stack smashing detected' "$exe" || { echo "FAIL it is built without the stack protector"; status=1; }
if ((size > limit)); then
    echo "FAIL larger than $limit bytes"
    status=1
fi
exit "$status"
