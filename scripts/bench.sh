#!/bin/bash
# Measures the launcher; never part of the tests' pass or fail. Prints tables:
#   1. the configuration store with 32767 games (native, Release build);
#   2. the release exe: its size and the DLLs it imports;
#   3. under Wine against the stand-in emulator: launch overhead beyond the
#      prescribed pauses, exit reaction, the exit-key watcher's processor use and
#      memory, the peak memory of a launch with a 1 KB and with a 100 MB
#      tempavio.cfg, and the Settings window filled with 32767 games against a
#      plain window that adds them to a list box one by one (bench/plain_list_win.cpp).
#   4. the exit-key watcher's processor use and private memory, side by side:
#      with the pad exit Off against a plain watcher (and the baseline's memory);
#      with it on and no pad (Wine's XInput) against a plain watcher that loads
#      the same XInput and asks its empty slots every 2 s; with a pad in slot 0
#      (the stand-in XInput of tests/e2e/fake_xinput);
#   5. with ZENT_BENCH_BASELINE=<git revision>: the launch overhead, the exit
#      reaction (key down to Alt+F4) and the exit key's time to the launcher's end
#      of that revision's launcher and of this one (the pad exit on), launched in
#      turns in the same run (ZENT_BENCH_ROUNDS rounds, default 5; medians).
#   scripts/bench.sh [runs]      (runs of the native measures, default 11)
# Builds in build/bench (native) and build/bench-windows (or $ZENT_BENCH_WINDOWS_BUILD),
# the baseline in build/bench-baseline.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-11}
echo "machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)," \
    "load $(cut -d' ' -f1-3 /proc/loadavg), $(date -u '+%Y-%m-%d %H:%M UTC')"

cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DZENT_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build/bench -j2 --target config_bench >/dev/null
echo
build/bench/bench/config_bench "$runs"

windows=${ZENT_BENCH_WINDOWS_BUILD:-build/bench-windows}
cmake --preset windows -B "$windows" -DZENT_BENCH=ON >/dev/null
cmake --build "$windows" -j2 --target ZentavioWrapper launch_probe plain_watcher plain_xinput_watcher fake_xinput >/dev/null
exe="$windows/ZentavioWrapper.exe"
size=$(stat -c %s "$exe")
echo
printf '%-40s %10s %10s %5s\n' "release exe" "value" "target" ""
printf '%-40s %10s %10s %5s\n' "size (bytes)" "$size" 1048576 "$( ((size <= 1048576)) && echo ok || echo BIG)"
printf '%-40s %s\n' "DLL imports" \
    "$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | sort | tr '\n' ' ')"

# While the probe waits 10 s with the launch watching the exit key, the
# launcher's Linux process is sampled.
source bench/wine_process.sh
start_launch_probe "$windows" 600 bench
ticks=$(cpu_ticks "$pid")
launch_peak_kb=$(status_kb "$pid" VmHWM)
launch_private_kb=$(private_kb "$pid")
sleep 8
watch_cpu=$(awk -v t="$(($(cpu_ticks "$pid") - ticks))" -v hz="$(getconf CLK_TCK)" \
    'BEGIN { printf "%.2f", t * 100 / hz / 8 }')
wait "$probe" || { echo "launch probe failed:"; cat "$figures"; exit 1; }
echo
printf '%-40s %10s %s\n' "launch under Wine" "value" "notes"
printf '%-40s %10s %s\n' "launch, start to last key (ms)" "$(figure launch_ms)" "prescribed pauses 710 ms"
printf '%-40s %10s %s\n' "launch overhead beyond pauses (ms)" "$(figure launch_overhead_ms)" \
    "includes starting two Wine processes"
printf '%-40s %10s %s\n' "exit, key down to Alt+F4 (ms)" "$(figure exit_ms)" "prescribed pause 500 ms"
printf '%-40s %10s %s\n' "exit overhead beyond pause (ms)" "$(figure exit_overhead_ms)" ""
printf '%-40s %10s %s\n' "exit, key down to launcher ended (ms)" "$(figure exit_to_end_ms)" \
    "the emulator's own close included"
printf '%-40s %10s %s\n' "watcher processor use (%)" "$watch_cpu" "8 s of /proc/$pid/stat"
printf '%-40s %10s %s\n' "peak resident memory of launch (KB)" "$launch_peak_kb" "VmHWM of the Wine process"
printf '%-40s %10s %s\n' "working set after launch (KB)" "$(figure start_working_set_kb)" \
    "GetProcessMemoryInfo; private $(figure start_private_kb) KB, from /proc $launch_private_kb KB"
