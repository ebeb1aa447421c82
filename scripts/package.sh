#!/usr/bin/env bash
# Builds the game in build-pkg (or the folder given) and makes the Debian
# package build-pkg/pellumo_<version>_amd64.deb with CPack.
#   bash scripts/package.sh [build-folder]
# Then: bash scripts/check-deb.sh build-pkg/pellumo_*_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-pkg}

bash scripts/deps.sh
bash scripts/deps.sh dpkg-dev file

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DPELLUMO_GUI=ON -DPELLUMO_TESTS=OFF -DPELLUMO_BENCH=OFF
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB)
ls -l "$build"/pellumo_*_amd64.deb
