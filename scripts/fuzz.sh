#!/usr/bin/env bash
# Runs every libFuzzer target (or the named ones) for SECONDS each, growing the corpus in
# tests/fuzz/corpus/NAME and leaving any crash input in tests/fuzz/regressions/NAME.
#   scripts/fuzz.sh SECONDS [NAME...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: scripts/fuzz.sh SECONDS [NAME...]}
shift

scripts/install-deps.sh build fuzz
cmake --preset fuzz >/dev/null

names=("$@")
if [ ${#names[@]} -eq 0 ]; then
    # Every target named in the fuzz list.
    mapfile -t names < <(sed -n 's/^ *brindlecast_add_fuzzer( *\([a-z_0-9]*\).*/\1/p' tests/fuzz/CMakeLists.txt)
fi
# Build only what is fuzzed, so unrelated work in progress cannot stop a run.
cmake --build --preset fuzz -j "$(nproc)" --target "${names[@]/%/_fuzzer}"

status=0
for name in "${names[@]}"; do
    corpus=tests/fuzz/corpus/$name
    crashes=tests/fuzz/regressions/$name
    mkdir -p "$corpus" "$crashes"
    echo "== fuzzing $name for ${seconds}s" >&2
    "build/fuzz/bin/${name}_fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 \
        -artifact_prefix="$crashes/" "$corpus" || status=1
done
exit $status
