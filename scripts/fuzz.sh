#!/bin/bash
# Builds the core, its tests and its fuzz targets with clang, AddressSanitizer
# and UndefinedBehaviorSanitizer into build-sanitize/, then runs the fuzz
# targets (or only TARGET: database, saved_file, save_name, kept_result, words) side by side for
# SECONDS (default 600; 0 only builds). Each target starts from its seeds in
# tests/fuzz/corpus/<target>/ and keeps the inputs it adds in
# build-sanitize/fuzz/corpus/<target>/; an input that breaks a promise is kept
# in build-sanitize/fuzz/ and the script fails.
#   bash scripts/fuzz.sh [SECONDS [TARGET]]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
targets=(database saved_file save_name kept_result words)
if [[ $# -ge 2 ]]; then
    targets=("$2")
fi

# A folder configured for another compiler would lose its settings on the switch.
if ! grep -qs '^CMAKE_CXX_COMPILER:.*clang++' build-sanitize/CMakeCache.txt; then
    rm -rf build-sanitize/CMakeCache.txt build-sanitize/CMakeFiles
fi
# -O1 runs the fuzz targets several times faster than -O0.
cmake -S . -B build-sanitize -DORV_CORE_ONLY=ON -DORV_FUZZ=ON -DORV_WARNINGS_AS_ERRORS=ON \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS="-O1 -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
    >/dev/null
cmake --build build-sanitize -j"$(nproc)"
[[ $seconds -gt 0 ]] || exit 0

# Every save waits for the storage; in memory that wait costs nothing.
if [[ -z ${TMPDIR:-} && -d /dev/shm && -w /dev/shm ]]; then
    export TMPDIR=/dev/shm
fi
out=build-sanitize/fuzz
fuzz() {
    local target=$1
    mkdir -p "$out/corpus/$target"
    if ! "build-sanitize/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$out/" "$out/corpus/$target" "tests/fuzz/corpus/$target" \
        >"$out/$target.log" 2>&1; then
        tail -n 40 "$out/$target.log"
        echo "fuzz_$target: FINDING (input kept in $out/, log $out/$target.log)"
        return 1
    fi
    sed -n "s|^#\([0-9]*\)[[:space:]]*DONE[[:space:]]*cov: \([0-9]*\) ft: \([0-9]*\) corp: \([0-9]*\)/.*|fuzz_$target: ${seconds} s, \1 runs, cov \2, ft \3, corpus \4 inputs, no finding|p" \
        "$out/$target.log"
}

runs=()
for target in "${targets[@]}"; do
    if [[ ! -x build-sanitize/tests/fuzz/fuzz_$target ]]; then
        echo "No fuzz target \"$target\" (database, saved_file, save_name, kept_result, words)." >&2
        exit 2
    fi
    fuzz "$target" &
    runs+=($!)
done
status=0
for run in "${runs[@]}"; do
    wait "$run" || status=1
done
exit $status
