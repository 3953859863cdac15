#!/usr/bin/env bash
# Builds KESTAL and runs every test. On a fresh Debian 12 machine, run as root,
# it first installs what is missing.
set -euo pipefail
cd "$(dirname "$0")"

# The window tests run on Qt's offscreen platform: no display is needed;
# the PDF tests read the documents back with poppler-utils.
scripts/install-missing.sh cmake g++ make libgtest-dev libgmock-dev qt6-base-dev poppler-utils

build=${KESTAL_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE="${KESTAL_BUILD_TYPE:-Debug}" ${KESTAL_CMAKE_ARGS:-}
cmake --build "$build" -j "$(nproc)"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
