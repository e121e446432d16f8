#!/usr/bin/env bash
# Runs the core tests and the replay of every saved fuzz input once under valgrind memcheck, in
# a plain build of their own: any memory error or leak fails the run.
#   scripts/valgrind.sh [BUILD_DIR]     (default: build/valgrind)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/valgrind}

scripts/install-deps.sh build valgrind
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

core=(sdk_tests swfread_tests project_tests imaging_tests conversion_tests)
mapfile -t fuzzed < <(sed -n 's/^ *brindlecast_add_fuzzer( *\([a-z_0-9]*\).*/\1/p' tests/fuzz/CMakeLists.txt)
cmake --build "$build" -j "$(nproc)" --target "${core[@]}" "${fuzzed[@]/%/_replay}"

memcheck=(valgrind --tool=memcheck --quiet --error-exitcode=99 --leak-check=full
    --show-leak-kinds=definite,indirect,possible --errors-for-leak-kinds=definite,indirect,possible
    --track-origins=yes)
status=0
for test in "${core[@]}"; do
    echo "== memcheck $test" >&2
    # Death tests end their child with abort(), which valgrind reports as lost memory.
    "${memcheck[@]}" "$build/bin/$test" --gtest_brief=1 --gtest_filter='-*DeathTest*' || status=1
done
for name in "${fuzzed[@]}"; do
    echo "== memcheck ${name}_replay" >&2
    "${memcheck[@]}" "$build/bin/${name}_replay" \
        "tests/fuzz/corpus/$name" "tests/fuzz/regressions/$name" || status=1
done
[ $status -eq 0 ] && echo "valgrind: no memory errors and no leaks" >&2
exit $status
