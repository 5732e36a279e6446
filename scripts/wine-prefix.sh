#!/usr/bin/env bash
# Creates the project's Wine prefix once: no Mono/Gecko dialogs, no crash dialog (it would
# wait for a click forever under Xvfb), and the Chinese UI font ("宋体" / SimSun) mapped to
# WenQuanYi Zen Hei so CJK text has real glyphs. Bump VERSION when the settings change.
# MIRELO_BITS=64: the same for the 64-bit prefix (it also runs 32-bit programs, its SysWOW64).
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
VERSION=2
[ "$(cat "$WINEPREFIX/.mirelo-ready" 2>/dev/null)" = "$VERSION" ] && exit 0

echo "wine-prefix: creating $WINEPREFIX"
rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
wineboot -i >/dev/null 2>&1
wineserver -w

# A UTF-16 .reg file keeps the Chinese value names independent of the caller's locale.
reg="$WINEPREFIX/mirelo.reg"
{
  printf '\xef\xbb\xbfWindows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
  for name in 宋体 新宋体 SimSun NSimSun; do
    printf '"%s"="WenQuanYi Zen Hei"\r\n' "$name"
  done
} | iconv -f UTF-8 -t UTF-16LE > "$reg"
wine regedit /S "$reg" >/dev/null 2>&1
wineserver -w
echo "$VERSION" > "$WINEPREFIX/.mirelo-ready"
