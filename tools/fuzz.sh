#!/usr/bin/env bash
# Runs one libFuzzer target for a number of seconds on its corpus, seeded
# from the example problems; what breaks a promise is saved as crash-*.
#
#   tools/fuzz.sh TARGET SECONDS      TARGET: input_file, number_text, problem
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?TARGET: input_file, number_text or problem}
seconds=${2:?SECONDS}

scripts/install-missing.sh cmake make clang libclang-rt-14-dev
build=${KESTAL_FUZZ_BUILD_DIR:-build-fuzz}
CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTAL_FUZZ=ON >/dev/null
cmake --build "$build" --target "fuzz_$target" -j "$(nproc)" >/dev/null

# The corpus kept in the tree holds the regression cases; the working corpus
# grows in the build folder.
seeds=fuzz/corpus/$target
work=$build/corpus/$target
mkdir -p "$work" "$seeds"
dict=()
[ -f "fuzz/$target.dict" ] && dict=(-dict="fuzz/$target.dict")
"$build/fuzz/fuzz_$target" "$work" "$seeds" examples -max_total_time="$seconds" \
  -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/" "${dict[@]}"
