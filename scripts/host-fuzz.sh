#!/usr/bin/env bash
# The hostile host (tests/fuzz/host) against the real component of one build under Wine:
# registers that build's MireloList.ocx in its project prefix and runs host_calls.exe.
#   scripts/host-fuzz.sh 32|64 [--seed N] [--seconds S] [--calls N]
# Without --seed each run takes a fresh one and prints it; rerun with it to replay.
set -euo pipefail
cd "$(dirname "$0")/.."
export MIRELO_BITS=${1:?32 or 64}; shift
source scripts/wine-env.sh
dir=build/win32; [ "$MIRELO_BITS" = 64 ] && dir=build/win64
if [ ! -f "$dir/host_calls.exe" ]; then echo "host fuzz: $dir/host_calls.exe not built"; exit 1; fi
scripts/wine-prefix.sh
cd "$dir"
"$WINE" regsvr32 /s MireloList.ocx
# Inside make test's Xvfb the display is there already.
run=(); [ -n "${DISPLAY:-}" ] || run=(xvfb-run "${XVFB_ARGS[@]}")
"${run[@]}" "$WINE" host_calls.exe "$@" 2>&1 | tr -d '\r'
