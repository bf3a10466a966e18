#!/usr/bin/env bash
# Makes every generated asset again and the contact sheet docs/assets.png.
# Usage: tools/assetgen/regenerate.sh [build-directory]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${1:-$root/build-assetgen}"

cmake -S "$root/tools/assetgen" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target tavlion_assetgen -j2
"$build/tavlion_assetgen" "$root"

# ImageMagick for the contact sheet; prefer the packaged binaries.
im() { if [ -x "/usr/bin/$1" ]; then "/usr/bin/$@"; else "$@"; fi; }

sheet="$(mktemp -d)"
trap 'rm -rf "$sheet"' EXIT
data="$root/assets/data"
res="$root/resources"
bg='#2b2f36'

# tile OUTPUT CAPTION INPUT [convert options...]: one picture with its caption below.
tile() {
    local out="$1" caption="$2"
    shift 2
    im convert "$@" -background "$bg" -fill '#e8e2d6' -font DejaVu-Sans -pointsize 14 \
        label:"$caption" -gravity center -append -bordercolor "$bg" -border 10 "$sheet/$out.png"
}
row() {
    local out="$1"
    shift
    im convert $(for t in "$@"; do echo "$sheet/$t.png"; done) -background "$bg" -gravity center \
        +append "$sheet/$out.png"
}

tile wood "Textures/wood.bmp" "$data/Textures/wood.bmp" -resize 256x256
tile board "Textures/board.bmp" "$data/Textures/board.bmp" -resize 256x256
tile icon "icon.png" "$res/icon.png" -background "$bg" -alpha remove

# Each sky unfolded as seen from inside the shell: rt bk lf fr around, up above bk, dn below fr.
skies=()
for env in "$data"/Environment/*/; do
    name="$(basename "$env")"
    key="$(echo "$name" | tr -cd '[:alnum:]')"
    for f in lf rt up dn bk fr; do im convert "$env/Sky_$f.jpg" -resize 128x128 -flop "$sheet/f_$f.png"; done
    im convert -size 128x128 "xc:$bg" "$sheet/blank.png"
    tile "cross_$key" "Environment/$name (faces)" \
        \( "$sheet/blank.png" "$sheet/f_up.png" "$sheet/blank.png" "$sheet/blank.png" +append \) \
        \( "$sheet/f_rt.png" "$sheet/f_bk.png" "$sheet/f_lf.png" "$sheet/f_fr.png" +append \) \
        \( "$sheet/blank.png" "$sheet/blank.png" "$sheet/blank.png" "$sheet/f_dn.png" +append \) \
        -append
    tile "preview_$key" "Sky.jpg" "$env/Sky.jpg"
    skies+=("cross_$key" "preview_$key")
done

tile pieces "promotion pictures (resources/pieces)" "$res"/pieces/white_*.bmp "$res"/pieces/black_*.bmp \
    +append -scale 200%
tile splash "splash.bmp" "$res/splash.bmp"
buttons=(new_game open_game save_game go_to_start undo play redo go_to_end stop_thinking
         connect close_connection chat start_game rotate_board about)
tile toolbar "toolbar (24 px and @2x)" \
    \( $(for b in "${buttons[@]}"; do echo "$res/toolbar/$b@2x.png"; done) +append \) \
    \( $(for b in "${buttons[@]}"; do echo "$res/toolbar/$b.png"; done) +append \) \
    -background '#d4d0c8' -alpha remove -gravity center -append

row r1 wood board splash icon
row r2 "${skies[@]:0:4}"
row r3 "${skies[@]:4}"
row r4 pieces toolbar
mkdir -p "$root/docs"
im convert "$sheet"/r[1-4].png -background "$bg" -gravity center -append +repage -depth 8 "$root/docs/assets.png"
echo "assets written below $root"
