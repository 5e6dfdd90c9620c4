#!/usr/bin/env bash
# Download benchmark: the download worker under Wine against curl, both
# fetching the same file from one loopback server in the same run.
#
#   bash tools/bench-download.sh
#
# Measures one worker and three workers at once (each saving its own copy),
# curl once and three times at once, and, to show where the worker's time
# goes, the HTTP client's read loop alone (2048-byte and 64 KB reads), the
# same loop writing each chunk to a file (the worker's system calls without
# the worker) and the file writes alone (2048-byte writes). CPU time counts the measured process
# and, under Wine, the wineserver that serves it.
#
# It starts and finally stops the Wine session of the build directory, so
# don't run it while tests run in that same directory.
#
#   QUILLON_BUILD_DIR   Windows build directory (default build/windows)
#   QUILLON_BENCH_MB    size of the file in MB (default 256)
#   QUILLON_BENCH_RUNS  runs of each case; the median (by time) is shown
#                       (default 3)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build=${QUILLON_BUILD_DIR:-$root/build/windows}
size_mb=${QUILLON_BENCH_MB:-256}
runs=${QUILLON_BENCH_RUNS:-3}

bash tools/install-deps.sh
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake --preset windows -B "$build" >/dev/null
fi
cmake --build "$build" --target download_bench -j2 >/dev/null
bench_exe="$build/bench/download/download_bench.exe"

work=$(mktemp -d /tmp/quillon-bench.XXXXXX)
server_pid=
cleanup() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
    bash cmake/wine-test.sh stop "$build" >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

echo "making a ${size_mb} MB file of random bytes"
head -c "${size_mb}M" /dev/urandom >"$work/video.bin"
mkdir -p "$work/downloads"
python3 tools/bench-server.py --video "$work/video.bin" --port-file "$work/port" --lifetime 1800 &
server_pid=$!
for _ in $(seq 100); do [ -s "$work/port" ] && break; sleep 0.1; done
url="http://127.0.0.1:$(cat "$work/port")"
folder="Z:${work//\//\\}\\downloads"

bash cmake/wine-test.sh start "$build" >/dev/null
prefix_dir=$(cd "$build/wineprefix" && pwd)
ticks_per_second=$(getconf CLK_TCK)

# The wineserver of our prefix runs in a directory named after the prefix's
# device and inode.
wineserver_pid() {
    local id
    id=$(printf '%x-%x' "$(stat -c %d "$prefix_dir")" "$(stat -c %i "$prefix_dir")")
    for pid in $(pidof wineserver64 wineserver32 wineserver); do
        case $(readlink "/proc/$pid/cwd" 2>/dev/null) in
        *"/server-$id") echo "$pid"; return ;;
        esac
    done
}
server_cpu_seconds() {
    local pid=$1
    [ -n "$pid" ] || { echo 0; return; }
    awk -v t="$ticks_per_second" '{ printf "%.3f", ($14 + $15) / t }' "/proc/$pid/stat"
}

rows=()

# curl_once N: N curls at once, each saving its own copy. Prints
# "WALL_S CPU_S EXTRA_CPU_S MEGABYTES".
curl_once() {
    local n=$1 times bytes
    times=$( { /usr/bin/time -f '%e %U %S' bash -c '
        for i in $(seq "$1"); do curl -s -o "$2/curl-$i.bin" "$3/get_video?video_id=bench&t=tok" & done
        wait' _ "$n" "$work/downloads" "$url"; } 2>&1 >/dev/null | tail -n1)
    bytes=$(cat "$work"/downloads/curl-*.bin | wc -c)
    rm -f "$work"/downloads/curl-*.bin
    [ "$bytes" -eq $((n * size_mb * 1048576)) ] || { echo "curl fetched $bytes bytes" >&2; exit 1; }
    awk -v t="$times" -v mb=$((n * size_mb)) 'BEGIN { split(t, f, " "); print f[1], f[2] + f[3], 0, mb }'
}

# wine_once ARGS...: one run of the benchmark program, same output.
wine_once() {
    local pid before after out
    pid=$(wineserver_pid)
    before=$(server_cpu_seconds "$pid")
    out=$(bash cmake/wine-test.sh run "$build" "$bench_exe" "$url" "$folder" "$@" | tr -d '\r' | grep '^result')
    after=$(server_cpu_seconds "$pid")
    [[ $out == *ok=1* ]] || { echo "download_bench $* failed: $out" >&2; exit 1; }
    awk -v o="$out" -v a="$after" -v b="$before" 'BEGIN {
        match(o, /wall_ms=[0-9.]+/); wall = substr(o, RSTART + 8, RLENGTH - 8)
        match(o, /cpu_ms=[0-9.]+/); cpu = substr(o, RSTART + 7, RLENGTH - 7)
        match(o, /bytes=[0-9]+/); bytes = substr(o, RSTART + 6, RLENGTH - 6)
        print wall / 1000, cpu / 1000, a - b, bytes / 1048576 }'
}

# measure NAME FUNCTION ARGS...: the run with the median time of $runs.
measure() {
    local name=$1 results=() i
    shift
    for ((i = 0; i < runs; i++)); do
        results+=("$("$@")")
    done
    local median
    median=$(printf '%s\n' "${results[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
    read -r wall cpu extra mb <<<"$median"
    rows+=("$name|$wall|$cpu|$extra|$mb")
}

echo "warming up"
curl -s -o /dev/null "$url/get_video?video_id=bench&t=tok"
bash cmake/wine-test.sh run "$build" "$bench_exe" "$url" "$folder" read 65536 >/dev/null

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
echo "measuring, median of $runs runs each"
measure "curl x1" curl_once 1
measure "worker x1" wine_once workers 1
measure "curl x3" curl_once 3
measure "worker x3" wine_once workers 3
measure "reads alone, 2048 B" wine_once read 2048
measure "reads alone, 64 KB" wine_once read 65536
measure "reads+writes, 2048 B" wine_once copy 2048
measure "writes alone, 2048 B" wine_once write 2048 "$size_mb"

echo
echo "Download of a ${size_mb} MB file from 127.0.0.1 (Wine $(wine --version 2>/dev/null | sed 's/wine-//'), $(nproc) cores)"
echo "median of $runs runs; load average before $load_before, after $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-22s %9s %9s %12s %14s %10s\n' "case" "time s" "MB/s" "CPU s" "CPU ms per MB" "vs curl"
curl1=
curl3=
for r in "${rows[@]}"; do
    IFS='|' read -r name wall cpu extra mb <<<"$r"
    case $name in
    "curl x1") curl1=$wall ;;
    "curl x3") curl3=$wall ;;
    esac
    ratio=-
    case $name in
    "worker x1" | read* | writes*) ratio=$(awk -v w="$wall" -v c="$curl1" 'BEGIN { printf "%.1fx", w / c }') ;;
    "worker x3") ratio=$(awk -v w="$wall" -v c="$curl3" 'BEGIN { printf "%.1fx", w / c }') ;;
    esac
    awk -v n="$name" -v w="$wall" -v c="$cpu" -v e="$extra" -v mb="$mb" -v r="$ratio" 'BEGIN {
        total = c + e
        cpu = (e > 0) ? sprintf("%.2f+%.2f", c, e) : sprintf("%.2f", c)
        printf "%-22s %9.2f %9.1f %12s %14.2f %10s\n", n, w, mb / w, cpu, total * 1000 / mb, r }'
done
echo "CPU s under Wine: the program + its wineserver. 'vs curl': time relative to curl x1 (x3 for three workers)."
