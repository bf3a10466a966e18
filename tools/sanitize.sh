#!/usr/bin/env bash
# Builds the display-free unit tests with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
targets=(platform_tests config_tests board_tests board_flow_tests engine_tests Engine
         net_tests render_geometry_tests render_mesh_tests render_image_tests
         midi_model_tests controller_tests notation_tests engines_tests uci_tests tavlion-uci)
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTAVLION_SANITIZE=ON -DTAVLION_WERROR=ON \
      -DTAVLION_BUILD_TOOLS=OFF > /dev/null
cmake --build build-asan -j"$(nproc)" --target "${targets[@]}"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
passed=0
failed=0
for t in "${targets[@]}"; do
  # Built for the tests that load or run them.
  case $t in Engine | tavlion-uci) continue ;; esac
  exe=$(find build-asan/tests -type f -name "$t" -perm -u+x | head -n 1)
  echo "== $t (sanitized)"
  if (cd "$(dirname "$exe")" && "./$t" --gtest_brief=1); then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
  fi
done
echo "sanitized: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
