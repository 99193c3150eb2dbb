#!/usr/bin/env bash
# Every benchmark in one run, for docs/performance.md: builds the optimised tree and prints the
# median of each.
#   bench/run_all.sh [repetitions]      default 10
set -euo pipefail
cd "$(dirname "$0")/.."
repetitions=${1:-10}
tree=build/release
scripts/build "$tree" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVAZOLAR_BUILD_BENCH=ON
export QT_QPA_PLATFORM=offscreen
for program in bench_engine bench_adopted bench_form bench_adopted_window bench_reports bench_memo; do
    "$tree/bench/$program" --benchmark_repetitions="$repetitions" \
        --benchmark_report_aggregates_only=true 2>/dev/null | grep -E '_median'
done
bench/startup.sh "$repetitions" "$tree"
VAZOLAR_BENCH_XVFB=1 bench/startup.sh "$repetitions" "$tree"
bench/cli.sh "$repetitions" "$tree"
