#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; exits non-zero on a failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release -DPRETEXTOR_BUILD_TESTS=ON
cmake --build --preset release -j"$(nproc)"
ctest --preset release -j"$(nproc)"
