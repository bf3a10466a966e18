#!/usr/bin/env bash
# The cross-built DLLs as callers see them: "Engine.dll" exports exactly
# ordinals 1 and 2, "TONMARK.dll" its calls by name, and neither needs a
# DLL of the compiler's runtime.
#   check_exports.sh STAGE
set -euo pipefail
stage=$1
objdump=x86_64-w64-mingw32-objdump
failed=0

# The export table: "+base[ n]" ordinals, then "[ i] name" pairs.
exports() {
  "$objdump" -p "$1" | awk '/^Export Address Table --/ {on = 1; next}
    /^\[Ordinal\/Name Pointer\] Table/ {on = 2; next}
    on && /^$/ {on = 0}
    on == 1 {match($0, /\+base\[ *[0-9]+\]/); o = substr($0, RSTART, RLENGTH); gsub(/[^0-9]/, "", o); print "ordinal " o}
    on == 2 {gsub(/^[ \t]+/, ""); print "name " $0}'
}

expect() {
  local what=$1 expected=$2 actual=$3
  if [ "$expected" != "$actual" ]; then
    printf '%s:\n--- expected\n%s\n--- actual\n%s\n' "$what" "$expected" "$actual"
    failed=1
  fi
}

expect "Engine.dll exports" "ordinal 1
ordinal 2
name [   0] GetComputerMove
name [   1] GetCurrentState" "$(exports "$stage/Engine.dll")"

expect "TONMARK.dll exported names" "ConnectDataFile
ConnectDataMemFile
GetEstimateStatus
GetTimeLength
MakeComparingWith
SetCompared
SetMaper
SetPlayingStatus
SetPosition
SetStartPosition
TonmarkEntry" "$(exports "$stage/TONMARK.dll" | sed -n 's/^name \[ *[0-9]*\] //p')"

for dll in Engine.dll TONMARK.dll; do
  runtime=$("$objdump" -p "$stage/$dll" | sed -n 's/^\tDLL Name: //p' | grep -i -E '^lib|gcc|stdc|pthread' || true)
  expect "$dll needs no compiler runtime DLL" "" "$runtime"
done

[ "$failed" = 0 ] && echo "Engine.dll: ordinals 1 and 2 only; TONMARK.dll: its named calls; system DLLs only"
exit "$failed"
