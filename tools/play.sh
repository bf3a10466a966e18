#!/usr/bin/env bash
# Builds the game and starts it from its runnable folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
cd build/stage
exec ./Tavlion "$@"
