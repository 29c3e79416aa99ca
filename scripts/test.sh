#!/bin/bash
# Set-up, both builds and every test: the native core with its unit tests, then
# the Windows build with the same unit tests and the end-to-end tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

cmake --preset linux >/dev/null
cmake --build --preset linux
ctest --preset linux -j2

cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows
