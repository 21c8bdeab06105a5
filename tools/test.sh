#!/usr/bin/env bash
# Installs what is missing and checks the layout of the code; builds the layers without Qt, their
# tests and the fuzzer under clang's sanitizers, runs those tests there and fuzzes a whole click
# for 15 seconds; builds the release (the calculator, its benchmarks and its screenshot tool,
# without the tests, which shows that nothing else needs them) and its Debian package; then
# builds everything with the tests and runs every test; last the page in a web browser, built
# with emscripten, and its tests.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-dependencies.sh
tools/check-format.sh

cmake --workflow --preset asan
corpus="$(mktemp -d)"
trap 'rm -rf "$corpus"' EXIT
build/asan/fuzz/click-fuzzer -max_total_time="${FUZZ_SECONDS:-15}" -max_len=320 \
    -print_final_stats=1 -artifact_prefix=build/asan/ "$corpus" fuzz/corpus

tools/package.sh

cmake --workflow --preset dev

tools/web-test.sh
