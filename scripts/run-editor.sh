#!/usr/bin/env bash
# Sets up, builds and starts the editor. A sample unit file is made as build/sample/weapon.prm.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
mkdir -p build/sample
[ -f build/sample/weapon.prm ] || build/make-sample-units build/sample/weapon.prm
exec build/dataeditor
