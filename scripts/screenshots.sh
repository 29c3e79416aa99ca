#!/bin/bash
# Regenerates the pictures of the Settings window (its list also scrolled
# sideways, and during Edit Game) and its three dialogs in
# docs/screenshots, at 96 and at 144 DPI, each in a throwaway Wine prefix and
# private display of its own.
#   scripts/screenshots.sh [windows-build-folder]     (default: build/windows)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/windows}" && pwd)
wine_env=$root/tests/wine/wine_env.sh
out=$root/docs/screenshots
driver=$build/tests/settings_e2e/settings_e2e.exe
[[ -x $driver && -f $build/ZentavioWrapper.exe ]] || {
    echo "build $build first (targets ZentavioWrapper and settings_e2e)" >&2
    exit 1
}
mkdir -p "$out"

windows_path() { local path=${1//\//\\}; printf 'Z:%s' "$path"; }

state=""
cleanup() { [[ -n $state ]] && "$wine_env" down "$state" || true; }
trap cleanup EXIT

for dpi in 96 144; do
    state=$build/screenshots-$dpi
    rm -rf "$state"
    "$wine_env" up "$state"
    if [[ $dpi != 96 ]]; then
        # The DPI is read when the Wine session starts: set it, then restart.
        "$wine_env" run "$state" reg add 'HKCU\Control Panel\Desktop' /v LogPixels \
            /t REG_DWORD /d "$dpi" /f >"$state/reg.log" 2>&1 </dev/null
        "$wine_env" down "$state"
        "$wine_env" up "$state"
    fi
    shots=$state/shots
    mkdir -p "$shots"
    "$wine_env" run "$state" "$driver" screenshots "$build/ZentavioWrapper.exe" \
        "$(windows_path "$shots")" >"$state/driver.log" 2>&1 </dev/null || {
        echo "posing the windows failed at $dpi DPI; see $state/driver.log" >&2
        exit 1
    }
    for window in settings keybox renderer padbox edit scrolled; do
        # No timestamps: a run that changes no pixel changes no file.
        convert "$shots/$window.bmp" -strip "$out/$window-${dpi}dpi.png"
    done
    "$wine_env" down "$state"
    rm -rf "$state"
done
state=""
ls -l "$out"
