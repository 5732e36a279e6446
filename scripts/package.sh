#!/usr/bin/env bash
# Builds the installer package of one build of the component:
#   scripts/package.sh x86|x64 BUILD_DIR [VERSION [OUTPUT]]
# The component is stripped into stage-<arch>/ beside the output, the kit for C++ hosts added
# (README.md, include/, samples/, using.md), and the folder packed by wixl from package/: stage-<arch>/ is
# what the package installs.
# VERSION defaults to the tree's VERSION file; the tests pass an older one to build an
# upgrade source.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
arch=$1 build=$2
version=${3:-$(cat "$ROOT/VERSION")}
out=$(realpath -m "${4:-$ROOT/build/dist/MireloList-$version-$arch.msi}")
case $arch in
  x86) strip=i686-w64-mingw32-strip ;;
  x64) strip=x86_64-w64-mingw32-strip ;;
  *) echo "package: arch is x86 or x64, not $arch" >&2; exit 2 ;;
esac
[ -f "$build/MireloList.ocx" ] || { echo "package: no $build/MireloList.ocx" >&2; exit 1; }

stage=$(dirname "$out")/stage-$arch
rm -rf "$stage" && mkdir -p "$stage" "$(dirname "$out")"
"$strip" --strip-all -o "$stage/MireloList.ocx" "$build/MireloList.ocx"
# The kit for C++ hosts, as scripts/kit.sh assembles it (it also leaves its zip in build/dist).
kit=$(mktemp -d)
trap 'rm -rf "$kit"' EXIT
KIT_STAGE=$kit "$ROOT/scripts/kit.sh" >/dev/null
mkdir -p "$stage/include" "$stage/samples"
cp "$kit"/*/include/* "$stage/include/"
cp "$kit"/*/samples/* "$stage/samples/"
cp "$kit"/*/using.md "$stage/"
# The zip's README describes bin/x86 and bin/x64; the installed folder has its one component.
"$ROOT/scripts/kit.sh" --readme "$arch" >"$stage/README.md"

# wixl finds the files named in the source relative to the current folder.
(cd "$stage" && wixl -a "$arch" -D Arch="$arch" -D Version="$version" -I "$ROOT/package" \
   -o "$out" "$ROOT/package/MireloList.wxs")

# Keys that exist without a value: MSI writes them from Registry rows named "*" (created on
# install, removed on uninstall), which wixl has no element for.
clsid=$(sed -n 's/.*define Clsid = "\(.*\)".*/\1/p' "$ROOT/package/registry.wxi")
category=$(sed -n 's/.*define CatControl = "\(.*\)".*/\1/p' "$ROOT/package/registry.wxi")
empty_key() {
  printf "INSERT INTO \`Registry\` (\`Registry\`, \`Root\`, \`Key\`, \`Name\`, \`Component_\`) VALUES ('%s', 0, '%s', '*', 'Control')" "$1" "$2"
}
msibuild "$out" -q "$(empty_key regControlKey "CLSID\\$clsid\\Control")"
msibuild "$out" -q "$(empty_key regCategoryKey "CLSID\\$clsid\\Implemented Categories\\$category")"
echo "package: $out ($(stat -c %s "$out") bytes; MireloList.ocx $(stat -c %s "$stage/MireloList.ocx") bytes)"
