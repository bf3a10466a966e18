#!/usr/bin/env bash
# Checks the layering, builds everything and runs every test, then the
# display-free unit tests once more under AddressSanitizer and
# UndefinedBehaviorSanitizer, then a short run of every fuzz target on its
# corpus. GL and window tests need an X server, so the main run sits under a
# virtual one.
set -euo pipefail
cd "$(dirname "$0")/.."
# Includes against the layering fail at once, before the long build.
bash tools/check_layers.sh
bash tools/build.sh
(
  cd build
  # A window test that cannot reach the shared virtual display gets a
  # second chance; a real failure fails every time.
  xvfb-run -a -s "-screen 0 1600x1000x24" \
    ctest --output-on-failure -j"$(nproc)" --repeat until-pass:3
)
bash tools/sanitize.sh
bash tools/fuzz.sh "${FUZZ_SECONDS:-20}"
