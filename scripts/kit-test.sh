#!/usr/bin/env bash
# The kit for C++ hosts as a user gets it: its zip is unpacked into an empty folder, the sample
# is built there with each line the kit's README gives (32-bit and 64-bit; docs/using.md must
# give the same lines), the kit's own components are registered, each by the regsvr32 of its
# width, and each sample runs: the 32-bit one in the 32-bit prefix, the 64-bit one in the
# 64-bit prefix. The build's components are registered again afterwards. Runs inside
# scripts/run-tests.sh's Wine session.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
source "$ROOT/scripts/wine-env.sh"
W64=(env WINEPREFIX="$WINEPREFIX64" WINEARCH=win64 "$WINE64")
tmp=$(mktemp -d)
restore() {
  (cd "$ROOT/build/win32" && wine regsvr32 /s MireloList.ocx)
  [ ! -f "$ROOT/build/win64/MireloList.ocx" ] || (cd "$ROOT/build/win64" && "${W64[@]}" regsvr32 /s MireloList.ocx)
  rm -rf "$tmp"
}
trap restore EXIT

# Without the build's registration, a sample can only run through the kit's own component.
(cd "$ROOT/build/win32" && wine regsvr32 /s /u MireloList.ocx)
[ ! -f "$ROOT/build/win64/MireloList.ocx" ] || (cd "$ROOT/build/win64" && "${W64[@]}" regsvr32 /s /u MireloList.ocx)

zip=$("$ROOT/scripts/kit.sh")
python3 -m zipfile -e "$zip" "$tmp"
cd "$tmp"/MireloList-*-sdk

# build COMPILER: the README's line for that compiler, checked against docs/using.md and run.
build() {
  local line
  line=$(grep -m1 "^$1 " README.md) || { echo "README.md gives no $1 line"; exit 1; }
  grep -qxF "$line" "$ROOT/docs/using.md" || { echo "docs/using.md does not give the kit's line: $line"; exit 1; }
  echo "$line"
  eval "$line"
}

# run WINE... EXE: the sample's report, which must tell the same story for either width.
run() {
  "$@" --once | tr -d '\r' >out
  cat out
  diff -u - out <<'END'
ListIndexChanged -1 -> 1
PlayIndexChanged -1 -> 0, refused
PlayIndexChanged -1 -> 2
3 rows, playing row 2, control window shown
END
}

build i686-w64-mingw32-g++
wine regsvr32 /s bin/x86/MireloList.ocx
run wine host.exe

if [ -f "$ROOT/build/win64/MireloList.ocx" ]; then
  [ -f bin/x64/MireloList.ocx ] || { echo "the kit has no bin/x64/MireloList.ocx"; exit 1; }
  build x86_64-w64-mingw32-g++
  "${W64[@]}" regsvr32 /s bin/x64/MireloList.ocx
  run "${W64[@]}" host64.exe
fi
