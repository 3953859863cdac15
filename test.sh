#!/usr/bin/env bash
# Builds KESTAL and runs every test. On a fresh Debian 12 machine, run as root,
# it first installs what is missing.
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake g++ make libgtest-dev libgmock-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
  else
    echo "missing packages: ${missing[*]} (run as root, or install them)" >&2
    exit 1
  fi
fi

build=${KESTAL_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE="${KESTAL_BUILD_TYPE:-Debug}" ${KESTAL_CMAKE_ARGS:-}
cmake --build "$build" -j "$(nproc)"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
