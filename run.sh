#!/usr/bin/env bash
# Builds KESTAL and opens its main window, with an input file loaded when one
# is named. Without a display it says so and instead prints the calculation
# report of an example problem (or of the named input file) from the
# command-line companion kestal-cli. On a fresh Debian 12 machine, run as
# root, it first installs what is missing.
#
#   ./run.sh                               the window; without a display, the
#                                          report of the LRFD T-beam girder review
#   ./run.sh examples/csa_rect_design_metric.in
set -euo pipefail
cd "$(dirname "$0")"

# Configuring the project also looks for the test framework.
scripts/install-missing.sh cmake g++ make libgtest-dev qt6-base-dev

build=${KESTAL_RUN_BUILD_DIR:-build-run}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target kestal kestal-cli -j "$(nproc)" >/dev/null

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/src/kestal" "$@"
fi

example=${1:-examples/lrfd_tee_review_english.in}
echo "No display to open the window on: the report of $example instead."
name=$(basename "$example")
report="$build/${name%.*}.out"
"$build/src/kestal-cli" report "$example" -o "$report"
# The report's lines end in CR LF; the terminal wants LF.
tr -d '\r' <"$report"
echo
echo "(report written to $report)"
