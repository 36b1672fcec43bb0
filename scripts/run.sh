#!/usr/bin/env bash
# Builds the program and starts it. Usage: scripts/run.sh [program options]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target telvane telvane-sim telvane-cli
exec build/src/telvane "$@"
