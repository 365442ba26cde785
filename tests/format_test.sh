#!/usr/bin/env bash
# Every C++ file of the project is formatted as .clang-format says, by clang-format 19: the one
# version that Debian 12 and Debian 13 both carry, since versions lay out some code differently.
# usage: format_test.sh SOURCE_DIR
set -euo pipefail
cd "$1"
mapfile -t files < <(find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
clang-format-19 --dry-run -Werror "${files[@]}"
