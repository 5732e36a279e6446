#!/usr/bin/env bash
# The kit for C++ hosts as a user gets it: its zip is unpacked into an empty folder, the sample
# is built there with the line the kit's README gives (docs/using.md must give the same line),
# the kit's own component is registered and the sample runs. The build's component is
# registered again afterwards. Runs inside scripts/run-tests.sh's Wine session.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
tmp=$(mktemp -d)
trap '(cd "$ROOT/build/win32" && wine regsvr32 /s MireloList.ocx); rm -rf "$tmp"' EXIT

zip=$("$ROOT/scripts/kit.sh")
python3 -m zipfile -e "$zip" "$tmp"
cd "$tmp"/MireloList-*-sdk
line=$(grep -m1 '^i686-w64-mingw32-g++ ' README.md)
grep -qxF "$line" "$ROOT/docs/using.md" || { echo "docs/using.md does not give the kit's line: $line"; exit 1; }
echo "$line"
eval "$line"
wine regsvr32 /s bin/x86/MireloList.ocx
wine host.exe --once | tr -d '\r' >out
cat out
diff -u - out <<'END'
ListIndexChanged -1 -> 1
PlayIndexChanged -1 -> 0, refused
PlayIndexChanged -1 -> 2
3 rows, playing row 2, control window shown
END
