#!/bin/bash
# display_variant.sh TwoDisplays|At144Dpi <state-dir> <command..>
# Runs the command with the test prefix's server restarted on two screens in one
# Xinerama desktop without RandR (an Xvfb of its own, ended by its PID), or at
# LogPixels 144, which Wine reads as its server starts; then restores it.
set -euo pipefail
variant=$1
state=$(cd "$2" && pwd)
shift 2
wine_env="$(dirname "$0")/wine_env.sh"
xvfb_pid=""
dpi() { "$wine_env" shell "$state" bash -c '"$WINE" reg "$@" >/dev/null 2>&1' reg "$1" \
    'HKCU\Control Panel\Desktop' /v LogPixels "${@:2}" /f; }
restore() {
    [[ $variant != At144Dpi ]] || dpi delete || true
    ZENT_DISPLAY="" "$wine_env" restart "$state"
    [[ -z $xvfb_pid ]] || kill "$xvfb_pid"
}
if [[ $variant == TwoDisplays ]]; then
    rm -f "$state/display2"
    setsid Xvfb -displayfd 3 +xinerama -extension RANDR -screen 0 1024x768x24 \
        -screen 1 800x600x24 -nolisten tcp -ac 3>"$state/display2" >"$state/xvfb2.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 100); do [[ -s "$state/display2" ]] && break || sleep 0.1; done
    export ZENT_DISPLAY=":$(tr -d '[:space:]' <"$state/display2")"
else
    dpi add /t REG_DWORD /d 144
fi
trap restore EXIT
"$wine_env" restart "$state"
"$@"
