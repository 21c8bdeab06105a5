#!/usr/bin/env bash
# Installs what is missing, fuzzes a whole click for a minute, validates the desktop entry and
# the metainfo and builds the Debian package, builds every preset without its tests, then builds
# and runs every test under AddressSanitizer + UndefinedBehaviorSanitizer and plainly.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-dependencies.sh

cmake --workflow --preset fuzz
corpus="$(mktemp -d)"
trap 'rm -rf "$corpus"' EXIT
build/fuzz/fuzz/click-fuzzer -max_total_time="${FUZZ_SECONDS:-60}" -max_len=320 \
    -print_final_stats=1 -artifact_prefix=build/fuzz/ "$corpus" fuzz/corpus

tools/package.sh

# Nothing but the tests may need the tests: every preset builds with BUILD_TESTING off.
for preset in $(cmake --list-presets | sed -n 's/^  "\([^"]*\)".*/\1/p'); do
    echo "== preset $preset without tests"
    cmake --preset "$preset" -B "build/no-tests/$preset" -DBUILD_TESTING=OFF
    cmake --build "build/no-tests/$preset"
done

cmake --workflow --preset asan
cmake --workflow --preset dev
