#!/usr/bin/env bash
# Builds the game in build-pkg (or the folder given) and makes the Debian
# package build-pkg/pellumo_<version>-<release>_amd64.deb with CPack.
#   bash scripts/package.sh [build-folder]
# Then: bash scripts/check-deb.sh build-pkg/pellumo_<version>-1_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-pkg}

bash scripts/deps.sh
bash scripts/deps.sh dpkg-dev file

# The installed program knows its data folder from the install prefix, so the
# package is configured for /usr itself. Debian's usual compiler and linker
# flags (hardening among them) come from dpkg-buildflags.
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DPELLUMO_GUI=ON -DPELLUMO_TESTS=OFF -DPELLUMO_BENCH=OFF
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/pellumo_*.deb
(cd "$build" && cpack -G DEB)
ls -l "$build"/pellumo_*_amd64.deb
