#!/bin/bash
# Fuzzes the core's readers with clang's libFuzzer under ASan and UBSan.
#   scripts/fuzz.sh [executions per target [target...]]
# Executions default to 10000000; targets to all of them.
# The build lives in build/fuzz. Every input that makes a target fail is written
# to fuzz/regressions/<target>/, which the normal test command replays; the
# inputs found along the way stay in build/fuzz/corpus/<target>/, while the
# hand-written starting inputs in fuzz/corpus/<target>/ are only read.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-10000000}
build=build/fuzz
targets=(config_fuzz command_line_fuzz record_fuzz)
if (($# > 1)); then
    targets=("${@:2}")
fi

CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZENT_FUZZ=ON -DZENT_SANITIZE=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j2 --target "${targets[@]}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1
failed=()
printf '%-20s %12s %10s %10s %8s\n' target executions seconds exec/s result
for target in "${targets[@]}"; do
    work="$build/corpus/$target"
    findings="fuzz/regressions/$target"
    mkdir -p "$work" "$findings"
    dict=()
    [[ -f "fuzz/${target%_fuzz}.dict" ]] && dict=(-dict="fuzz/${target%_fuzz}.dict")
    log="$build/$target.log"
    start=$(date +%s%N)
    result=ok
    "$build/fuzz/$target" -runs="$runs" -timeout=10 -print_final_stats=1 "${dict[@]}" \
        -artifact_prefix="$findings/" "$work" "fuzz/corpus/$target" "$findings" \
        >"$log" 2>&1 || result=FAILED
    millis=$((($(date +%s%N) - start) / 1000000))
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    executions=${executions:-0}
    printf '%-20s %12s %10s %10s %8s\n' "$target" "$executions" $((millis / 1000)) \
        $((executions * 1000 / (millis + 1))) "$result"
    [[ $result == ok ]] || failed+=("$target (see $log)")
done

if ((${#failed[@]})); then
    echo "findings in: ${failed[*]}" >&2
    exit 1
fi
