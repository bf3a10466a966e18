#!/usr/bin/env bash
# Cross-builds "Engine.dll", "TONMARK.dll" and their test programs with
# MinGW-w64 into build/windows (or the folder given), staged in its stage/.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/windows}"
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVLION_WERROR=ON "${launcher[@]}"
cmake --build "$build" -j"$(nproc)"
