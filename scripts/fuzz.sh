#!/usr/bin/env bash
# Builds every tests/fuzz/*.cpp target with clang + libFuzzer and runs each briefly.
#   FUZZ_SECONDS=60 make fuzz     (corpus, if any: tests/fuzz/corpus/<name>/)
#   scripts/fuzz.sh --build-only  (make test builds them this way and runs them for seconds)
# Then the hostile host (tests/fuzz/host, scripts/host-fuzz.sh) drives the real component of each
# Windows build through IDispatch for as long, with a fresh seed it prints (HOST_FUZZ_SEED=N to replay).
set -euo pipefail
cd "$(dirname "$0")/.."
if ! ls tests/fuzz/*.cpp >/dev/null 2>&1; then
  echo "fuzz: not built yet (no tests/fuzz/*.cpp)"; exit 0
fi
# -O1 as in the sanitizer tests: three times the executions of -O0 in the same seconds.
cmake --log-level=WARNING -S . -B build/fuzz -DCMAKE_BUILD_TYPE=Debug -DMIRELO_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS=-O1
cmake --build build/fuzz -j"${JOBS:-2}"
[ "${1:-}" = --build-only ] && exit 0
for src in tests/fuzz/*.cpp; do
  name=$(basename "$src" .cpp)
  corpus=build/fuzz/corpus/$name
  mkdir -p "$corpus"
  [ -d tests/fuzz/corpus/$name ] && cp -r tests/fuzz/corpus/$name/. "$corpus"/
  echo "=== fuzz_$name (${FUZZ_SECONDS:-30}s)"
  build/fuzz/fuzz_$name -max_total_time="${FUZZ_SECONDS:-30}" -artifact_prefix=build/fuzz/ "$corpus"
done

for bits in 32 64; do
  echo "=== host_calls, ${bits}-bit component (${FUZZ_SECONDS:-30}s)"
  scripts/host-fuzz.sh "$bits" --seconds "${FUZZ_SECONDS:-30}" ${HOST_FUZZ_SEED:+--seed "$HOST_FUZZ_SEED"}
done
