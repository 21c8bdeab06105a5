#!/usr/bin/env bash
# Installs, through apt-get, whatever the build and the tests need and this Debian machine lacks,
# with sudo when not run as root. Further packages named on the command line are installed
# likewise (tools/install-dependencies.sh xvfb xauth).
set -euo pipefail

packages=(
    g++ g++-multilib clang libclang-rt-14-dev cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev
    libgtest-dev libbenchmark-dev libcsv-dev
    fonts-dejavu-core fonts-liberation
    dpkg-dev desktop-file-utils appstream lintian
    emscripten nodejs chromium chromium-driver python3-selenium fonttools python3-brotli
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update
# sudo starts apt-get with a clean environment: the frontend is set inside it.
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
