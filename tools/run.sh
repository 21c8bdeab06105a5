#!/usr/bin/env bash
# Installs what is missing, builds the calculator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-dependencies.sh
cmake --preset release
cmake --build --preset calculator
exec build/release/src/app/oblique-shock-calculator "$@"
