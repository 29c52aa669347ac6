#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build-fuzz/), replays the committed seeds
# (tests/fuzz/corpus/<target>/) and fuzzes each target for ZELK_FUZZ_SECONDS (10; the
# test command must stay within its time on two cores, longer runs by hand).
# Skipped, not failed, where clang is missing. New findings are written to
# build-fuzz/findings/; the committed seeds are never changed.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${ZELK_FUZZ_SECONDS:-10}
if ! command -v clang++ >/dev/null 2>&1; then
    echo "run-fuzz: clang++ not found, fuzzing skipped"
    exit 0
fi

export QT_QPA_PLATFORM=offscreen
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DZELK_FUZZ=ON -DZELK_BUILD_TESTS=OFF
cmake --build build-fuzz -j2 --target fuzz_zlk_reader fuzz_model_edits fuzz_view_draw fuzz_settings \
    fuzz_session fuzz_dxf_reader

mkdir -p build-fuzz/findings
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Seconds one input may take: a whole session runs many steps (its own watchdog limits
# each step to 10 s).
timeout_of() {
    case $1 in
    fuzz_session) echo 120 ;;
    *) echo 10 ;;
    esac
}
# One target per core: two at a time.
fuzz_one() {
    local target=$1
    local seeds=tests/fuzz/corpus/${target#fuzz_}
    local work=build-fuzz/corpus/$target
    mkdir -p "$work"
    echo "== $target: replaying $(ls "$seeds" | wc -l) seeds, then ${seconds} s of fuzzing"
    "build-fuzz/tests/fuzz/$target" -runs=0 "$seeds" >"build-fuzz/$target.log" 2>&1 &&
        "build-fuzz/tests/fuzz/$target" -max_total_time="$seconds" -timeout="$(timeout_of "$target")" \
            -rss_limit_mb=4096 -artifact_prefix="build-fuzz/findings/$target-" \
            "$work" "$seeds" >>"build-fuzz/$target.log" 2>&1 ||
        { echo "== $target FAILED:"; tail -n 60 "build-fuzz/$target.log"; return 1; }
    grep -E '^Done [0-9]+ runs' "build-fuzz/$target.log" | tail -n 1 | sed "s/^/   $target: /"
}
failed=0
for pair in "fuzz_zlk_reader fuzz_model_edits" "fuzz_view_draw fuzz_settings" "fuzz_session fuzz_dxf_reader"; do
    pids=()
    for target in $pair; do
        fuzz_one "$target" &
        pids+=($!)
    done
    for pid in "${pids[@]}"; do
        wait "$pid" || failed=1
    done
done
[ $failed -eq 0 ] || { echo "run-fuzz: a target found a fault (see build-fuzz/findings/)"; exit 1; }
echo "run-fuzz: no crash, hang or sanitizer report"
