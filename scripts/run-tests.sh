#!/usr/bin/env bash
# Runs every test suite that has been built, shows each runner's own summary, and ends with
# one line "N passed, N failed" over all suites. Exits non-zero if anything failed.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
WIN=build/win32
LOGS=$ROOT/build/test-logs
# A hung suite (a modal window nobody closes) must not eat CI's time; seconds.
SUITE_TIMEOUT=${SUITE_TIMEOUT:-900} SCRIPT_TIMEOUT=${SCRIPT_TIMEOUT:-120}
mkdir -p "$LOGS"

# Everything under Wine shares one Xvfb display and one wineserver session.
wine_work() { compgen -G "$WIN/*.exe" || compgen -G "$WIN/*.ocx" || compgen -G "tests/win32/*.[vj]s"; }
if [ -z "${MIRELO_XVFB:-}" ] && wine_work >/dev/null; then
  scripts/wine-prefix.sh || exit 1
  export MIRELO_XVFB=1
  exec xvfb-run "${XVFB_ARGS[@]}" "$0" "$@"
fi

passed=0 failed=0

# gtest NAME [wine] EXE: runs a GoogleTest binary and adds up its XML report. A run that ends
# without a report (crash, abort, time limit) or with a bad status and no failed test counts
# as one more failure: the tests it did not reach are not counted as passed.
gtest() {
  local name=$1; shift
  local log=$LOGS/$name.log xml=$LOGS/$name.xml out=$LOGS/$name.xml
  [ "$1" = wine ] && out="Z:$xml"
  rm -f "$xml"
  echo "=== $name"
  timeout -k 10 "$SUITE_TIMEOUT" "$@" --gtest_brief=1 --gtest_color=no --gtest_output="xml:$out" \
    2>&1 | tr -d '\r' | tee "$log"
  local rc=${PIPESTATUS[0]} p=0 f=0
  if [ -s "$xml" ]; then
    read -r p f < <(python3 "$ROOT/scripts/gtest-counts.py" "$xml")
  else
    f=$(grep -c '^\[  FAILED  \] .* ([0-9]* ms)$' "$log")
  fi
  passed=$((passed + p)); failed=$((failed + f))
  [ "$f" -eq 0 ] || echo "*** $name: $f failed"
  if [ ! -s "$xml" ] || { [ "$rc" -ne 0 ] && [ "$f" -eq 0 ]; }; then
    echo "*** $name ended with status $rc before finishing its run"
    failed=$((failed + 1))
  fi
}

# vbs FILE: a script client (VBScript or JScript) passes if it exits with 0, prints no line
# starting with FAIL, and raises no script error (Wine's cscript ends silently with status 0
# on one, so its fixme trace is the only sign).
vbs() {
  local name; name=$(basename "$1")
  local log=$LOGS/$name.log
  cp "$1" "$WIN/$name"
  echo "=== $name"
  (cd "$WIN" && WINEDEBUG=-all,fixme+wscript timeout -k 10 "$SCRIPT_TIMEOUT" \
     wine cscript //nologo "$name") 2>&1 \
    | tr -d '\r' | grep -v ':set_host_properties ' | tee "$log"
  local rc=${PIPESTATUS[0]}
  if [ "$rc" -ne 0 ] || grep -q -e '^FAIL' -e 'OnScriptError' "$log"; then
    echo "[  FAILED  ] $name (status $rc)"; failed=$((failed + 1))
  else
    echo "[  PASSED  ] $name"; passed=$((passed + 1))
  fi
}

# fuzz NAME: a short run of one fuzz target on its corpus; any finding (crash,
# sanitizer report, leak, uncaught exception) fails it and leaves the input in the logs.
FUZZ_TEST_SECONDS=${FUZZ_TEST_SECONDS:-8}
fuzz() {
  local name=$1 log=$LOGS/fuzz_$1.log corpus=build/fuzz/corpus/$1
  mkdir -p "$corpus"
  [ -d "tests/fuzz/corpus/$1" ] && cp -rn "tests/fuzz/corpus/$1/." "$corpus/"
  echo "=== fuzz_$name"
  timeout -k 10 $((FUZZ_TEST_SECONDS + 120)) build/fuzz/fuzz_$name -max_total_time="$FUZZ_TEST_SECONDS" \
    -artifact_prefix="$LOGS/fuzz_$name-" "$corpus" >"$log" 2>&1
  local rc=$?
  grep -E '^(Done [0-9]+ runs|SUMMARY)' "$log"
  if [ "$rc" -eq 0 ]; then
    echo "[  PASSED  ] fuzz_$name"; passed=$((passed + 1))
  else
    echo "[  FAILED  ] fuzz_$name (status $rc, log $log)"; failed=$((failed + 1))
  fi
}

# kit: the kit for C++ hosts, built and run from its zip alone (scripts/kit-test.sh).
kit() {
  local log=$LOGS/kit.log
  echo "=== kit"
  if timeout -k 10 "$SUITE_TIMEOUT" scripts/kit-test.sh >"$log" 2>&1; then
    echo "[  PASSED  ] kit"; passed=$((passed + 1))
  else
    cat "$log"; echo "[  FAILED  ] kit (log $log)"; failed=$((failed + 1))
  fi
}

[ -x build/native/native_tests ] && gtest native build/native/native_tests
[ -x build/asan/native_tests ] && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  gtest asan build/asan/native_tests
for f in build/fuzz/fuzz_*; do [ -x "$f" ] && fuzz "${f#build/fuzz/fuzz_}"; done

if [ -n "${MIRELO_XVFB:-}" ]; then
  # Run from the build dir: the control reads and writes files by bare name there.
  cd $WIN
  [ -f native_tests.exe ] && gtest native-wine wine native_tests.exe
  if [ -f MireloList.ocx ]; then
    echo "=== regsvr32 MireloList.ocx"
    if wine regsvr32 /s MireloList.ocx; then
      echo "[  PASSED  ] registration"; passed=$((passed + 1))
    else
      echo "[  FAILED  ] registration"; failed=$((failed + 1))
    fi
  fi
  [ -f win32_tests.exe ] && gtest win32 wine win32_tests.exe
  cd "$ROOT"
  for s in tests/win32/*.vbs tests/win32/*.js; do [ -f "$s" ] && vbs "$s"; done
  [ -f "$WIN/MireloList.ocx" ] && kit
  wineserver -k 2>/dev/null
  # The installer packages in fresh 64-bit prefixes of their own (tests/package).
  if compgen -G "build/dist/MireloList-$(cat VERSION)-*.msi" >/dev/null; then
    echo "=== installer packages"
    log=$LOGS/packages.log
    timeout -k 10 "$SUITE_TIMEOUT" python3 tests/package/package_tests.py build 2>&1 | tee "$log"
    if read -r p f < <(tail -1 "$log" | sed -n 's/^\([0-9]*\) passed, \([0-9]*\) failed$/\1 \2/p'); then
      passed=$((passed + p)); failed=$((failed + f))
    else
      echo "*** installer packages: ended before finishing its run"; failed=$((failed + 1))
    fi
  fi
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
