#!/usr/bin/env bash
# Takes a screenshot of a showcase program on a virtual display of its own,
# under Wine. The showcase prints "ready WIDTH HEIGHT" once it has painted and
# ends when the stop file named by its argument appears.
#
#   bash tools/screenshot.sh TARGET EXE_IN_BUILD OUTPUT_PNG [BUILD_DIR]
#   bash tools/screenshot.sh buttons | downloader-page [BUILD_DIR]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
case "${1:-}" in
buttons)
    set -- controls_button_showcase tests/controls/controls_button_showcase.exe docs/skinned-buttons.png "${2:-}" ;;
downloader-page)
    set -- downloader_page_showcase tests/downloader/downloader_page_showcase.exe docs/downloader-page.png "${2:-}" ;;
esac
[ $# -ge 3 ] || { sed -n '2,7p' "$0" >&2; exit 2; }
target=$1
build=$(cd "${4:-$root/build/windows}" && pwd)
exe="$build/$2"
out="$root/$3"

cmake --build "$build" --target "$target" -j2

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
    touch "$work/stop"
    if [ -n "$app_pid" ]; then
        for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
        kill "$app_pid" 2>/dev/null || true
    fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

# A display of our own, so nothing else is on the picture.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp </dev/null >"$work/xvfb.log" 2>&1 3>"$work/display" &
xvfb_pid=$!
for _ in $(seq 100); do grep -q '^[0-9]' "$work/display" 2>/dev/null && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"

# The stop file as the program sees it (Wine's Z: drive is the Unix root).
stop_file="Z:$(echo "$work/stop" | tr '/' '\\')"
bash "$root/cmake/wine-test.sh" run "$build" "$exe" "$stop_file" >"$work/out" 2>"$work/err" &
app_pid=$!
for _ in $(seq 300); do grep -q '^ready' "$work/out" 2>/dev/null && break; sleep 0.1; done
read -r _ width height < <(grep '^ready' "$work/out") || { echo "the showcase did not start" >&2; cat "$work/err" >&2; exit 1; }
sleep 1  # let the last paints land

import -window root -crop "${width}x${height}+0+0" +repage "$out"
echo "wrote $out (${width}x${height})"
