#!/usr/bin/env bash
# Builds everything and runs every test. GL and window tests need an X
# server, so the whole run sits under a virtual one.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
cd build
xvfb-run -a -s "-screen 0 1600x1000x24" ctest --output-on-failure -j"$(nproc)"
