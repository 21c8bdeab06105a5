#!/usr/bin/env bash
# Builds the page in a web browser with emscripten into build/web/, a folder of static files
# that any static web server can serve, and serves it on http://127.0.0.1:8080/ (PORT changes
# the port). `tools/web.sh build` only builds.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-dependencies.sh

# libcsv, which the batch reads with, is compiled for the page from Debian's source package,
# fetched once through apt-get from the machine's own archives (their deb lines as deb-src).
deps=build/web-deps
if [ ! -f "$deps/libcsv/libcsv.c" ]; then
    rm -rf "$deps" && mkdir -p "$deps/sources.list.d" "$deps/lists/partial" "$deps/cache/archives/partial"
    for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$list" ] && sed -n 's/^deb /deb-src /p' "$list" >> "$deps/sources.list.d/src.list"
    done
    for sources in /etc/apt/sources.list.d/*.sources; do
        [ -f "$sources" ] && sed 's/^Types: *deb$/Types: deb-src/' "$sources" \
            > "$deps/sources.list.d/$(basename "$sources")"
    done
    apt=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$PWD/$deps/sources.list.d"
         -o "Dir::State::Lists=$PWD/$deps/lists" -o "Dir::Cache=$PWD/$deps/cache"
         -o APT::Sandbox::User=root)
    apt-get "${apt[@]}" update > "$deps/update.log" || cat "$deps/update.log"
    (cd "$deps" && apt-get "${apt[@]}" source --download-only libcsv &&
        dpkg-source -x libcsv_*.dsc libcsv)
fi

# Debian's emscripten runs its JavaScript tools with the node modules Debian installs.
export NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"
cmake --preset web
cmake --build --preset web
[ "${1:-}" = build ] && exit 0

port="${PORT:-8080}"
echo "The calculator: http://127.0.0.1:$port/"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web
