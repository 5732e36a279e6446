#!/usr/bin/env bash
# Registers the component in the project's Wine prefix and runs the demo host under Xvfb.
# The demo saves a screenshot and prints where. MIRELO_BITS=64 runs the 64-bit build's demo
# with the 64-bit component (after `make win64`), in the 64-bit prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
WIN=build/win${MIRELO_BITS:-32}
if [ -f $WIN/demo.exe ]; then
  [ -f $WIN/MireloList.ocx ] && (cd $WIN && ../../scripts/wine-run.sh regsvr32 /s MireloList.ocx)
  cd $WIN && exec ../../scripts/wine-run.sh demo.exe "$@"
elif [ -x build/native/demo_native ]; then
  exec build/native/demo_native "$@"
else
  echo "demo: not built yet (no demo/*.cpp)"
fi
