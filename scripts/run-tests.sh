#!/usr/bin/env bash
# Runs every test suite that has been built, shows each runner's own summary, and ends with
# one line "N passed, N failed" over all suites. Exits non-zero if anything failed.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
WIN=build/win32 WIN64=build/win64
LOGS=$ROOT/build/test-logs
# Commands in the 64-bit prefix: W64 wine ... starts 32-bit programs there (its SysWOW64),
# W64 "$WINE64" ... 64-bit ones.
W64=(env WINEPREFIX="$WINEPREFIX64" WINEARCH=win64)
# Each component saves a stream and a bag here for the other one to load (CrossBuild tests).
export MIRELO_CROSS_DIR="Z:$ROOT/build/cross"
# A hung suite (a modal window nobody closes) must not eat CI's time; seconds.
SUITE_TIMEOUT=${SUITE_TIMEOUT:-900} SCRIPT_TIMEOUT=${SCRIPT_TIMEOUT:-120}
mkdir -p "$LOGS"

# Everything under Wine shares one Xvfb display and one wineserver session.
wine_work() { compgen -G "$WIN/*.exe" || compgen -G "$WIN/*.ocx" || compgen -G "tests/win32/*.[vj]s"; }
if [ -z "${MIRELO_XVFB:-}" ] && wine_work >/dev/null; then
  scripts/wine-prefix.sh || exit 1
  if [ -f "$WIN64/MireloList.ocx" ]; then MIRELO_BITS=64 scripts/wine-prefix.sh || exit 1; fi
  export MIRELO_XVFB=1
  exec xvfb-run "${XVFB_ARGS[@]}" "$0" "$@"
fi

passed=0 failed=0

# gtest NAME [wine] EXE: runs a GoogleTest binary and adds up its XML report. A run that ends
# without a report (crash, abort, time limit) or with a bad status and no failed test counts
# as one more failure: the tests it did not reach are not counted as passed.
gtest() {
  local name=$1; shift
  local log=$LOGS/$name.log xml=$LOGS/$name.xml out=$LOGS/$name.xml a
  for a in "$@"; do case $a in *.exe) out="Z:$xml" ;; esac; done
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

