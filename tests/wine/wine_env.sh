#!/bin/bash
# The private Wine world of one build folder: a prefix booted once and reused,
# and an Xvfb display that the test run starts and stops.
#   wine_env.sh up <state-dir>                 start the display, boot the prefix
#   wine_env.sh down <state-dir>               stop what "up" started
#   wine_env.sh run <state-dir> <exe> [args]   run a Windows program there
#   wine_env.sh shell <state-dir> <command..>  run a shell command with the environment set
#   wine_env.sh restart <state-dir>            "up" with a new server, on $ZENT_DISPLAY if set
# Only processes started here are ended: Xvfb by its recorded PID, Wine through
# "wineserver -k" of this prefix.
set -euo pipefail

action=$1
state=$(mkdir -p "$2" && cd "$2" && pwd)
shift 2

export WINEPREFIX="$state/prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
if command -v wine >/dev/null 2>&1; then WINE=$(command -v wine); else WINE=/usr/lib/wine/wine64; fi
if command -v wineserver >/dev/null 2>&1; then WINESERVER=$(command -v wineserver); else WINESERVER=/usr/lib/wine/wineserver; fi
export WINE WINESERVER

display_up() {
    [[ -s "$state/display" && -s "$state/xvfb.pid" ]] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null
}

start_display() {
    rm -f "$state/display" "$state/xvfb.pid"
    # -displayfd lets Xvfb pick a free display number, so parallel runs never collide.
    # setsid: the display must outlive the test that started it.
    setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -ac 3>"$state/display" >"$state/xvfb.log" 2>&1 &
    echo $! >"$state/xvfb.pid"
    for _ in $(seq 1 100); do
        [[ -s "$state/display" ]] && return 0
        sleep 0.1
    done
    echo "Xvfb did not start; see $state/xvfb.log" >&2
    return 1
}

use_display() { export DISPLAY="${ZENT_DISPLAY:-:$(tr -d '[:space:]' <"$state/display")}"; }

boot_prefix() {
    if [[ ! -f "$WINEPREFIX/.zent-booted" ]]; then
        "$WINE" wineboot -i >"$state/wineboot.log" 2>&1 || true
        # Without a window manager, managed windows make Wine wait on every hide.
        "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$state/wineboot.log" 2>&1
        "$WINESERVER" -w
        touch "$WINEPREFIX/.zent-booted"
    fi
}

case "$action" in
up)
    display_up || start_display
    use_display
    boot_prefix
    # A persistent server, with the prefix's services already running, spares
    # every test program the start-up; the services must not inherit the output
    # pipe of a test, or CTest would wait for them to end.
    # Idempotent: a server left running by an earlier "up" is simply reused.
    setsid "$WINESERVER" -p </dev/null >/dev/null 2>&1 || true
    setsid "$WINE" wineboot </dev/null >/dev/null 2>&1
    ;;
restart)
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true
    exec "$0" up "$state"
    ;;
down)
    "$WINESERVER" -k 2>/dev/null || true
    if [[ -s "$state/xvfb.pid" ]]; then
        kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
        rm -f "$state/xvfb.pid" "$state/display"
    fi
    ;;
run)
    display_up || { echo "wine environment is not up: run '$0 up $state' first" >&2; exit 1; }
    use_display
    exec "$WINE" "$@"
    ;;
shell)
    display_up || { echo "wine environment is not up: run '$0 up $state' first" >&2; exit 1; }
    use_display
    exec "$@"
    ;;
*)
    echo "usage: $0 up|down|run|shell|restart <state-dir> ..." >&2
    exit 2
    ;;
esac
