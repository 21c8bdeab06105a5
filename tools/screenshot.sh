#!/usr/bin/env bash
# Takes a screenshot of the real main window under Xvfb after a solved request:
# tools/screenshot.sh [output.png]   (default docs/screenshot.png)
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-dependencies.sh xvfb xauth
cmake --preset release
cmake --build --preset screenshot
output="$(realpath -m "${1:-docs/screenshot.png}")"
mkdir -p "$(dirname "$output")"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" \
    build/release/tools/screenshot/form1-screenshot "$output"
echo "Saved $output"
