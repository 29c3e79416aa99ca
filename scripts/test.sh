#!/bin/bash
# Set-up, the builds and every test, each test once per platform: the native
# core's unit tests and the fuzz targets replaying their saved inputs under ASan
# and UBSan (any report fails them); the Windows build with the same unit tests,
# the end-to-end and file-fault tests under Wine and the check of the release
# ZIP; and last the launcher built through a multi-config generator (the way
# Visual Studio builds), with the release ZIP of its Release configuration.
# Prints how long each stage took at the end, also when one fails.
set -euo pipefail
cd "$(dirname "$0")/.."

stage_times=()
current_stage=""
stage_started=0

# Runs a command as one named stage and notes its time.
stage() {
    current_stage=$1
    stage_started=$SECONDS
    "${@:2}"
    stage_times+=("$(printf '%-32s %4d s' "$current_stage" $((SECONDS - stage_started)))")
    current_stage=""
}

print_stage_times() {
    echo
    echo "stage times:"
    printf '  %s\n' "${stage_times[@]}"
    if [[ -n "$current_stage" ]]; then
        printf '  %-32s %4d s, FAILED\n' "$current_stage" $((SECONDS - stage_started))
    fi
    printf '  %-32s %4d s\n' total "$SECONDS"
}
trap print_stage_times EXIT

stage setup scripts/setup.sh

# The plain linux preset builds the same programs without the sanitizers, for
# quick runs while developing; here the native tests run once, sanitized.
stage "linux-sanitize configure" cmake --preset linux-sanitize >/dev/null
stage "linux-sanitize build" cmake --build --preset linux-sanitize
stage "linux-sanitize test" env ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    UBSAN_OPTIONS=print_stacktrace=1 ctest --preset linux-sanitize -j2

stage "windows configure" cmake --preset windows >/dev/null
stage "windows build" cmake --build --preset windows
# The end-to-end tests mostly wait on Wine: the multi-config build below takes the
# idle processor meanwhile, at the lowest priority, so it takes nothing from them.
stage "windows-multi-config configure" cmake --preset windows-multi-config >/dev/null
multi_config_log=build/windows-multi-config-build.log
# In a process group of its own, so that a failed stage ends the whole build.
setsid nice -n 19 cmake --build --preset windows-multi-config --target ZentavioWrapper \
    >"$multi_config_log" 2>&1 &
multi_config_build=$!
trap 'kill -- -"$multi_config_build" 2>/dev/null || true; print_stage_times' EXIT

stage "windows test" ctest --preset windows

# The windows build has tested everything under Wine; this build proves that
# the CMake files work with a multi-config generator: the launcher, and the
# release ZIP of the configuration chosen at build time.
finish_multi_config_build() {
    if ! wait "$multi_config_build"; then
        cat "$multi_config_log"
        return 1
    fi
    tail -1 "$multi_config_log"
}
stage "windows-multi-config build" finish_multi_config_build
stage "windows-multi-config test" ctest --preset windows-multi-config --no-tests=error \
    -R '^release_zip$'
