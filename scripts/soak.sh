#!/bin/bash
# Leaves one launch watching its exit key for a while under Wine, against the
# stand-in emulator, and reports the launcher's handles and memory at the start
# and the end; then ends it with the exit key.
#   scripts/soak.sh [minutes]     (default 10)
# Shares build/bench-windows (or $ZENT_BENCH_WINDOWS_BUILD) with scripts/bench.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

minutes=${1:-10}
windows=${ZENT_BENCH_WINDOWS_BUILD:-build/bench-windows}
cmake --preset windows -B "$windows" -DZENT_BENCH=ON >/dev/null
cmake --build "$windows" -j2 --target ZentavioWrapper launch_probe >/dev/null

source bench/wine_process.sh
start_launch_probe "$windows" $((minutes * 60 + 300)) soak "$minutes"
sample() { echo "$(fd_count "$pid") $(status_kb "$pid" VmRSS) $(status_kb "$pid" VmSize) $(cpu_ticks "$pid")"; }
read -r start_fds start_rss start_vm start_ticks <<<"$(sample)"
started=$(date +%s)
sleep $((minutes * 60 - 5))
read -r end_fds end_rss end_vm end_ticks <<<"$(sample)"
elapsed=$(($(date +%s) - started))
wait "$probe" || { echo "soak failed:"; cat "$figures"; exit 1; }

echo "soak: launcher watched its exit key for ${elapsed} s (Linux PID $pid)"
printf '%-36s %12s %12s\n' "" start end
printf '%-36s %12s %12s\n' "open descriptors (Linux side)" "$start_fds" "$end_fds"
printf '%-36s %12s %12s\n' "resident memory (KB)" "$start_rss" "$end_rss"
printf '%-36s %12s %12s\n' "virtual memory (KB)" "$start_vm" "$end_vm"
printf '%-36s %12s %12s\n' "working set (KB, Windows view)" "$(figure start_working_set_kb)" \
    "$(figure end_working_set_kb)"
printf '%-36s %12s %12s\n' "private bytes (KB, Windows view)" "$(figure start_private_kb)" \
    "$(figure end_private_kb)"
awk -v t="$((end_ticks - start_ticks))" -v hz="$(getconf CLK_TCK)" -v s="$elapsed" \
    'BEGIN { printf "%-36s %12.2f\n", "processor use (%)", t * 100 / hz / s }'
printf '%-36s %12s\n' "exit, key down to Alt+F4 (ms)" "$(figure exit_ms)"
