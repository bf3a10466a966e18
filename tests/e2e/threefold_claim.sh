#!/bin/bash
# Two players shuffle their knights until the opening position has stood
# three times; the game goes on until Actions > Claim Draw, which says
# "Draw!" and keeps the result in the saved game. Then a check outlines the
# king's square in red.
source "$(dirname "$0")/lib/e2e.sh"
e2e_init "$@"

e2e_launch game
e2e_menu s t # Settings > Two Players
for round in 1 2; do
    e2e_move g1 f3
    e2e_facing black
    e2e_move g8 f6
    e2e_facing white
    e2e_move f3 g1
    e2e_facing black
    e2e_move f6 g8
    e2e_facing white
done
e2e_settle
e2e_shot draw-can-be-claimed >/dev/null

# Actions > Claim Draw, counted from the end: Exit, Resign, and Offer Draw
# passed over (a network game's alone).
e2e_menu a Up Up Up Return
box=$(e2e_message_box)
[ "$(xdotool getwindowname "$box")" = Tavlion ] || e2e_fail "no message box"
e2e_shot draw-message >/dev/null
e2e_dismiss "$box"
e2e_settle
e2e_shot draw-result >/dev/null

mkdir -p "$E2E_WORK/files"
game="$E2E_WORK/files/repetition"
e2e_save_as "$game"
[ "$(ini_value "$game.chs" "Result")" = "1/2-1/2" ] ||
    e2e_fail "Result is '$(ini_value "$game.chs" "Result")' in the saved game"
[ "$(ini_value "$game.chs" "Result Reason")" = "threefold repetition" ] ||
    e2e_fail "Result Reason is '$(ini_value "$game.chs" "Result Reason")'"
[ "$(chs_moves "$game.chs" | wc -l)" = 8 ] || e2e_fail "the saved game lost moves"

# A new game, and a check: the king's square is outlined while it lasts.
e2e_key ctrl+n
e2e_facing white
e2e_settle
e2e_move e2 e4
e2e_facing black
e2e_move f7 f6
e2e_facing white
before=$(e2e_view_sum)
e2e_move d1 h5
e2e_facing black
e2e_settle
e2e_shot king-in-check >/dev/null
[ "$(e2e_view_sum)" != "$before" ] || e2e_fail "the view did not change"
e2e_move g7 g6
e2e_settle
e2e_shot check-answered >/dev/null

e2e_exit
e2e_log "passed"
