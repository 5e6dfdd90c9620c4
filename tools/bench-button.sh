#!/usr/bin/env bash
# Skinned-button benchmark: the paint cost of one 173 x 27 page button per
# state (DrawItem into a memory device context) and the one-off cost of
# InitButton with its region building, under Wine.
#
#   bash tools/bench-button.sh
#
# It starts and finally stops the Wine session of the build directory, so
# don't run it while tests run in that same directory.
#
#   QUILLON_BUILD_DIR   Windows build directory (default build/windows)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build=${QUILLON_BUILD_DIR:-$root/build/windows}

bash tools/install-deps.sh
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake --preset windows -B "$build" >/dev/null
fi
cmake --build "$build" --target controls_bench -j2 >/dev/null

trap 'bash cmake/wine-test.sh stop "$build" >/dev/null 2>&1 || true' EXIT
bash cmake/wine-test.sh start "$build" >/dev/null
bash cmake/wine-test.sh run "$build" "$build/bench/controls/controls_bench.exe" | tr -d '\r'
echo "(Wine $(wine --version 2>/dev/null | sed 's/wine-//'), $(nproc) cores)"