for size in 1kb 100mb; do
    printf '%-40s %10s %s\n' "peak working set, $size tempavio.cfg (KB)" \
        "$(figure "copy_${size}_peak_working_set_kb")" \
        "private $(figure "copy_${size}_peak_private_kb") KB, launch $(figure "copy_${size}_launch_ms") ms; median of 3"
done
printf '%-40s %10s %s\n' "peak working set, 100 MB - 1 KB (KB)" \
    "$(awk -v l="$(figure copy_100mb_peak_working_set_kb)" -v s="$(figure copy_1kb_peak_working_set_kb)" \
        'BEGIN { printf "%.0f", l - s }')" "target 2048 or less"
settings_ms=$(figure settings_32767_games_ms)
plain_ms=$(figure plain_list_32767_games_ms)
printf '%-40s %10s %s\n' "Settings window, 32767 games (ms)" "$settings_ms" \
    "start to list filled, median of 3"
printf '%-40s %10s %s\n' "plain LB_ADDSTRING loop, same (ms)" "$plain_ms" \
    "the baseline, taken in turns with it"
printf '%-40s %10s %s\n' "Settings window / plain loop" \
    "$(awk -v s="$settings_ms" -v p="$plain_ms" 'BEGIN { printf "%.2f", s / p }')" "target 1.00 or less"

# The watcher against its plain designs (bench/plain_watcher_win.cpp: a 1 ms
# timer that reads the key and nothing else; plain_xinput_watcher, the same with
# Wine's XInput loaded and its four empty slots asked every 2 s), side by side for
# a minute and a half and sampled in turns, five times, with the private memory of
# each: the launcher with the pad exit Off; with it on and Wine's own XInput, which
# finds no pad; with the stand-in XInput and a pad in slot 0 that holds nothing;
# with a baseline, its launcher's too.
build_baseline() {
    baseline_src=build/bench-baseline/source
    baseline_exe="$PWD/build/bench-baseline/windows/ZentavioWrapper.exe"
    [[ -f "$baseline_exe" && "$(cat build/bench-baseline/revision 2>/dev/null)" == "$ZENT_BENCH_BASELINE" ]] && return
    rm -rf "$baseline_src" && mkdir -p "$baseline_src"
    git archive "$ZENT_BENCH_BASELINE" | tar -x -C "$baseline_src"
    cmake -S "$baseline_src" -B build/bench-baseline/windows -DBUILD_TESTING=OFF \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/$baseline_src/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
    cmake --build build/bench-baseline/windows -j2 --target ZentavioWrapper >/dev/null
    echo "$ZENT_BENCH_BASELINE" >build/bench-baseline/revision
}
prefix=$(cd "$windows/wine/prefix" && pwd)
tests/e2e/fake_xinput/fake_pad.sh install "$windows/wine" "$windows/tests/e2e/fake_xinput/xinput1_4.dll"
declare -A pids probes samples memory xinput
declare -A labels=([baseline]="launcher ${ZENT_BENCH_BASELINE:-}" [off]="launcher, pad exit Off"
    [on]="launcher, pad exit on, no pad" [pad]="launcher, pad in slot 0"
    [plain_xinput]="plain XInput watcher" [plain]="plain watcher")
# What each row is divided by: with the pad exit Off, the launcher's processor use
# by the plain watcher's and its memory by the baseline's; with it on, both by the
# plain XInput watcher's, which pays for the same DLL.
declare -A cpu_against=([baseline]=plain [off]=plain [on]=plain_xinput [pad]=plain
    [plain_xinput]=plain [plain]=plain)
declare -A memory_against=([baseline]=plain [off]=baseline [on]=plain_xinput [pad]=plain
    [plain_xinput]=plain [plain]=plain)
watchers=()
if [[ -n "${ZENT_BENCH_BASELINE:-}" ]]; then
    build_baseline
    start_launch_probe "$windows" 600 watch 150 off "$baseline_exe"
    pids[baseline]=$pid
    probes[baseline]=$probe
    watchers+=(baseline)
else
    memory_against[off]=plain
