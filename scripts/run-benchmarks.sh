#!/usr/bin/env bash
# Every benchmark, then one table: work, zelk, baseline, ratio, goal and the machine's
# load. Benchmarks are not part of the test run; this builds them in build-bench (with
# Google Benchmark, installed when missing) and runs each program once.
# Usage: scripts/run-benchmarks.sh
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh >/dev/null
if ! dpkg -s libbenchmark-dev >/dev/null 2>&1; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends \
        libbenchmark-dev >/dev/null
fi
cmake -S . -B build-bench -DZELK_BUILD_BENCH=ON -DZELK_BUILD_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench -j2 >/dev/null

failed=""
log=$(mktemp)
trap 'rm -f "$log"' EXIT
for program in zelk_model_bench zelk_view_bench zelk_thumbnail_bench zelk_undo_bench \
    zelk_import_bench; do
    echo "== $program" >&2
    [ -x "build-bench/bench/$program" ] || { echo "$program was not built" >&2; continue; }
    # A program that fails (a benchmark reported an error) fails the script, after the table.
    if ! ./build-bench/bench/$program 2>&1 | tee -a "$log" >&2; then
        failed="$failed $program"
    fi
done
if command -v Xvfb >/dev/null && [ -x build-bench/bench/zelk_map_watch ]; then
    echo "== start-up" >&2
    if ! bash bench/startup.sh build-bench 2>&1 | tee -a "$log" >&2; then
        failed="$failed start-up"
    fi
fi

# "ratio A / B = R (target <= G; … load L)" lines become the table.
echo
printf '%-44s %-30s %7s %6s %6s\n' "zelk" "baseline" "ratio" "goal" "load"
sed -n 's/^ratio \(.*\) \/ \(.*\) = \([0-9.]*\) (\(.*\))$/\1|\2|\3|\4/p' "$log" |
    while IFS='|' read -r measured baseline ratio rest; do
        goal=$(sed -n 's/.*target <= \([0-9.]*\).*/\1/p' <<<"$rest")
        load=$(sed -n 's/.*load \([0-9.]*\).*/\1/p' <<<"$rest")
        printf '%-44s %-30s %7s %6s %6s\n' "$measured" "$baseline" "$ratio" "${goal:--}" \
            "${load:--}"
    done
if [ -n "$failed" ]; then
    echo "failed:$failed" >&2
    exit 1
fi
