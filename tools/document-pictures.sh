#!/usr/bin/env bash
# Pictures of the first page of the calculation document, at 96 dpi, for a
# reader of docs/ to see what File > Print and report --pdf make:
#
#   tools/document-pictures.sh [FOLDER]
#
# FOLDER defaults to docs/pictures; one PNG per example review.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-missing.sh cmake g++ make qt6-base-dev poppler-utils

folder=${1:-docs/pictures}
build=${KESTAL_BUILD_DIR:-build}
cmake -S . -B "$build" >/dev/null
cmake --build "$build" --target kestal-cli -j "$(nproc)" >/dev/null
mkdir -p "$folder"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for input in examples/lrfd_tee_review_english.in tests/data/cli/pdf/aashto_tee_review_english.in \
  tests/data/cli/pdf/s6_box_review_metric.in; do
  name=$(basename "$input" .in)
  SOURCE_DATE_EPOCH=0 LC_ALL=C "$build/src/kestal-cli" report "$input" -o "$work/$name.out" \
    --pdf >/dev/null || true
  pdftoppm -r 96 -f 1 -l 1 -singlefile -png "$work/$name.pdf" "$folder/document-$name"
  echo "$folder/document-$name.png"
done
