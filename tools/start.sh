#!/usr/bin/env bash
# Installs what is missing, builds the Windows configuration and starts
# Quillon under Wine. Without a DISPLAY it runs on a virtual display.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash tools/install-deps.sh
cmake --preset windows
cmake --build --preset windows

app_dir=build/windows/app
if [ ! -f "$app_dir/Quillon.exe" ]; then
    echo "The build is done (build/windows), but there is no program to start yet:"
    echo "Quillon has no window yet ($app_dir/Quillon.exe is not built)."
    exit 0
fi

# The program gets a Wine prefix of its own, apart from the one the tests use.
session="$root/build/windows/run"
wine_test="$root/cmake/wine-test.sh"
trap 'bash "$wine_test" stop "$session" >/dev/null 2>&1' EXIT
own_display=
[ -n "${DISPLAY:-}" ] || own_display=1
bash "$wine_test" start "$session" >/dev/null
if [ -n "$own_display" ]; then
    display=$(cat "$session/wine-session/display")
    echo "No DISPLAY was set: Quillon runs on the virtual display $display"
    echo "(look at it with: DISPLAY=$display import -window root shot.png)."
fi
echo "Starting Quillon (working directory $app_dir); close it or press Ctrl+C to stop."
cd "$app_dir"
bash "$wine_test" run "$session" Quillon.exe
