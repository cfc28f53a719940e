#!/bin/bash
# The code's gates: every C++ file laid out as .clang-format says, and the
# core library free of what clang-tidy finds with the checks of .clang-tidy
# (any finding fails). Uses the compile commands of build/ (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${sources[@]}"; then
    echo "check-code: the files above differ from .clang-format (clang-format -i FILE mends them)"
    exit 1
fi

mapfile -t core < <(git ls-files 'app/core/*.cpp' 'testing/core/*.cpp' 'persistence/core/*.cpp' \
    'evaluation/core/*.cpp' 'results/core/*.cpp')
# The build's g++ knows warning options that clang does not.
if ! printf '%s\n' "${core[@]}" | xargs -P"$(nproc)" -n4 clang-tidy -p build --quiet \
    --extra-arg=-Wno-unknown-warning-option >build/clang-tidy.log 2>&1; then
    grep -E 'error:|warning:' build/clang-tidy.log || cat build/clang-tidy.log
    echo "check-code: clang-tidy found the faults above in the core (.clang-tidy)"
    exit 1
fi
echo "check-code: ${#sources[@]} files laid out, ${#core[@]} core files clean"
