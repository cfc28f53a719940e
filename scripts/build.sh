#!/bin/bash
# Configures and builds the program into build/ (the program folder): Release
# with g++ and warnings as errors. run.sh and test.sh both build through here,
# so one build serves both and neither rebuilds what the other built.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=g++ \
    -DORV_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build -j"$(nproc)"
