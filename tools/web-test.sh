#!/usr/bin/env bash
# Builds the page (tools/web.sh build) and runs its tests: the module's batch in Node against the
# native calculator of the dev tree, which is built first if it is not there.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/web.sh build
[ -x build/dev/src/app/oblique-shock-calculator ] ||
    { cmake --preset dev && cmake --build --preset dev --target oblique-shock-calculator; }
export NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"
ctest --preset web
