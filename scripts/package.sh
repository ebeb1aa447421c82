#!/usr/bin/env bash
# Builds the game in build-pkg (or the folder given) and makes the Debian
# package build-pkg/pellumo_<version>_amd64.deb with CPack.
#   bash scripts/package.sh [build-folder]
# Then: bash scripts/check-deb.sh build-pkg/pellumo_*_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-pkg}

bash scripts/deps.sh
need=()
for p in dpkg-dev file; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
if ((${#need[@]})); then
  [ "$(id -u)" -eq 0 ] || { echo "Missing ${need[*]}: install them as root." >&2; exit 1; }
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

extra=()
if ! grep -q 'include(cmake/install.cmake)' CMakeLists.txt; then
  # Until the top-level CMakeLists.txt includes the install rules itself, run
  # them once every target exists.
  mkdir -p "$build"
  printf 'cmake_language(DEFER DIRECTORY "${CMAKE_SOURCE_DIR}" CALL include "%s/cmake/install.cmake")\n' \
    "$PWD" > "$build/install-rules.cmake"
  extra+=(-DCMAKE_PROJECT_INCLUDE="$PWD/$build/install-rules.cmake")
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DPELLUMO_GUI=ON -DPELLUMO_TESTS=OFF -DPELLUMO_BENCH=OFF "${extra[@]}"
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB)
ls -l "$build"/pellumo_*_amd64.deb
