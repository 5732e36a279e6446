#!/usr/bin/env bash
# Runs a Windows program in the project's Wine prefix, under a private Xvfb display.
#   scripts/wine-run.sh build/win32/demo.exe [args...]
#   MIRELO_BITS=64 scripts/wine-run.sh build/win64/demo.exe   (the 64-bit prefix and loader)
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
"$ROOT/scripts/wine-prefix.sh"
if [ -z "${MIRELO_XVFB:-}" ]; then
  export MIRELO_XVFB=1
  exec xvfb-run "${XVFB_ARGS[@]}" "$0" "$@"
fi
rc=0
"$WINE" "$@" || rc=$?
# The display goes away with us: end the prefix's session before anything draws on it again.
wineserver -k 2>/dev/null || true
exit $rc
