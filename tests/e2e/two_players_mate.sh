#!/bin/bash
# Two players at one machine play the shortest mate; the program says "Mate!"
# and the clocks stop. Undo gives the mating side its move back.
source "$(dirname "$0")/lib/e2e.sh"
e2e_init "$@"

# Checksum of the clocks' band across the top of the view, from a saved
# screenshot or from the screen as it is now.
clocks_in() {
    convert "$1" -crop "${E2E_GLW[$E2E_CUR]}x30+0+$((E2E_GLY[$E2E_CUR] + 7))" +repage \
        -format '%#' info:
}
clocks() { clocks_in "$(e2e_shot "$1")"; }
clocks_now() {
    import -window root "$E2E_WORK/now.png"
    clocks_in "$E2E_WORK/now.png"
}
clocks_changed() { [ "$(clocks_now)" != "$1" ]; }

e2e_launch game
e2e_menu s t # Settings > Two Players
# The board turns to face the side to move after every move.
e2e_move f2 f3
e2e_facing black
e2e_move e7 e5
e2e_facing white
e2e_move g2 g4
e2e_facing black
running=$(clocks clocks-running)
e2e_wait "$E2E_TIMEOUT" "the clocks to tick" clocks_changed "$running"
e2e_move d8 h4

box=$(e2e_message_box)
e2e_shot mate-message >/dev/null
e2e_dismiss "$box"
sleep 0.3
over=$(clocks game-over)
[ "$over" != "$running" ] || e2e_fail "the clocks still show after the mate"
sleep 2
[ "$(clocks still-over)" = "$over" ] || e2e_fail "the clocks went on after the mate"

mkdir -p "$E2E_WORK/files"
game="$E2E_WORK/files/mate"
e2e_save_as "$game"
[ "$(chs_moves "$game.chs" | tr '\n' '|')" = "F2 - F3|E7 - E5|G2 - G4|D8 - H4|" ] ||
    e2e_fail "move list: $(chs_moves "$game.chs" | tr '\n' '|')"
[ "$(chs_at "$game.chs" h4)" = "5 1" ] || e2e_fail "the black queen is not on H4"

# Clicks after the end change nothing.
e2e_facing white
e2e_move e2 e4
e2e_save_state "$game.chs"
[ "$(chs_moves "$game.chs" | wc -l)" = 4 ] || e2e_fail "a move was taken after the mate"

# Undo takes the mate back: Black, whose move it was, moves again, with the
# board turned to it, and then White.
e2e_key ctrl+z
e2e_facing black
e2e_move d8 g5
e2e_facing white
e2e_move a2 a3
e2e_save_state "$game.chs"
moves=$(chs_moves "$game.chs" | tr '\n' '|')
[ "$moves" = "F2 - F3|E7 - E5|G2 - G4|D8 - G5|A2 - A3|" ] || e2e_fail "after Undo: $moves"
[ "$(ini_value "$game.chs" "Current Move")" = 1 ] || e2e_fail "Black is not to move after Undo"
e2e_exit
e2e_log "passed"
