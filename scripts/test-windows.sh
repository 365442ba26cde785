#!/usr/bin/env bash
# Installs what the Windows build needs, cross-compiles Pretextor13.exe and its tests with
# mingw-w64, and runs every test under Wine; exits non-zero on a failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
cmake --preset windows
cmake --build --preset windows -j"$(nproc)"
ctest --preset windows -j"$(nproc)"
