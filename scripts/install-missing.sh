#!/usr/bin/env bash
# Installs the Debian packages named as arguments that are not installed yet
# (apt-get, as root); without root it names them and fails.
set -euo pipefail
missing=()
for p in "$@"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -eq 0 ]; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
else
  echo "missing packages: ${missing[*]} (run as root, or install them)" >&2
  exit 1
fi
