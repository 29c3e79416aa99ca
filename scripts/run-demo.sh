#!/bin/bash
# One launch for real: builds the Windows programs, puts the launcher beside the
# stand-in emulator in a fresh folder, starts a private Wine world (own display,
# own prefix, never a test build's), launches "D:\Images\Space Race.img", tells
# what the emulator received, takes a screenshot, holds the exit key and shows
# that everything closed. Debian, as root.
#   ZENT_DEMO_BUILD=<dir>  use that build folder instead of the windows preset's
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/setup.sh

build=${ZENT_DEMO_BUILD:-build/windows}
if [[ -z "${ZENT_DEMO_BUILD:-}" ]]; then
    cmake --preset windows >/dev/null
    cmake --build --preset windows
else
    cmake --preset windows -B "$build" >/dev/null
    cmake --build "$build" -j2
fi
build=$(cd "$build" && pwd)

demo=$(mktemp -d /tmp/zent-demo.XXXXXX)
state=$demo/wine
folder=$demo/emulator
env_script=$root/tests/wine/wine_env.sh
mkdir -p "$folder"

tear_down() {
    "$env_script" down "$state" >/dev/null 2>&1 || true
    rm -rf "$state"
}
trap tear_down EXIT

crlf() { printf '%s\r\n' "$@"; }

cp "$build/ZentavioWrapper.exe" "$build/tests/e2e/zentavio.exe" \
    "$build/tests/e2e/zentavio_old_gfx.exe" "$folder/"
# Escape ends the game; high priority; 120 % speed; the frame-rate display off.
crlf 27 1 ' 120 ' 0 ' 2 ' 'ROAD FIGHT|68|0|False|False|False' 'SPACE RACE|69|1|True|False|True' \
    >"$folder/zentconfig.ini"
crlf '[video]' 'renderer=saved' >"$folder/tempavio.cfg"
crlf '[video]' 'renderer=left over' >"$folder/zentavio.cfg"
log=$folder/zentavio_standin.log

echo "== Folder $folder"
echo "   zentconfig.ini:"
sed 's/\r$//; s/^/     /' "$folder/zentconfig.ini"

echo "== Starting a private Wine display and prefix in $state (the first start takes a while)"
"$env_script" up "$state" </dev/null >"$demo/wine-up.log" 2>&1

# The log's lines end with CR LF.
log_lines() { if [[ -f "$log" ]]; then tr -d '\r' <"$log"; fi; }

wait_for_line() { # pattern, seconds
    for _ in $(seq 1 $(($2 * 10))); do
        log_lines | grep -q -- "$1" && return 0
        sleep 0.1
    done
    return 1
}

launch() {
    rm -f "$log"
    "$env_script" run "$state" "$folder/ZentavioWrapper.exe" 'D:\Images\Space Race.img' \
        </dev/null >"$demo/launcher.log" 2>&1 &
    launcher=$!
    wait_for_line '^snapshot start' 30
}

echo "== Running: ZentavioWrapper.exe D:\\Images\\Space Race.img"
launch || { echo "the emulator did not start; see $demo/launcher.log" >&2; exit 1; }

wait_for_line '^speed 120$' 30 || echo "   (the speed never reached 120 %)"
sleep 0.5  # let the last repaint reach the screen before the screenshot

field() { log_lines | sed -n "/^snapshot $1 /{s/.* $2=\([^ ]*\).*/\1/p}"; }

echo "== What the emulator received, step by step"
log_lines | sed -n 's/^program /   started: /p'
# FNV-1a, the digest the stand-in logs, over a file's bytes.
fnv1a() {
    local hash=2166136261 byte
    for byte in $(od -An -v -tu1 "$1"); do
        hash=$((((hash ^ byte) * 16777619) & 0xffffffff))
    done
    printf '%08x' "$hash"
}
echo "   its zentavio.cfg at start: digest $(log_lines | sed -n 's/^config-digest //p')" \
    "(tempavio.cfg: $(fnv1a "$folder/tempavio.cfg"))"
describe() {
    case "$1" in
    command\ *.*)
        read -r _ position name <<<"$1"
        echo "   menu ${position:0:1}, entry ${position:1:1}, submenu entry ${position##*.}: $name"
        ;;
    command\ *)
        read -r _ position name <<<"$1"
        echo "   menu ${position:0:1}, entry ${position:1}: $name"
        ;;
    drive\ *) echo "   drive dialog: drive ${1#drive } chosen" ;;
    esac
}
while IFS= read -r line; do describe "$line"; done < <(log_lines | grep -E '^(command|drive) ')
echo "   CPU speed: $(log_lines | grep -c '^speed') key presses, now" \
    "$(log_lines | sed -n 's/^speed //p' | tail -n 1) %"

shot=$demo/screenshot.png
"$env_script" shell "$state" sh -c "xwd -root -silent | convert xwd:- png:'$shot'" </dev/null
echo "== Screenshot of the full-screen result: $shot"

echo "== Holding the exit key (Escape) as a user would"
"$env_script" run "$state" "$build/tests/e2e/zent_hold_key.exe" 27 10000 </dev/null \
    >"$demo/hold.log" 2>&1 || true
sed 's/\r$//; s/^/   /' "$demo/hold.log"

echo "== Placement, as the emulator saw it when the exit key arrived"
echo "   window at ($(field key x),$(field key y)), $(field key w) x $(field key h)," \
    "topmost $(field key topmost), style $(field key style), extended style $(field key exstyle)"
echo "   pointer at ($(field key cursor-x),$(field key cursor-y));" \
    "below it a full-screen window of another process: $(field key below-full-screen)"
log_lines | grep -q '^key alt+f4' && echo "   then Alt+F4 arrived and the emulator closed"

for _ in $(seq 1 100); do
    kill -0 "$launcher" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$launcher" 2>/dev/null; then
    echo "== The launcher is still running" >&2
    exit 1
fi
wait "$launcher" && code=0 || code=$?
log_lines | grep -q '^closed' && emulator=closed || emulator="still open"
echo "== Everything closed: emulator $emulator, launcher ended (exit code $code)"
echo "   emulator log: $log"
