#!/bin/bash
# Settings > Engine... > UCI program (stockfish, found by itself): a few moves
# against it with Stop Thinking, then a Hint outlined until the next click.
source "$(dirname "$0")/lib/e2e.sh"
e2e_init "$@"
[ -n "$(PATH="$PATH:/usr/games" command -v stockfish)" ] || {
    e2e_log "skipped: stockfish is not installed"
    exit 0
}

# Easy thinks for a minute on the outside engine, so every answer below
# comes from Stop Thinking.
dir="$E2E_WORK/game"
cp -a "$E2E_STAGE" "$dir"
printf '[Engine]\r\nEngine Time Easy=60000\r\n' >"$dir/Tavlion.INI"
e2e_launch game "$dir"

# Settings > Engine...; in the dialog Alt+U picks "UCI program".
e2e_menu s e
dialog=$(e2e_wait_dialog '^Engine$')
xdotool windowfocus --sync "$dialog"
xdotool key alt+u
sleep 0.3
e2e_shot engine-dialog
xdotool key Return
e2e_wait "$E2E_TIMEOUT" "the engine dialog to close" e2e_window_gone "$dialog"

mkdir -p "$E2E_WORK/files"
game="$E2E_WORK/files/outside"
e2e_save_as "$game"

# e2e_stopped_reply FROM TO MOVES: a move, Stop Thinking, and the reply.
e2e_stopped_reply() {
    e2e_click_square "$1"
    e2e_click_square "$2"
    sleep 1.5
    e2e_key ctrl+p
    E2E_TIMEOUT=15 e2e_save_state "$game.chs"
    [ "$(chs_moves "$game.chs" | wc -l)" = "$3" ] || e2e_fail "no reply to $1-$2 after Stop Thinking"
}
e2e_stopped_reply e2 e4 2
e2e_shot first-reply
e2e_stopped_reply d2 d4 4
e2e_shot second-reply
[ "$(chs_count "$game.chs")" -ge 30 ] || e2e_fail "figures lost"

# Pixels of the hint's outline colour in the view.
hint_pixels() {
    import -window root -crop "${E2E_GLW[game]}x${E2E_GLH[game]}+${E2E_GLX[game]}+${E2E_GLY[game]}" \
        "$E2E_WORK/hint.miff"
    convert "$E2E_WORK/hint.miff" -fuzz 12% -fill white -opaque 'rgb(30,140,250)' \
        -fill black +opaque white -format '%[fx:int(mean*w*h)]' info:
}
before=$(hint_pixels)
position=$(chs_position "$game.chs")
e2e_key ctrl+h
sleep 1.5
e2e_key ctrl+p
e2e_wait "$E2E_TIMEOUT" "the hint's outline" test "$(hint_pixels)" -gt $((before + 300))
e2e_shot hint
e2e_save_state "$game.chs"
[ "$(chs_position "$game.chs")" = "$position" ] || e2e_fail "the hint changed the game"
[ "$(chs_moves "$game.chs" | wc -l)" = 4 ] || e2e_fail "the hint made a move"

# The next click clears it; the empty square selects nothing.
e2e_click_square e5
e2e_settle
[ "$(hint_pixels)" -lt $((before + 100)) ] || e2e_fail "the hint stayed after a click"
e2e_shot hint-cleared

e2e_exit
settings="$dir/Tavlion.INI"
[ "$(ini_value "$settings" "Engine")" = 1 ] || e2e_fail "the engine choice was not kept"
ini_value "$settings" "Engine Program" | grep -q stockfish || e2e_fail "stockfish was not found"
e2e_log "passed"
