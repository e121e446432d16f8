#!/usr/bin/env bash
# The main job in one command: installs what is missing, builds the release preset and turns
# the bundled sample images (data/samples) into one movie with brindlecast-cli, printing the
# report and where the movie is.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build
echo "== building brindlecast-cli (release)" >&2
cmake --preset release >/dev/null
cmake --build --preset release --target brindlecast-cli -j "$(nproc)" >/dev/null

movie="$PWD/build/demo/samples.swf"
mkdir -p "$(dirname "$movie")"
echo "== converting data/samples into one movie" >&2
status=0
build/release/bin/brindlecast-cli make --delay 6 --frame-rate 12 --background '#20324A' \
    --output "$movie" data/samples/*.gif data/samples/*.jpg || status=$?
if [ -f "$movie" ]; then
    echo "The movie is $movie ($(stat -c %s "$movie") bytes)."
fi
exit "$status"
