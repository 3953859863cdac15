#!/usr/bin/env bash
# Builds the Debian package of KESTAL (a Release build in build-package/)
# and shows its control data and contents.
#
#   tools/package.sh            writes build-package/kestal_VERSION_ARCH.deb
#
# On a fresh Debian 12 machine, run as root, it first installs what is
# missing (dpkg-shlibdeps works out the package's dependencies).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-missing.sh cmake g++ make qt6-base-dev dpkg-dev file

build=${KESTAL_PACKAGE_DIR:-build-package}
# The compiler and linker flags of Debian's own packages, hardening included.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DKESTAL_BUILD_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" --target kestal kestal-cli kestal_help kestal_docs -j "$(nproc)" >/dev/null
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/kestal_*.deb | head -1)
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"
echo "$deb"
