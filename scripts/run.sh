#!/bin/bash
# Installs what is missing, builds, and starts the Orvane Personality Test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh run
bash scripts/build.sh
exec ./build/orvtest
