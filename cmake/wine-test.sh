#!/usr/bin/env bash
# Runs Windows programs under Wine in a private session kept in one directory:
#   DIR/wineprefix     the Wine prefix (32-bit), created on first use
#   DIR/wine-session/  the virtual display's number and process id
#
#   wine-test.sh start DIR          create the prefix if needed, start a virtual
#                                   display (only when DISPLAY is not set) and a
#                                   persistent wineserver
#   wine-test.sh stop DIR           stop the wineserver and the virtual display
#   wine-test.sh run DIR EXE ARGS   run one program; ctest uses this as the
#                                   cross-compiling emulator
#
# A persistent wineserver makes each program start in a fraction of a second
# instead of seconds. Without "start", "run" still works, only slower.
set -euo pipefail

usage() {
    echo "usage: $0 start|stop DIR | run DIR EXE [ARGS...]" >&2
    exit 2
}

[ $# -ge 2 ] || usage
command=$1
dir=$(mkdir -p "$2" && cd "$2" && pwd)
shift 2

state="$dir/wine-session"
export WINEPREFIX="$dir/wineprefix"
export WINEDEBUG=-all
# Without these Wine offers to download its .NET and HTML engines, which
# blocks a headless run.
export WINEDLLOVERRIDES="mscoree=;mshtml="

# Whether a process runs, as the given program if one is named (a zombie does
# not run: its parent may take a while to reap it).
running() {
    local stat name=${2:-*}
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    [[ $stat == "$1 ("$name") "[^Z]* ]]
}

# Whether the recorded virtual display is still our running Xvfb.
xvfb_alive() {
    local pid
    pid=$(cat "$state/xvfb.pid" 2>/dev/null) || return 1
    running "$pid" Xvfb && [ -s "$state/display" ]
}

use_recorded_display() {
    if [ -z "${DISPLAY:-}" ] && xvfb_alive; then
        DISPLAY=$(cat "$state/display")
        export DISPLAY
    fi
}

start_xvfb() {
    mkdir -p "$state"
    rm -f "$state/display" "$state/xvfb.pid" "$state/displayfd"
    # Xvfb picks a free display number itself and writes it to fd 3. Its
    # output goes to a file so that no caller waits on an inherited pipe.
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
        </dev/null >"$state/xvfb.log" 2>&1 3>"$state/displayfd" &
    local pid=$! i
    for ((i = 0; i < 100; i++)); do
        if grep -q '^[0-9]' "$state/displayfd" 2>/dev/null; then
            echo "$pid" >"$state/xvfb.pid"
            echo ":$(head -n1 "$state/displayfd")" >"$state/display"
            return 0
        fi
        running "$pid" || break
        sleep 0.1
    done
    echo "wine-test: Xvfb did not start:" >&2
    cat "$state/xvfb.log" >&2
    kill "$pid" 2>/dev/null || true
    return 1
}

stop_xvfb() {
    if xvfb_alive; then
        local pid
        pid=$(cat "$state/xvfb.pid")
        kill "$pid" 2>/dev/null || true
        for ((i = 0; i < 50; i++)); do
            running "$pid" Xvfb || break
            sleep 0.1
        done
    fi
    rm -f "$state/display" "$state/xvfb.pid" "$state/displayfd"
}

case $command in
start)
    if [ -z "${DISPLAY:-}" ]; then
        xvfb_alive || start_xvfb
        use_recorded_display
    fi
    mkdir -p "$WINEPREFIX" "$state"
    create=
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        # A 32-bit prefix is enough for the 32-bit programs, and quicker to make.
        create=1
        export WINEARCH=win32
    fi
    # Quiet, and with no inherited pipes: the server and the resident Wine
    # processes it starts outlive this script.
    wineserver -p </dev/null >/dev/null 2>&1 || true
    if [ -n "$create" ]; then
        echo "wine-test: creating the Wine prefix $WINEPREFIX"
        wine wineboot.exe --init </dev/null >"$state/wineboot.log" 2>&1 || {
            cat "$state/wineboot.log" >&2
            exit 1
        }
    fi
    # Without a window manager Wine waits 2 s for every managed top-level
    # window that is hidden or destroyed; on our own virtual display, which
    # has none, windows are left unmanaged. A crashing program prints its
    # backtrace and ends instead of waiting in a crash dialog.
    if xvfb_alive && [ "$DISPLAY" = "$(cat "$state/display")" ]; then managed=N; else managed=Y; fi
    printf '%s\r\n' REGEDIT4 "" \
        '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' "\"Managed\"=\"$managed\"" "" \
        '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' '"ShowCrashDialog"=dword:00000000' "" \
        >"$state/settings.reg"
    wine reg import "Z:$state/settings.reg" </dev/null >"$state/reg.log" 2>&1 || {
        cat "$state/reg.log" >&2
        exit 1
    }
    echo "wine-test: wineserver running for $WINEPREFIX, DISPLAY=${DISPLAY:-}"
    ;;
stop)
    wineserver -k </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
    stop_xvfb
    echo "wine-test: stopped"
    ;;
run)
    [ $# -ge 1 ] || usage
    use_recorded_display
    exec wine "$@"
    ;;
*)
    usage
    ;;
esac
