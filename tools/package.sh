#!/usr/bin/env bash
# Builds the release and its Debian package: build/release/oblique-shock-calculator_*.deb.
# Install it with: sudo apt-get install ./build/release/oblique-shock-calculator_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-dependencies.sh
desktop-file-validate packaging/oblique-shock-calculator.desktop
cmake --preset release
cmake --build --preset release
(cd build/release && cpack)
ls build/release/*.deb
