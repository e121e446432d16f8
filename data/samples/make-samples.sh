#!/usr/bin/env bash
# Writes the sample images of this folder with the project's fixture writer:
#   data/samples/make-samples.sh [PATH/TO/brindlecast-fixture]
# (default: the release build's). The pictures are deterministic patterns, so running it again
# gives the same files.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
fixture="${1:-$here/../../build/release/bin/brindlecast-fixture}"

# An animation whose smaller frames wander over a 96 x 64 screen.
"$fixture" gif "$here/wander.gif" --size 96x64 --frames 6 --colors 32 \
    --frame-size 48x32 --offset-step 16,8 --delay 20
# An animation in which every frame brings its own colour table.
"$fixture" gif "$here/palettes.gif" --size 64x64 --frames 4 --colors 16 --local-colors 8
# A still picture with a transparent colour.
"$fixture" gif "$here/badge.gif" --size 40x40 --colors 4 --transparent 0
# A baseline and a progressive colour photo, and a grey one.
"$fixture" jpeg "$here/meadow.jpg" --size 160x120 --quality 85 --seed 1
"$fixture" jpeg "$here/harbour.jpg" --size 120x90 --progressive --seed 2
"$fixture" jpeg "$here/grey.jpg" --size 80x80 --grey --seed 3
