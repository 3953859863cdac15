#!/usr/bin/env bash
# Builds KESTAL in Release with the benchmarks and prints the figures of
# docs/performance.md: the Google Benchmark medians (each calculation, a whole
# review per example, a key release, one file read, computed and written, the
# batch in process), then the timed parts: kestal-cli report over generated
# problems with --out-dir against one process per problem, the window from
# process start to the main window shown, its resident memory, and a key in
# a box of the real main window.
#
#   tools/bench.sh                  all of it, 10,000 generated problems
#   KESTAL_BENCH_PROBLEMS=2000 tools/bench.sh
#
# Nothing here is a test: the figures depend on the machine and its load.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-missing.sh cmake g++ make qt6-base-dev libbenchmark-dev time
build=${KESTAL_BENCH_BUILD_DIR:-build-bench}
problems=${KESTAL_BENCH_PROBLEMS:-10000}
starts=${KESTAL_BENCH_STARTS:-9}
reps=${KESTAL_BENCH_REPETITIONS:-5}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DKESTAL_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target kestal_bench kestal_window_bench kestal-cli kestal \
  >/dev/null

cli=$build/src/kestal-cli
export QT_QPA_PLATFORM=offscreen

# Median of numbers, one a line.
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
now_ns() { date +%s%N; }

echo "== Machine"
echo "cores: $(nproc); CPU: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //')"
echo "load: $(cut -d' ' -f1-3 /proc/loadavg) (1, 5, 15 minutes)"
echo

# The timed parts come first, in a folder of the build tree rather than /tmp.
# Where many files were deleted in the last minutes, creating a file is slow
# (ext4 without a journal passes over every recently freed inode of the
# folder's block group): the benchmarks below delete theirs, and so does
# whatever else uses /tmp.
work=$(mktemp -d "$build/bench-work.XXXXXX")
trap 'rm -rf "$work"' EXIT

echo "== kestal-cli report over $problems generated problems"
"$build/bench/kestal_bench" --generate-problems "$work/in" "$problems"
# A fixed report date: the two ways must write the same bytes.
export SOURCE_DATE_EPOCH=0
start=$(now_ns)
find "$work/in" -name '*.in' | "$cli" report - --out-dir "$work/batch" 2>"$work/batch.err" || true
batch_ns=$(($(now_ns) - start))
mkdir "$work/single"
start=$(now_ns)
for input in "$work"/in/*.in; do
  name=${input##*/}
  "$cli" report "$input" -o "$work/single/${name%.in}.out" >/dev/null || true
done 2>/dev/null
single_ns=$(($(now_ns) - start))
unset SOURCE_DATE_EPOCH
tail -1 "$work/batch.err"
if diff -rq "$work/batch" "$work/single" >/dev/null; then
  echo "reports of the two ways: byte for byte the same"
else
  echo "reports of the two ways DIFFER"
fi
awk -v b="$batch_ns" -v s="$single_ns" -v n="$problems" 'BEGIN {
  printf "batch, --out-dir:         %8.3f s wall, %7.0f reports/s\n", b / 1e9, n / (b / 1e9)
  printf "one process per problem:  %8.3f s wall, %7.0f reports/s\n", s / 1e9, n / (s / 1e9)
  printf "per report:               %8.1f us batch, %.1f us one process each\n", b / n / 1e3, s / n / 1e3
  printf "gain:                     %8.1f-fold\n", s / b
}'
echo

echo "== kestal from process start to the main window shown (offscreen), $starts starts"
: >"$work/starts"
: >"$work/rss"
for _ in $(seq "$starts"); do
  start=$(now_ns)
  KESTAL_EXIT_WHEN_SHOWN=1 /usr/bin/time -f '%M' -o "$work/rss.one" "$build/src/kestal" 2>/dev/null
  echo $((($(now_ns) - start) / 1000)) >>"$work/starts"
  cat "$work/rss.one" >>"$work/rss"
done
echo "start to shown: median $(median <"$work/starts" | awk '{ printf "%.1f", $1 / 1000 }') ms" \
  "(fastest $(sort -n "$work/starts" | head -1 | awk '{ printf "%.1f", $1 / 1000 }') ms," \
  "slowest $(sort -n "$work/starts" | tail -1 | awk '{ printf "%.1f", $1 / 1000 }') ms)"
echo "peak resident memory: median $(median <"$work/rss" | awk '{ printf "%.1f", $1 / 1024 }') MB"
echo

echo "== Google Benchmark, medians of $reps repetitions"
# The medians only: the means, deviations and variation go.
medians() { grep -vE '_(mean|stddev|cv) ' || true; }
for bench in kestal_bench kestal_window_bench; do
  "$build/bench/$bench" --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true \
    --benchmark_min_time=0.2 2>/dev/null | medians
done
