#!/usr/bin/env bash
# Builds and runs the benchmarks that exist: bench/*.cpp natively, bench/win32/*.cpp under Wine.
# BENCH_RUNS=N: how many times each Wine figure runs (default 5); docs/benchmarks.md says more.
set -euo pipefail
cd "$(dirname "$0")/.."
ran=
if ls bench/*.cpp >/dev/null 2>&1; then
  # Timings only mean something optimised: a Release tree of its own.
  cmake --log-level=WARNING -S . -B build/bench -DCMAKE_BUILD_TYPE=Release
  cmake --build build/bench -j"${JOBS:-2}" --target bench_native
  build/bench/bench_native "$@"; ran=1
fi
if ls bench/win32/*.cpp >/dev/null 2>&1; then
  # The component too: the benchmark measures whatever MireloList.ocx is registered.
  cmake --build build/win32 -j"${JOBS:-2}" --target MireloList bench_win32
  [ -f build/win32/MireloList.ocx ] && (cd build/win32 && ../../scripts/wine-run.sh regsvr32 /s MireloList.ocx)
  echo "=== the 32-bit component"
  (cd build/win32 && ../../scripts/wine-run.sh bench_win32.exe "$@"); ran=1
  # And the 64-bit one, in the 64-bit prefix under the 64-bit loader.
  if [ -f build/win64/CMakeCache.txt ]; then
    cmake --build build/win64 -j"${JOBS:-2}" --target MireloList bench_win32
    export MIRELO_BITS=64
    (cd build/win64 && ../../scripts/wine-run.sh regsvr32 /s MireloList.ocx)
    echo "=== the 64-bit component"
    (cd build/win64 && ../../scripts/wine-run.sh bench_win32.exe "$@")
  fi
fi
[ -n "$ran" ] || echo "bench: not built yet (no bench/*.cpp)"
