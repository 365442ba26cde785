#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the Linux program and, cross
# -compiled with mingw-w64, the Windows program under Wine. Exits non-zero on a failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
cmake --preset release -DPRETEXTOR_BUILD_TESTS=ON
cmake --build --preset release -j"$(nproc)"
ctest --preset release -j"$(nproc)"
scripts/test-windows.sh
