# Sourced by the Wine scripts: the project's own prefixes inside the build tree.
# MIRELO_BITS=64 selects the 64-bit one (WINEARCH=win64), whose programs run under Wine's
# 64-bit loader; Debian's `wine` always starts the 32-bit one (docs/wine.md).
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
WINEPREFIX64="${WINEPREFIX64:-$ROOT/build/wineprefix64}"
WINE64=/usr/lib/wine/wine64
if [ "${MIRELO_BITS:-32}" = 64 ]; then
  export WINEPREFIX="$WINEPREFIX64" WINEARCH=win64
  WINE=$WINE64
else
  export WINEPREFIX="${WINEPREFIX:-$ROOT/build/wineprefix}" WINEARCH=win32
  WINE=wine
fi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# Wine derives its ANSI code page from the locale; pin it so runs agree everywhere.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
# Xvfb's default 8-bit screen would give palette colours; GDI tests want true colour.
XVFB_ARGS=(-a -s "-screen 0 1280x1024x24 -nolisten tcp")
