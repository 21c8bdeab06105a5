#!/usr/bin/env bash
# Installs what is missing, fuzzes a whole click for a minute, validates the desktop entry and
# builds the Debian package, then builds and runs every test under AddressSanitizer +
# UndefinedBehaviorSanitizer and plainly.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-dependencies.sh

cmake --preset fuzz
cmake --build --preset fuzz --target click-fuzzer
corpus="$(mktemp -d)"
trap 'rm -rf "$corpus"' EXIT
build/fuzz/fuzz/click-fuzzer -max_total_time="${FUZZ_SECONDS:-60}" -max_len=320 \
    -print_final_stats=1 -artifact_prefix=build/fuzz/ "$corpus" fuzz/corpus

tools/package.sh

for preset in asan dev; do
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
