#!/bin/bash
# Runs a command on another desktop of the test prefix, then gives the prefix
# back as it was:
#   display_variant.sh two-displays <state-dir> <command..>
#   display_variant.sh dpi-144 <state-dir> <command..>
# two-displays: an Xvfb of its own with two screens, 1024 x 768 and 800 x 600,
# in one Xinerama desktop, without RandR, so that Wine reports two monitors.
# dpi-144: the prefix's LogPixels set to 144. Wine reads both as its server
# starts, so the prefix's server is restarted before and after. The command
# learns the desktop from ZENT_DISPLAY_VARIANT. Only the Xvfb started here is
# ended, by its PID.
set -euo pipefail

variant=$1
state=$(cd "$2" && pwd)
shift 2
wine_env="$(dirname "$0")/wine_env.sh"
desktop_key='HKCU\Control Panel\Desktop'
xvfb_pid=""

# "reg" in the prefix, with wine_env.sh's Wine.
prefix_reg() { "$wine_env" shell "$state" bash -c '"$WINE" reg "$@"' reg "$@" >/dev/null 2>&1; }

restore() {
    if [[ "$variant" == dpi-144 ]]; then
        prefix_reg delete "$desktop_key" /v LogPixels /f || true
    fi
    unset ZENT_DISPLAY
    "$wine_env" restart "$state"
    if [[ -n "$xvfb_pid" ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
    fi
}

case "$variant" in
two-displays)
    rm -f "$state/display2"
    setsid Xvfb -displayfd 3 +xinerama -extension RANDR -screen 0 1024x768x24 \
        -screen 1 800x600x24 -nolisten tcp -ac 3>"$state/display2" >"$state/xvfb2.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 100); do
        [[ -s "$state/display2" ]] && break
        sleep 0.1
    done
    export ZENT_DISPLAY=":$(tr -d '[:space:]' <"$state/display2")"
    ;;
dpi-144)
    prefix_reg add "$desktop_key" /v LogPixels /t REG_DWORD /d 144 /f
    ;;
*)
    echo "usage: $0 two-displays|dpi-144 <state-dir> <command..>" >&2
    exit 2
    ;;
esac
trap restore EXIT
"$wine_env" restart "$state"
ZENT_DISPLAY_VARIANT=$variant "$@"
