#!/usr/bin/env bash
# Pictures of every window of kestal, for a look at the layout: builds the
# program, runs it on a virtual X display, opens each window on an example
# problem and saves one PNG per window (and per menu), at 96 dpi and at 144
# dpi (scale factor 1.5).
#
#   tools/screenshots.sh [FOLDER] [INPUT.in]
#
# FOLDER defaults to build/screenshots; the pictures go to FOLDER/96dpi and
# FOLDER/144dpi. On a fresh Debian 12 machine, run as root, it first installs
# what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-missing.sh cmake g++ make libgtest-dev libgmock-dev qt6-base-dev xvfb xauth

folder=${1:-build/screenshots}
input=${2:-examples/arema_box_review_english.in}
build=${KESTAL_BUILD_DIR:-build}
cmake -S . -B "$build" >/dev/null
cmake --build "$build" --target kestal -j "$(nproc)" >/dev/null

shoot() {
  local dpi=$1 scale=$2
  rm -rf "${folder:?}/${dpi}dpi"
  QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 2400x1800x24 -dpi 96" \
    "$build/src/kestal" --screenshots "$folder/${dpi}dpi" "$input"
  echo "$folder/${dpi}dpi: $(ls "$folder/${dpi}dpi" | wc -l) pictures"
}
shoot 96 1
shoot 144 1.5
