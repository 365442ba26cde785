#!/usr/bin/env bash
# Every C++ file of the project is formatted as .clang-format says.
# usage: format_test.sh SOURCE_DIR
set -euo pipefail
cd "$1"
mapfile -t files < <(find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
clang-format --dry-run -Werror "${files[@]}"
