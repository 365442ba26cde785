#!/usr/bin/env bash
# Builds Pretextor13.exe and the Debian package twice, from two copies of the same commit in two
# folders of different names and lengths, and checks that each comes out byte for byte the same;
# where they differ it says how (in full with diffoscope, where it is installed). Only the
# targets that go into the two are built, without the tests. With another Linux preset (a cross
# build) only its package is built: the exe does not depend on it.
# usage: reproducible_test.sh SOURCE_DIR WORK_DIR [LINUX_PRESET]
set -euo pipefail
source=$1 work=$2 preset=${3:-release}
# Object files cached for one folder must not stand in for the other's.
unset CCACHE_BASEDIR

rm -rf "$work"
folders=("$work/one/pretextor" "$work/second-folder/deeper/pretextor")
if commit=$(git -C "$source" rev-parse --verify -q HEAD); then
    repository=$(git -C "$source" rev-parse --path-format=absolute --git-common-dir)
    for folder in "${folders[@]}"; do
        git clone --quiet --shared --no-checkout "$repository" "$folder"
        git -C "$folder" checkout --quiet --detach "$commit"
    done
else
    # Outside a git checkout the dates come from the package changelog instead.
    for folder in "${folders[@]}"; do
        mkdir -p "$folder"
        tar -C "$source" --exclude=./build -cf - . | tar -C "$folder" -xf -
    done
fi

for folder in "${folders[@]}"; do
    (
        cd "$folder"
        if [[ $preset == release ]]; then
            cmake --preset windows -DPRETEXTOR_BUILD_TESTS=OFF >/dev/null
            cmake --build --preset windows -j2 --target Pretextor13 >/dev/null
        fi
        # cpack would otherwise build everything first, the benchmarks included.
        cmake --preset "$preset" -DPRETEXTOR_BUILD_TESTS=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
            >/dev/null
        cmake --build --preset "$preset" -j2 --target pretextor pretextor_package_docs >/dev/null
        cd "build/$preset" && cpack -B "$PWD/package" >/dev/null
    )
done

outputs=()
[[ $preset != release ]] || outputs+=(build/windows/app/Pretextor13.exe)
outputs+=("build/$preset/package/pretextor_*.deb")
status=0
for output in "${outputs[@]}"; do
    first=$(echo "${folders[0]}"/$output)
    second=$(echo "${folders[1]}"/$output)
    if cmp -s "$first" "$second"; then
        echo "same: $(basename "$first") ($(stat -c %s "$first") bytes)"
        continue
    fi
    status=1
    echo "FAIL $(basename "$first") differs between the two builds:"
    if command -v diffoscope >/dev/null; then
        diffoscope --text - "$first" "$second" | head -n 200 || true
    else
        cmp -l "$first" "$second" | head -n 20 || true
    fi
done
exit "$status"
