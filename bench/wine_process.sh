# Sourced by scripts/bench.sh and scripts/soak.sh. Wine answers GetProcessTimes
# and GetProcessHandleCount for another process with zeros, so the launcher's
# processor time and memory are read from Linux's view of its Wine process.

# The Linux PID of the newest ZentavioWrapper.exe of the given Wine prefix.
launcher_pid() {
    local prefix=$1 pid
    for pid in $(pgrep -f 'ZentavioWrapper\.exe' | sort -rn); do
        if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$prefix"; then
            echo "$pid"
            return 0
        fi
    done
    return 1
}

# Processor time (user + system) of a process, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# One figure of /proc/<pid>/status, in kB (VmRSS, VmHWM, VmSize...).
status_kb() { awk -v key="$2:" '$1 == key { print $2 }' "/proc/$1/status"; }

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
