#!/bin/bash
# Installs what the build and the tests need on Debian or Ubuntu, as root.
# Idempotent: when everything is present it only checks, quietly.
set -euo pipefail

packages=(
    cmake make g++ googletest            # native build and unit tests
    ninja-build                          # the multi-config build (Ninja Multi-Config)
    g++-mingw-w64-x86-64-posix           # Windows cross build
    wine64 xvfb                          # Windows programs under test, on a private display
    x11-apps imagemagick                 # screenshots of the windows (xwd, convert)
    clang libclang-rt-14-dev             # fuzzing and sanitizers
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [[ "$status" == installed ]] || missing+=("$package")
done

if ((${#missing[@]})); then
    echo "setup: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q >/dev/null
    apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
fi
