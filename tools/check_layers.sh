#!/usr/bin/env bash
# Each layer knows only the layers below it. This checks every #include "..."
# of the product's folders against the table below and fails, naming the file
# and line, on an include the table does not allow. A folder with sources and
# no row fails too, so a new subsystem gets its row when it appears.
# Usage: bash tools/check_layers.sh [source tree]  (default: this checkout)
set -euo pipefail
root=$(cd "${1:-$(dirname "$0")/..}" && pwd)

# Folder: the folders its files may include besides their own ('*': any).
# "engine-shared" is the engine's shared layouts, the headers the program
# hands to the engine in place and that the engine reads as they are:
# engine/engine_api.h (figures, figure list, rights block, entry points) and
# engine/rule_words.h (the rights block's words). The rest of engine/ is the
# engine library's own.
declare -A may_include=(
  [app]='*'
  [uci]='engines notation board engine-shared platform'
  [engines]='notation board engine-shared platform'
  [net]='board engine-shared config platform render/geometry'
  [notation]='board engine-shared platform'
  [board]='engine-shared config render/geometry platform'
  [render]='board render/geometry platform'
  [midi]='platform'
  [engine]='engine-shared platform'
  [config]='platform'
  [engine-shared]=''
  [render/geometry]=''
  [platform]=''
)
shared_engine_headers=(engine/engine_api.h engine/rule_words.h)
# Not part of the product: tests, benchmarks, fuzz targets and tools may
# include anything.
exempt=(tests bench fuzz tools)

# Sets `layer` to the row a path (relative to the tree) belongs to.
layer_of() {
  local path=$1 header
  for header in "${shared_engine_headers[@]}"; do
    if [[ $path == "$header" ]]; then
      layer=engine-shared
      return
    fi
  done
  if [[ $path == render/geometry/* ]]; then
    layer=render/geometry
  else
    layer=${path%%/*}
  fi
}

folders=()
for dir in "$root"/*/; do
  name=$(basename "$dir")
  [[ " ${exempt[*]} " == *" $name "* ]] && continue
  [[ -e $dir/CMakeCache.txt ]] && continue # a build tree
  if find "$dir" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.c' -o -name '*.cpp' \
      -o -name '*.cc' -o -name '*.inl' \) -print -quit | grep -q .; then
    folders+=("$name")
  fi
done

failures=0
for name in "${folders[@]}"; do
  if [[ ! -v may_include[$name] ]]; then
    echo "$name/: a folder with sources and no row in tools/check_layers.sh" >&2
    failures=$((failures + 1))
  fi
done

cd "$root"
while IFS= read -r hit; do
  file=${hit%%:*}
  rest=${hit#*:}
  line=${rest%%:*}
  text=${rest#*:}
  included=${text#*\"}
  included=${included%%\"*}
  layer_of "$file"
  from=$layer
  [[ -v may_include[$from] ]] || continue # reported above
  allowed=${may_include[$from]}
  [[ $allowed == '*' ]] && continue
  # A path that is not from the tree's top is the file's own neighbour.
  if [[ $included != */* || ! -d ${included%%/*} ]]; then
    continue
  fi
  layer_of "$included"
  [[ $layer == "$from" || " $allowed " == *" $layer "* ]] && continue
  shown=${allowed// /, }
  echo "$file:$line: $from may not include $included" \
    "($from may include: ${shown:-nothing else of the tree})" >&2
  failures=$((failures + 1))
done < <(grep -rnE --include='*.h' --include='*.hpp' --include='*.c' --include='*.cpp' \
  --include='*.cc' --include='*.inl' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' \
  "${folders[@]}" | sort -t: -k1,1 -k2,2n)

if ((failures > 0)); then
  echo "layers: $failures include(s) against the table" >&2
  exit 1
fi
echo "layers: ${#folders[@]} folders keep to the table"
