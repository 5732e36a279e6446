#!/usr/bin/env bash
# Assembles the kit for C++ hosts from a finished build and zips it:
#   build/dist/MireloList-<VERSION>-sdk.zip
#     README.md                      samples/README.md: what the kit holds, the build lines
#     bin/x86/MireloList.ocx         the 32-bit component
#     bin/x64/MireloList.ocx         the 64-bit component (when build/win64 has one)
#     include/MireloList.idl         the type library's source
#     include/MireloList_h.h         widl's header and GUID definitions, made by this build
#     include/MireloList_i.c
#     include/MireloList.tlb         for #import with Microsoft's compiler
#     samples/host.cpp
#     using.md                       docs/using.md
# Prints the zip's path. KIT_STAGE=DIR keeps the unzipped tree there (the installers reuse it).
#   scripts/kit.sh --readme x86|x64   prints the README an installer package puts beside its
#                                     component instead (that folder has no bin/).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"

# readme zip | readme installed x86|x64: samples/README.md with the lines for that layout.
readme() {
  local bits=32
  [ "${2:-}" = x64 ] && bits=64
  awk -v want="$1" '/^<!-- (zip|installed|all) -->$/ { keep = $2 == want || $2 == "all"; next }
                    keep' "$ROOT/samples/README.md" | sed -e "s/@BITS@/$bits/g" -e "s/@ARCH@/${2:-}/g"
}
if [ "${1:-}" = --readme ]; then
  readme installed "$2"
  exit 0
fi

WIN=$ROOT/build/win32
VERSION=$(tr -d ' \r\n' <"$ROOT/VERSION")
NAME=MireloList-$VERSION-sdk
DIST=$ROOT/build/dist

for f in MireloList.ocx MireloList_h.h MireloList_i.c MireloList.tlb; do
  [ -f "$WIN/$f" ] || { echo "kit: $WIN/$f is missing; run make win32 first" >&2; exit 1; }
done

stage=${KIT_STAGE:-$(mktemp -d)}
[ -n "${KIT_STAGE:-}" ] || trap 'rm -rf "$stage"' EXIT
kit=$stage/$NAME
rm -rf "$kit"
mkdir -p "$kit/bin/x86" "$kit/include" "$kit/samples"
# Symbols are of no use to a host; stripped, the component is a fraction of its size.
i686-w64-mingw32-strip --strip-all -o "$kit/bin/x86/MireloList.ocx" "$WIN/MireloList.ocx"
if [ -f "$ROOT/build/win64/MireloList.ocx" ]; then
  mkdir -p "$kit/bin/x64"
  x86_64-w64-mingw32-strip --strip-all -o "$kit/bin/x64/MireloList.ocx" "$ROOT/build/win64/MireloList.ocx"
fi
cp "$ROOT/src/server/MireloList.idl" "$WIN/MireloList_i.c" "$WIN/MireloList.tlb" "$kit/include/"
# widl names the build's own path in its banner; the kit's user has no such path.
sed '1s|from .*MireloList\.idl|from MireloList.idl|' "$WIN/MireloList_h.h" >"$kit/include/MireloList_h.h"
sed -i '1s|from .*MireloList\.idl|from MireloList.idl|' "$kit/include/MireloList_i.c"
cp "$ROOT/samples/host.cpp" "$kit/samples/"
readme zip >"$kit/README.md"
cp "$ROOT/docs/using.md" "$kit/using.md"

mkdir -p "$DIST"
zip=$DIST/$NAME.zip
rm -f "$zip"
python3 - "$stage" "$NAME" "$zip" <<'EOF'
import os, sys, zipfile
stage, name, out = sys.argv[1:]
with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as z:
    for folder, _, files in sorted(os.walk(os.path.join(stage, name))):
        for f in sorted(files):
            path = os.path.join(folder, f)
            z.write(path, os.path.relpath(path, stage))
EOF
echo "$zip"
