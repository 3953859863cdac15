#!/usr/bin/env bash
# Builds the command-line companion kestal-cli, writes the calculation report
# of an example problem and prints it. On a fresh Debian 12 machine, run as
# root, it first installs what is missing.
#
#   ./run.sh                               the LRFD T-beam girder review
#   ./run.sh examples/csa_rect_design_metric.in
set -euo pipefail
cd "$(dirname "$0")"

# Configuring the project also looks for the test framework.
scripts/install-missing.sh cmake g++ make libgtest-dev

build=${KESTAL_RUN_BUILD_DIR:-build-run}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target kestal-cli -j "$(nproc)" >/dev/null

example=${1:-examples/lrfd_tee_review_english.in}
name=$(basename "$example")
report="$build/${name%.*}.out"
"$build/src/kestal-cli" report "$example" -o "$report"
# The report's lines end in CR LF; the terminal wants LF.
tr -d '\r' <"$report"
echo
echo "(report written to $report)"
