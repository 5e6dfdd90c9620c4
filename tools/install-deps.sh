#!/usr/bin/env bash
# Installs what building and testing needs on Debian 12, as root.
# Idempotent: returns quickly when every package is present.
set -euo pipefail

packages=(
  cmake ninja-build make pkg-config python3 git
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  googletest libbenchmark-dev libpcre2-dev
  clang libclang-rt-14-dev llvm
  wine wine32:i386 wine64 fonts-wine
  xvfb xauth imagemagick xdotool
  curl
)

need_update=
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  [ "$(id -u)" -eq 0 ] || { echo "install-deps: run as root to add the i386 architecture" >&2; exit 1; }
  dpkg --add-architecture i386
  need_update=1
fi

# One query for all packages; a package never installed is reported on stderr.
installed=$(dpkg-query -W -f='${Package}:${Architecture} ${Status}\n' "${packages[@]%%:*}" 2>/dev/null \
  | awk '$NF == "installed" { print $1 }' || true)
missing=()
for p in "${packages[@]}"; do
  case $p in
    *:*) pattern="^$p\$" ;;
    *) pattern="^$p:" ;;
  esac
  grep -q "$pattern" <<<"$installed" || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ] || [ -n "$need_update" ]; then
  [ "$(id -u)" -eq 0 ] || { echo "install-deps: run as root to install: ${missing[*]}" >&2; exit 1; }
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  if [ "${#missing[@]}" -gt 0 ]; then
    echo "installing: ${missing[*]}"
    apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
fi
