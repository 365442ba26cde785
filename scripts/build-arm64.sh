#!/usr/bin/env bash
# Installs what the arm64 cross build needs (the arm64 architecture, the cross compiler, the
# :arm64 libraries, qemu-user), builds the Linux program for arm64 and its Debian package,
# build/linux-arm64/pretextor_<version>_arm64.deb. With --tests it also builds every test and
# runs them under qemu-user. Exits non-zero on a failure.
set -euo pipefail
cd "$(dirname "$0")/.."
case ${1:-} in
--tests) tests=ON && scripts/install-deps.sh --tests --arm64 ;;
"") tests=OFF && scripts/install-deps.sh --arm64 ;;
*)
    echo "usage: build-arm64.sh [--tests]" >&2
    exit 2
    ;;
esac
cmake --preset linux-arm64 -DPRETEXTOR_BUILD_TESTS=$tests
cmake --build --preset linux-arm64 -j"$(nproc)"
[[ $tests == OFF ]] || ctest --preset linux-arm64 -j"$(nproc)"
(cd build/linux-arm64 && cpack >/dev/null)
echo "built: $(ls build/linux-arm64/pretextor_*_arm64.deb)"
