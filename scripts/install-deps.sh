#!/usr/bin/env bash
# Installs the Debian packages the build and tests need. Quick and silent when all are there.
set -euo pipefail

pkgs=(cmake make g++ googletest libgtest-dev libgmock-dev libbenchmark-dev
      g++-mingw-w64-i686 mingw-w64-tools libwine-dev wine wine32:i386
      xvfb xauth fonts-wqy-zenhei clang libclang-rt-14-dev imagemagick python3
      wine64 wixl msitools)

missing=()
for p in "${pkgs[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}"
[ "$(id -u)" -eq 0 ] || { echo "install-deps: run as root (or install the above)" >&2; exit 1; }
export DEBIAN_FRONTEND=noninteractive
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
