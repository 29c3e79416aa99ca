#!/bin/bash
# Set-up, both builds and every test: the native core with its unit tests and
# the fuzz targets replaying their saved inputs, the same again under ASan and
# UBSan (any report fails them), then the Windows build with the same unit tests,
# the end-to-end and file-fault tests under Wine and the check of the release
# ZIP, and last the same Windows build through a multi-config generator (the
# way Visual Studio builds): its Release configuration and the same tests.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

cmake --preset linux >/dev/null
cmake --build --preset linux
ctest --preset linux -j2

cmake --preset linux-sanitize >/dev/null
cmake --build --preset linux-sanitize
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --preset linux-sanitize -j2

cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows

cmake --preset windows-multi-config >/dev/null
cmake --build --preset windows-multi-config
ctest --preset windows-multi-config
