#!/usr/bin/env bash
# The layer check on a copy of the product folders: the copy passes as it is,
# and each planted include against the table fails it, naming file and line.
# Usage: bash check_layers_test.sh <source tree>
set -uo pipefail
source_tree=$(cd "$1" && pwd)
check="$source_tree/tools/check_layers.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for folder in app board engine config render net midi platform; do
  cp -r "$source_tree/$folder" "$work/"
done
# Tests may include anything, and a build tree is no folder of the product.
for folder in tests build; do
  mkdir -p "$work/$folder"
  echo '#include "app/controller/scene.h"' > "$work/$folder/any.cpp"
done
touch "$work/build/CMakeCache.txt"

passed=0
failed=0
pass() {
  passed=$((passed + 1))
  echo "ok: $1"
}
fail() {
  failed=$((failed + 1))
  echo "FAILED: $1"
}

# expect_verdict <what> <0 pass | 1 fail> [text the report must hold]
expect_verdict() {
  local what=$1 want=$2 text=${3:-} output status
  output=$(bash "$check" "$work" 2>&1)
  status=$?
  if [[ $status -ne $want ]]; then
    fail "$what: exit $status, wanted $want"$'\n'"$output"
  elif [[ -n $text && $output != *"$text"* ]]; then
    fail "$what: the report lacks \"$text\""$'\n'"$output"
  else
    pass "$what"
  fi
}

# plant <file> <lines...>: writes a file of the copy, with a line before the
# include so the reported line number is checked too.
plant() {
  local file=$1
  shift
  mkdir -p "$(dirname "$work/$file")"
  printf '%s\n' '#pragma once' "$@" > "$work/$file"
}

expect_verdict "the copy as it is" 0

plant net/planted.h '#include "app/controller/scene.h"'
expect_verdict "net including the controller" 1 "net/planted.h:2: net may not include app/controller/scene.h"
rm "$work/net/planted.h"

plant board/planted.cpp '#include "render/geometry/vector.h"' '#include "render/sky.h"'
expect_verdict "board including the drawing" 1 "board/planted.cpp:3: board may not include render/sky.h"
rm "$work/board/planted.cpp"

plant render/geometry/planted.h '#include "render/mesh.h"'
expect_verdict "geometry including the rest of render" 1 \
  "render/geometry/planted.h:2: render/geometry may not include render/mesh.h"
rm "$work/render/geometry/planted.h"

plant engine/planted.cpp '#include "board/board.h"'
expect_verdict "the engine including the board" 1 "engine/planted.cpp:2: engine may not include"
rm "$work/engine/planted.cpp"

# The shared layouts are read by the board: they include nothing of the engine.
echo '#include "engine/step_tables.h"' >> "$work/engine/rule_words.h"
expect_verdict "a shared layout including the engine" 1 "engine/rule_words.h:"
cp "$source_tree/engine/rule_words.h" "$work/engine/rule_words.h"

plant config/planted.cpp '  #  include "net/packet.h"'
expect_verdict "an indented include" 1 "config/planted.cpp:2: config may not include net/packet.h"
rm "$work/config/planted.cpp"

plant discovery/finder.cpp '#include "platform/paths.h"'
expect_verdict "a folder without a row" 1 "discovery/: a folder with sources and no row"
rm -r "$work/discovery"

plant board/allowed.cpp '#include "engine/engine_api.h"' '#include "engine/rule_words.h"' \
  '#include "render/geometry/matrix.h"' '#include "config/str.h"' '#include "platform/paths.h"' \
  '#include "planted_neighbour.h"' '#include <QString>'
expect_verdict "what the board may include" 0
rm "$work/board/allowed.cpp"

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
