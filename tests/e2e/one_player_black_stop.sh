#!/bin/bash
# Black against the engine: clicks wait for Start Game, the engine opens; in a
# rich middle game at Difficult, Stop Thinking makes the engine move at once.
source "$(dirname "$0")/lib/e2e.sh"
e2e_init "$@"
here=$(cd "$(dirname "$0")" && pwd)

e2e_launch game
# Before a game runs every Settings entry is enabled, so the keys are fixed.
e2e_menu s Down Down Down Right Down Return # Settings > Select Game Color > Black
e2e_menu s Down Down Right Down Down Return # Settings > Game Level > Difficult
e2e_facing black
sleep 0.3
e2e_shot black-side
mkdir -p "$E2E_WORK/files"
game="$E2E_WORK/files/black"
e2e_save_as "$game"
[ "$(ini_value "$game.chs" "Player Color")" = 1 ] || e2e_fail "Black was not chosen"
[ "$(ini_value "$game.chs" "Game Level")" = 2 ] || e2e_fail "Difficult was not chosen"

e2e_move e7 e5
e2e_save_state "$game.chs"
[ -z "$(chs_moves "$game.chs")" ] || e2e_fail "a click was taken before Start Game"

e2e_key ctrl+g
e2e_save_state "$game.chs"
[ "$(chs_moves "$game.chs" | wc -l)" = 1 ] || e2e_fail "the engine did not open the game"
[ "$(chs_count "$game.chs")" = 32 ] || e2e_fail "figures lost at the opening move"
e2e_shot engine-opened

# The same game with a middle-game position: open lines make a full search long.
middle="$E2E_WORK/files/middle.chs"
sed "s/^Figures=.*/Figures=$(cat "$here/data/middle_game.figures")\r/" "$game.chs" >"$middle"
e2e_open "$middle"
e2e_save_state "$middle"
[ "$(chs_count "$middle")" = 28 ] || e2e_fail "the middle game was not opened"
e2e_shot middle-game

# Not e2e_move: its wait for a still view would sit out the whole search.
e2e_click_square h7
e2e_click_square h6
# Saving does nothing while the engine thinks; a save that still comes
# through was made before the engine started (it holds only Black's move).
thinking=0
for attempt in 1 2 3 4 5 6 7 8 9 10; do
    rm -f "$middle"
    e2e_key ctrl+s
    sleep 0.5
    if [ ! -e "$middle" ]; then
        thinking=1
        break
    fi
    e2e_log "saved before the search: $(chs_moves "$middle" | tr "\n" "|")"
    [ "$(chs_moves "$middle" | wc -l)" = 1 ] || e2e_fail "the engine replied before Stop Thinking"
done
[ "$thinking" = 1 ] || e2e_fail "the engine was not thinking"
e2e_shot thinking
e2e_key ctrl+p
stopped=$SECONDS
# A full search here takes far longer than this wait.
E2E_TIMEOUT=8 e2e_save_state "$middle"
e2e_log "engine moved $((SECONDS - stopped)) s after Stop Thinking"
[ "$(chs_moves "$middle" | wc -l)" = 2 ] || e2e_fail "no reply after Stop Thinking"
e2e_shot stopped-reply

e2e_exit
e2e_log "passed"
