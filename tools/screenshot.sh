#!/usr/bin/env bash
# Takes a screenshot of the real main window under Xvfb after a solved request:
# tools/screenshot.sh [output.png]   (default docs/screenshot.png)
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-dependencies.sh
for package in xvfb xauth; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        { [ "$(id -u)" -ne 0 ] && sudo=sudo || sudo=""; $sudo apt-get install -y "$package"; }
done
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DOSC_BUILD_TOOLS=ON
cmake --build build/release --target form1-screenshot
output="$(realpath -m "${1:-docs/screenshot.png}")"
mkdir -p "$(dirname "$output")"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" build/release/tools/screenshot/form1-screenshot "$output"
echo "Saved $output"
