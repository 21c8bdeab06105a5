#!/usr/bin/env bash
# Installs what is missing, fuzzes a whole click for a minute, validates the desktop entry and
# the metainfo and builds the Debian package, shows that every preset's targets build without the
# tests, then builds and runs every test under AddressSanitizer + UndefinedBehaviorSanitizer and
# plainly.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-dependencies.sh

cmake --workflow --preset fuzz
corpus="$(mktemp -d)"
trap 'rm -rf "$corpus"' EXIT
build/fuzz/fuzz/click-fuzzer -max_total_time="${FUZZ_SECONDS:-60}" -max_len=320 \
    -print_final_stats=1 -artifact_prefix=build/fuzz/ "$corpus" fuzz/corpus

tools/package.sh

# Nothing but the tests may need the tests. fuzz and release, built above, configure without
# them; dev and asan differ from release only in their flags and the tests; no-tests builds the
# targets of bench and screenshot without them, all in one build.
cmake --workflow --preset no-tests

cmake --workflow --preset asan
cmake --workflow --preset dev
