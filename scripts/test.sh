#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: a normal build and an
# AddressSanitizer + UndefinedBehaviorSanitizer build; last, the core tests and the fuzz
# replays of the normal build once more under valgrind memcheck.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build valgrind conformance
jobs=$(nproc)
for preset in dev asan; do
    echo "== $preset build" >&2
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done
echo "== valgrind memcheck" >&2
scripts/valgrind.sh build/dev
