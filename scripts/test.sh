#!/usr/bin/env bash
# Sets up, builds with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh -DDATAEDITOR_WERROR=ON
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure
