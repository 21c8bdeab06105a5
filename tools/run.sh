#!/usr/bin/env bash
# Installs what is missing, builds the calculator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-dependencies.sh
cmake --workflow --preset release
exec build/release/src/ui/oblique-shock-calculator "$@"
