#!/bin/bash
# Installs what is missing, builds, checks the code's layout and the core
# with clang-tidy, and runs the whole test suite: the core
# and window tests, the printing tests against a local print server, the
# packages checked by lintian and the program installed from the .deb, and the
# core again under AddressSanitizer and UndefinedBehaviorSanitizer, built with
# clang, and a short run of each of its fuzz targets.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test
# The main build, the same as the one run.sh starts.
bash scripts/build.sh
# The layout of every C++ file and clang-tidy on the core.
bash scripts/check-code.sh
# The local print server with a PDF printer made the system's default is set
# up only on a throwaway machine (CI=true) or when asked for
# (ORV_PRINT_SERVER=local). Elsewhere the tests see no print server, so that
# nothing goes to the machine's own printers and its settings stay as they
# are; the printing tests then check what happens without a printer.
if [[ ${CI:-} == true || ${ORV_PRINT_SERVER:-} == local ]]; then
    bash scripts/start-print-server.sh
else
    export CUPS_SERVER=/nonexistent/orvane-no-print-server.sock
fi
(cd build && ctest --output-on-failure --timeout 300 -j"$(nproc)")
# The packages of that build, checked by lintian, and the program as
# installed from the .deb (for all users only where CI=true).
bash scripts/check-package.sh
bash scripts/check-installed.sh

echo "== core under AddressSanitizer and UndefinedBehaviorSanitizer, built with clang"
bash scripts/fuzz.sh 0
(cd build-sanitize && ctest --output-on-failure --timeout 300 -j"$(nproc)")
echo "== the fuzz targets, side by side for 20 s"
bash scripts/fuzz.sh 20
