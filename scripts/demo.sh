#!/usr/bin/env bash
# Registers the component in the project's Wine prefix and runs the demo host: it saves a
# screenshot, tours the gestures and saves a second one. On a desktop (DISPLAY set, not CI)
# the window then stays open on that display for the user's own mouse; without a display, or
# in CI, everything runs under a private Xvfb and the demo ends after the tour. `DISPLAY=
# make demo` forces the headless run. MIRELO_BITS=64 runs the 64-bit build's demo with the
# 64-bit component (after `make win64`), in the 64-bit prefix. Arguments go to demo.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
WIN=build/win${MIRELO_BITS:-32}
[ -f $WIN/demo.exe ] || { echo "demo: $WIN/demo.exe is not built (make demo builds it)" >&2; exit 1; }
args=("$@")
if [ -n "${DISPLAY:-}" ] && [ -z "${CI:-}" ]; then
  # wine-run.sh starts no Xvfb when told a display is there already: the desktop's.
  export MIRELO_XVFB=desktop
  [ ${#args[@]} -gt 0 ] || args=(--keep-open)
else
  case " ${args[*]-} " in
    *" --interactive "* | *" --keep-open "*)
      echo "demo: --interactive and --keep-open leave the window to a user: they need a display (DISPLAY)" >&2
      exit 2 ;;
  esac
fi
cd $WIN
[ -f MireloList.ocx ] && ../../scripts/wine-run.sh regsvr32 /s MireloList.ocx
exec ../../scripts/wine-run.sh demo.exe "${args[@]}"