fi
start_launch_probe "$windows" 600 watch 140 off
pids[off]=$pid
probes[off]=$probe
start_launch_probe "$windows" 600 watch 130 on
pids[on]=$pid
probes[on]=$probe
pad_script="0 0 0" start_launch_probe "$windows" 600 watch 120 on
pids[pad]=$pid
probes[pad]=$probe
watchers+=(off on pad)
runners=()
for plain in plain_xinput plain; do
    tests/wine/wine_env.sh run "$windows/wine" "$windows/bench/${plain}_watcher.exe" 110 \
        >/dev/null 2>&1 </dev/null &
    runners+=($!)
    sleep 1.5
    pids[$plain]=$(launcher_pid "$prefix" "${plain}_watcher\\.exe")
    watchers+=("$plain")
done
for _ in 1 2 3 4 5; do
    for watcher in "${watchers[@]}"; do
        samples[$watcher]+="$(cpu_percent "${pids[$watcher]}" 3) "
        memory[$watcher]+="$(private_kb "${pids[$watcher]}") "
    done
done
for watcher in "${watchers[@]}"; do
    xinput[$watcher]=$(xinput_dll "${pids[$watcher]}")
done
wait "${runners[@]}"
for watcher in off on pad ${ZENT_BENCH_BASELINE:+baseline}; do
    wait "${probes[$watcher]}" || { echo "launch probe failed"; exit 1; }
done
# One table per figure: the median of each watcher's samples and its ratio to the
# median of the watcher it is set against.
side_by_side() {
    local -n values=$2 against=$3
    local value reference
    echo
    printf '%-40s %10s %7s %-30s %s\n' "$1" "median" "ratio" "against" "samples"
    for watcher in "${watchers[@]}"; do
        value=$(median ${values[$watcher]})
        reference=${against[$watcher]}
        printf '%-40s %10s %7s %-30s %s\n' "${labels[$watcher]}" "$value" \
            "$(awk -v w="$value" -v p="$(median ${values[$reference]})" 'BEGIN { printf "%.2f", w / p }')" \
            "${labels[$reference]}" "${values[$watcher]}"
    done
}
# What XInput adds, as the difference of two medians: the launcher with the pad
# exit on less the launcher with it Off, beside the plain XInput watcher less the
# plain watcher.
xinput_cost() {
    local -n values=$2
    awk -v on="$(median ${values[on]})" -v off="$(median ${values[off]})" \
        -v px="$(median ${values[plain_xinput]})" -v p="$(median ${values[plain]})" -v what="$1" \
        'BEGIN { printf "%-40s %10.2f %7s %-30s %.2f\n", "XInput adds to the launcher, " what, on - off, "", "to the plain watcher:", px - p }'
}
side_by_side "exit-key watchers, % of a core" samples cpu_against
xinput_cost "% of a core" samples
for watcher in "${watchers[@]}"; do
    printf '%-40s %s\n' "  XInput of ${labels[$watcher]}" "${xinput[$watcher]}"
done
echo "target: launcher, pad exit Off / plain 1.00 or less; pad exit on / plain XInput 1.00 or less"
side_by_side "private memory while watching (KB)" memory memory_against
xinput_cost "KB" memory
echo "target: launcher, pad exit Off / baseline 1.00 or less; XInput adds to the launcher no more"
echo "than to the plain XInput watcher. The plain watchers are not whole plain launchers: they"
echo "show the backdrop and read the key on a 1 ms timer, but read no configuration and start"
echo "no emulator; RssAnon + VmSwap of each Wine process"

if [[ -n "${ZENT_BENCH_BASELINE:-}" ]]; then
    figures="$windows/launch_probe_compare.txt"
    tests/wine/wine_env.sh run "$windows/wine" "$windows/bench/launch_probe.exe" compare \
        "$baseline_exe" "${ZENT_BENCH_ROUNDS:-5}" \
        >"$figures" 2>&1 </dev/null || { echo "comparison failed:"; cat "$figures"; exit 1; }
    echo
    printf '%-40s %10s %10s %7s\n' "against $ZENT_BENCH_BASELINE (median)" "baseline" "current" "ratio"
    for name in launch_overhead_ms exit_ms exit_to_end_ms; do
        base=$(figure "baseline_$name")
        current=$(figure "current_$name")
        printf '%-40s %10s %10s %7s\n' "$name" "$base" "$current" \
            "$(awk -v b="$base" -v c="$current" 'BEGIN { printf "%.2f", c / b }')"
    done
fi
