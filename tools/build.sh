#!/usr/bin/env bash
# Installs what the project needs, then configures and builds it in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVLION_WERROR=ON
cmake --build build -j"$(nproc)"
