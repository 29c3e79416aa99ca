# Sourced by scripts/bench.sh and scripts/soak.sh. Wine answers GetProcessTimes
# and GetProcessHandleCount for another process with zeros, so the launcher's
# processor time and memory are read from Linux's view of its Wine process.

# The Linux PID of the newest ZentavioWrapper.exe of the given Wine prefix, or
# of the program whose command line matches the pattern given after it.
launcher_pid() {
    local prefix=$1 pattern=${2:-'ZentavioWrapper\.exe'} pid
    for pid in $(pgrep -f "$pattern" | sort -rn); do
        if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$prefix"; then
            echo "$pid"
            return 0
        fi
    done
    return 1
}

# Processor time (user + system) of a process, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# Processor use of a process over the given seconds, in percent of one core,
# from the nanoseconds its threads ran: clock ticks are too coarse for a
# process that uses about 1 %.
cpu_percent() {
    local pid=$1 seconds=$2 before
    before=$(cat /proc/"$pid"/task/*/schedstat | awk '{ s += $1 } END { print s }')
    sleep "$seconds"
    cat /proc/"$pid"/task/*/schedstat | awk -v b="$before" -v s="$seconds" \
        '{ n += $1 } END { printf "%.3f", (n - b) / 1e7 / s }'
}

# The median of the numbers given.
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# One figure of /proc/<pid>/status, in kB (VmRSS, VmHWM, VmSize...).
status_kb() { awk -v key="$2:" '$1 == key { print $2 }' "/proc/$1/status"; }

# Private memory in kB: anonymous resident pages and swap, what Wine gives
# GetProcessMemoryInfo as the private bytes (PagefileUsage).
private_kb() { awk '$1 == "RssAnon:" || $1 == "VmSwap:" { s += $2 } END { print s }' "/proc/$1/status"; }

# The host path of the XInput DLL a Wine process has mapped, or "none".
xinput_dll() { grep -m1 -o '/[^ ]*xinput[^ /]*\.dll' "/proc/$1/maps" || echo none; }

# Open file descriptors: the Linux side of the launcher's handles.
fd_count() { find "/proc/$1/fd" -mindepth 1 -maxdepth 1 2>/dev/null | wc -l; }

# Waits until the file holds a line starting with the word; 1 after the timeout.
wait_for_line() {
    local file=$1 word=$2 seconds=$3
    for _ in $(seq $((seconds * 10))); do
        grep -q "^$word " "$file" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

# The figure a probe printed as "<name> <value>" in $figures.
figure() { sed -n "s/^$1 //p" "$figures" | tr -d '\r'; }

# Starts the launch probe of the Windows build $1 under its private Wine world,
# with a timeout of $2 seconds and the probe's arguments after it; waits until
# the launch watches its exit key; with pad_script set, through the stand-in
# XInput playing that script (tests/e2e/fake_xinput). Sets figures (the probe's output file), probe
# (its PID, to wait for) and pid (the launcher's Linux PID). The probe's output
# is a file, never a pipe, which Wine's services would hold open.
start_launch_probe() {
    local windows=$1 seconds=$2 env=tests/wine/wine_env.sh
    shift 2
    local state="$windows/wine" run=("$env" run)
    [[ -z ${pad_script:-} ]] || run=(env "ZENT_FAKE_PAD_SCRIPT=$pad_script" tests/e2e/fake_xinput/fake_pad.sh run)
    "$env" up "$state" >/dev/null
    trap "\"$env\" down \"$state\" >/dev/null 2>&1 || true" EXIT
    figures="$windows/launch_probe_$(printf '%s' "$*${pad_script:+ pad}" | tr -c 'a-zA-Z0-9' '_').txt"
    rm -f "$figures"
    timeout "$seconds" "${run[@]}" "$state" "$windows/bench/launch_probe.exe" "$@" \
        >"$figures" 2>&1 </dev/null &
    probe=$!
    wait_for_line "$figures" start_private_kb 120 || { echo "launch probe failed:"; cat "$figures"; exit 1; }
    pid=$(launcher_pid "$(cd "$state/prefix" && pwd)")
}
