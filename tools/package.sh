#!/usr/bin/env bash
# Builds the release and its Debian package, build/release/oblique-shock-calculator_*.deb, and
# checks it with lintian, which must report no error and no warning.
# Install it with: sudo apt-get install ./build/release/oblique-shock-calculator_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-dependencies.sh
desktop-file-validate packaging/oblique-shock-calculator.desktop
appstreamcli validate --no-net --explain --pedantic --strict packaging/oblique-shock-calculator.metainfo.xml
cmake --workflow --preset release
(cd build/release && cpack)
# The files as the package installs them: the metainfo must be named after its component id and
# name a desktop entry that the package holds.
trees="$(mktemp -d)"
trap 'rm -rf "$trees"' EXIT
for deb in build/release/*.deb; do
    tree="$trees/$(basename "$deb" .deb)"
    dpkg-deb -x "$deb" "$tree"
    appstreamcli validate-tree --no-net --explain --pedantic --strict "$tree"
    # Debian's own checks: no error and no warning.
    lintian --fail-on error,warning "$deb"
done
ls build/release/*.deb
