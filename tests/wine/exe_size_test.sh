#!/usr/bin/env bash
# The shipped program is the small one: no debug sections, no symbol table, and no larger than
# the limit.
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
if ((size > limit)); then
    echo "FAIL larger than $limit bytes"
    status=1
fi
exit "$status"
