# Sourced by the Wine scripts: the project's own 32-bit prefix inside the build tree.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$ROOT/build/wineprefix}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# Wine derives its ANSI code page from the locale; pin it so runs agree everywhere.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
# Xvfb's default 8-bit screen would give palette colours; GDI tests want true colour.
XVFB_ARGS=(-a -s "-screen 0 1280x1024x24 -nolisten tcp")