# vbs LABEL FILE DIR "ARGS" WINE...: a script client (VBScript or JScript) passes if it exits
# with 0, prints no line starting with FAIL, and raises no script error (Wine's cscript ends
# silently with status 0 on one, so its fixme trace is the only sign). It runs in DIR as
# WINE... cscript FILE ARGS.
vbs() {
  local label=$1 file=$2 dir=$3 args=$4; shift 4
  local name; name=$(basename "$file")
  local log=$LOGS/${label// /_}.log
  cp "$file" "$dir/$name"
  echo "=== $label"
  # shellcheck disable=SC2086 # ARGS are words
  (cd "$dir" && WINEDEBUG=-all,fixme+wscript timeout -k 10 "$SCRIPT_TIMEOUT" \
     "$@" cscript //nologo "$name" $args) 2>&1 \
    | tr -d '\r' | grep -v ':set_host_properties ' | tee "$log"
  local rc=${PIPESTATUS[0]}
  if [ "$rc" -ne 0 ] || grep -q -e '^FAIL' -e 'OnScriptError' "$log"; then
    echo "[  FAILED  ] $label (status $rc)"; failed=$((failed + 1))
  else
    echo "[  PASSED  ] $label"; passed=$((passed + 1))
  fi
}

# registration NAME WINE...: regsvr32 MireloList.ocx in the current directory.
registration() {
  local name=$1; shift
  echo "=== regsvr32 MireloList.ocx ($name)"
  if "$@" regsvr32 /s MireloList.ocx; then
    echo "[  PASSED  ] $name"; passed=$((passed + 1))
  else
    echo "[  FAILED  ] $name"; failed=$((failed + 1))
  fi
}

# Both components registered in the 64-bit prefix at once, each by its own regsvr32; taking
# either away first leaves the other working. The script checks, from a 32-bit and a 64-bit
# script host, what each should find registered.
SIDE=tests/win32/side_by_side/registered.vbs
side_by_side() {
  local reg32=("${W64[@]}" wine regsvr32 /s) reg64=("${W64[@]}" "$WINE64" regsvr32 /s)
  expect() {
    vbs "side-by-side $1, 32-bit host" "$SIDE" "$WIN" "$2" "${W64[@]}" wine
    vbs "side-by-side $1, 64-bit host" "$SIDE" "$WIN64" "$2" "${W64[@]}" "$WINE64"
  }
  (cd "$WIN" && "${reg32[@]}" MireloList.ocx) && (cd "$WIN64" && "${reg64[@]}" MireloList.ocx)
  expect "both registered" "32 64"
  (cd "$WIN" && "${reg32[@]}" /u MireloList.ocx)
  expect "32-bit unregistered first" "64"
  (cd "$WIN" && "${reg32[@]}" MireloList.ocx) && (cd "$WIN64" && "${reg64[@]}" /u MireloList.ocx)
  expect "64-bit unregistered first" "32"
  # Back to the 64-bit component alone, as the 64-bit suite expects the prefix.
  (cd "$WIN64" && "${reg64[@]}" MireloList.ocx) && (cd "$WIN" && "${reg32[@]}" /u MireloList.ocx)
}

# fuzz NAME: a short run of one fuzz target on its corpus; any finding (crash,
# sanitizer report, leak, uncaught exception) fails it and leaves the input in the logs.
# A fixed seed, so a test run does not fail by luck: `make fuzz` searches with fresh ones, and
# what it finds goes into tests/fuzz/corpus/<name>/ as a regress-* input every run replays.
FUZZ_TEST_SECONDS=${FUZZ_TEST_SECONDS:-8} FUZZ_TEST_SEED=${FUZZ_TEST_SEED:-24}
fuzz() {
  local name=$1 log=$LOGS/fuzz_$1.log corpus=build/fuzz/corpus/$1
  mkdir -p "$corpus"
  [ -d "tests/fuzz/corpus/$1" ] && cp -rn "tests/fuzz/corpus/$1/." "$corpus/"
  echo "=== fuzz_$name"
  timeout -k 10 $((FUZZ_TEST_SECONDS + 120)) build/fuzz/fuzz_$name -max_total_time="$FUZZ_TEST_SECONDS" \
    -seed="$FUZZ_TEST_SEED" -artifact_prefix="$LOGS/fuzz_$name-" "$corpus" >"$log" 2>&1
  local rc=$?
  grep -E '^(Done [0-9]+ runs|SUMMARY)' "$log"
  if [ "$rc" -eq 0 ]; then
    echo "[  PASSED  ] fuzz_$name"; passed=$((passed + 1))
  else
    echo "[  FAILED  ] fuzz_$name (status $rc, log $log)"; failed=$((failed + 1))
  fi
}

# host_fuzz NAME WINE...: a short seeded run of the hostile host (tests/fuzz/host) against the
# component registered in the current prefix; its summary shows the calls made, seed and time.
HOST_FUZZ_SECONDS=${HOST_FUZZ_SECONDS:-20} HOST_FUZZ_SEED=${HOST_FUZZ_SEED:-24}
host_fuzz() {
  local name=$1 log=$LOGS/$1.log; shift
  echo "=== $name"
  timeout -k 10 $((HOST_FUZZ_SECONDS + 120)) "$@" host_calls.exe --seed "$HOST_FUZZ_SEED" \
    --seconds "$HOST_FUZZ_SECONDS" 2>&1 | tr -d '\r' >"$log"
  local rc=${PIPESTATUS[0]}
  if [ "$rc" -eq 0 ]; then
    grep '^host_calls:' "$log"; echo "[  PASSED  ] $name"; passed=$((passed + 1))
  else
    cat "$log"; echo "[  FAILED  ] $name (status $rc, log $log)"; failed=$((failed + 1))
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
  mkdir -p build/cross
  # Run from the build dir: the control reads and writes files by bare name there.
  cd $WIN
  [ -f native_tests.exe ] && gtest native-wine wine native_tests.exe
  [ -f MireloList.ocx ] && registration registration wine
  [ -f win32_tests.exe ] && gtest win32 wine win32_tests.exe
  [ -f host_calls.exe ] && host_fuzz host-fuzz wine
  cd "$ROOT"
  for s in tests/win32/*.vbs tests/win32/*.js; do [ -f "$s" ] && vbs "$(basename "$s")" "$s" "$WIN" "" wine; done
  [ -f "$WIN/MireloList.ocx" ] && kit

  # The 64-bit component: the same suites in the 64-bit prefix, by 64-bit programs.
  if [ -f "$WIN64/MireloList.ocx" ]; then
    cd $WIN64
    [ -f native_tests.exe ] && gtest native-wine64 "${W64[@]}" "$WINE64" native_tests.exe
    # A run stopped during the side-by-side steps may have left the 32-bit one registered.
    (cd "$ROOT/$WIN" && "${W64[@]}" wine regsvr32 /s /u MireloList.ocx 2>/dev/null) || true
    registration "registration (64-bit)" "${W64[@]}" "$WINE64"
    [ -f win32_tests.exe ] && MIRELO_CROSS_FROM=win32 gtest win64 "${W64[@]}" "$WINE64" win32_tests.exe
    [ -f host_calls.exe ] && host_fuzz host-fuzz64 "${W64[@]}" "$WINE64"
    cd "$ROOT"
    for s in tests/win32/*.vbs tests/win32/*.js; do
      [ -f "$s" ] && vbs "$(basename "$s") (64-bit)" "$s" "$WIN64" "" "${W64[@]}" "$WINE64"
    done
    # The 32-bit component reads what the 64-bit one saved.
    if [ -f "$WIN/win32_tests.exe" ]; then
      cd $WIN
      MIRELO_CROSS_FROM=win64 GTEST_FILTER='CrossBuild.*' gtest cross-win32 wine win32_tests.exe
      cd "$ROOT"
    fi
    [ -f "$WIN/MireloList.ocx" ] && side_by_side
    "${W64[@]}" wineserver -k 2>/dev/null
  fi
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
