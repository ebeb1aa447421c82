#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
#   bash scripts/fuzz.sh            60 seconds per target
#   bash scripts/fuzz.sh 3600       an hour per target
#   bash scripts/fuzz.sh 60 1       with random seed 1: the same inputs every
#                                   time (CI), instead of new ones each run
# Inputs found along the way go to build-fuzz/corpus/<target>; a crash is
# saved as build-fuzz/crash-* and fails the run. Replay one with
#   build-fuzz/engine_fuzz build-fuzz/crash-<hash>
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
seed=${2:-0}  # libFuzzer draws a seed of its own for 0
build=${PELLUMO_FUZZ_BUILD:-build-fuzz}

bash scripts/deps.sh clang-14 libclang-rt-14-dev cmake ninja-build
cxx=$(command -v clang++-14 || command -v clang++)

cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="$cxx"
cmake --build "$build" -j"$(nproc)"

export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# The engine rewrites its settings file at every load and game end: keep it
# on tmpfs, in a folder removed whatever happens.
scratch_base=/dev/shm
[ -d "$scratch_base" ] && [ -w "$scratch_base" ] || scratch_base=${TMPDIR:-/tmp}
PELLUMO_FUZZ_SCRATCH=$(mktemp -d "$scratch_base/pellumo-fuzz.XXXXXX")
export PELLUMO_FUZZ_SCRATCH
trap 'rm -rf -- "$PELLUMO_FUZZ_SCRATCH"' EXIT
status=0
for target in settings engine; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  echo "== ${target}_fuzz for ${seconds} s"
  # The committed seeds come second: libFuzzer reads both, adds only to the first.
  if ! "$build/${target}_fuzz" -max_total_time="$seconds" -seed="$seed" -timeout=10 -rss_limit_mb=2048 \
      -max_len=4096 -print_final_stats=1 -artifact_prefix="$build/" \
      "$corpus" "fuzz/corpus/$target" 2>&1 | tail -n 25; then
    status=1
  fi
done
exit "$status"
