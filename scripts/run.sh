#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release -DPRETEXTOR_BUILD_TESTS=OFF >/dev/null
cmake --build --preset release --target pretextor -j"$(nproc)"
exec build/release/app/pretextor
