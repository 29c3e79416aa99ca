#!/bin/bash
# The stand-in xinput1_4.dll in the test prefix's system folder, where the
# launcher looks for XInput, and programs run with it preferred to Wine's own.
#   fake_pad.sh install <state-dir> <dll>        copy the stand-in into the prefix
#   fake_pad.sh run <state-dir> <exe> [args]     run a program with the stand-in
# A program run this way hands the override on to the programs it starts. The
# prefix keeps Wine's own XInput for every program run without it.
set -euo pipefail

action=$1
state=$2
shift 2
wine_env="$(dirname "$0")/../../wine/wine_env.sh"

case "$action" in
install)
    # 64-bit system DLLs of a win64 prefix live in system32.
    cp "$1" "$state/prefix/drive_c/windows/system32/xinput1_4.dll"
    ;;
run)
    # wine_env.sh sets its own overrides; the stand-in's is added to them.
    exec "$wine_env" shell "$state" bash -c \
        'WINEDLLOVERRIDES="$WINEDLLOVERRIDES;xinput1_4=n" exec "$WINE" "$@"' fake_pad "$@"
    ;;
*)
    echo "usage: $0 install|run <state-dir> ..." >&2
    exit 2
    ;;
esac
