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
# Inside make test's Xvfb (scripts/run-tests.sh) the display is there already. Otherwise the
# registration runs under the same Xvfb as the run: a Wine desktop started without a display
# (by a regsvr32 outside it) would refuse the hosted control its windows.
run=(); [ -n "${MIRELO_XVFB:-}" ] || run=(xvfb-run "${XVFB_ARGS[@]}")
"${run[@]}" bash -c '"$0" regsvr32 /s MireloList.ocx && "$0" host_calls.exe "$@"' "$WINE" "$@" 2>&1 | tr -d '\r'
