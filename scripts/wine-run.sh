#!/usr/bin/env bash
# Runs a Windows program in the project's Wine prefix, under a private Xvfb display.
#   scripts/wine-run.sh build/win32/demo.exe [args...]
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
"$ROOT/scripts/wine-prefix.sh"
if [ -z "${MIRELO_XVFB:-}" ]; then
  export MIRELO_XVFB=1
  exec xvfb-run "${XVFB_ARGS[@]}" "$0" "$@"
fi
rc=0
wine "$@" || rc=$?
# The display goes away with us: end the prefix's session before anything draws on it again.
wineserver -k 2>/dev/null || true
exit $rc
