#!/usr/bin/env bash
# Creates the project's Wine prefix once: no Mono/Gecko dialogs, and the Chinese UI font
# ("宋体" / SimSun) mapped to WenQuanYi Zen Hei so CJK text has real glyphs.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
[ -f "$WINEPREFIX/.mirelo-ready" ] && exit 0

echo "wine-prefix: creating $WINEPREFIX"
rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
wineboot -i >/dev/null 2>&1
wineserver -w

# A UTF-16 .reg file keeps the Chinese value names independent of the caller's locale.
reg="$WINEPREFIX/fonts.reg"
{
  printf '\xef\xbb\xbfWindows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
  for name in 宋体 新宋体 SimSun NSimSun; do
    printf '"%s"="WenQuanYi Zen Hei"\r\n' "$name"
  done
} | iconv -f UTF-8 -t UTF-16LE > "$reg"
wine regedit /S "$reg" >/dev/null 2>&1
wineserver -w
touch "$WINEPREFIX/.mirelo-ready"
