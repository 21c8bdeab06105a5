#!/usr/bin/env bash
# Builds the optimised benchmarks and runs them: the calculation without a window, the batch of
# the shell, then the real window on the offscreen platform (set QT_QPA_PLATFORM to measure another).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-dependencies.sh
cmake --preset release
cmake --build --preset bench
build/release/bench/calc-bench
build/release/bench/shell-bench
build/release/bench/window-bench
