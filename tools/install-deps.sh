#!/usr/bin/env bash
# Installs what building and testing needs on Debian 12, as root.
# Idempotent: returns quickly when every package is present.
set -euo pipefail

packages=(
  cmake ninja-build make python3 git
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  googletest libbenchmark-dev libpcre2-dev
  clang libclang-rt-14-dev
  wine wine32:i386 wine64
  xvfb xauth imagemagick xdotool
  curl
)

missing=()
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  need_update=1
fi
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ] || [ -n "${need_update:-}" ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  if [ "${#missing[@]}" -gt 0 ]; then
    echo "installing: ${missing[*]}"
    apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
fi
