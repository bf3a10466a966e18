#!/bin/bash
# Settings > Board Theme > Tournament during a game with captures, through the
# real menus: the view changes, Smooth Edges comes on with it and can be
# switched off, both are in "Tavlion.INI" after exit, and the next start
# shows the Tournament board again.
source "$(dirname "$0")/lib/e2e.sh"
e2e_init "$@"

e2e_launch game
e2e_two_players_capture
e2e_facing black
e2e_move d8 d5
e2e_facing white
e2e_move b1 c3
e2e_facing black
e2e_move d5 a5
e2e_facing white
classic=$(e2e_view_sum)

# Smooth Edges is the last entry of Settings (Up from the first wraps round
# to it), the Board Theme submenu the one above it.
e2e_menu s Up Up Right Down Return # Tournament, the submenu's second entry
e2e_settle
tournament=$(e2e_view_sum)
[ "$tournament" != "$classic" ] || e2e_fail "Tournament did not change the view"
e2e_shot tournament >/dev/null

e2e_menu s Up Return # Smooth Edges off
e2e_settle
[ "$(e2e_view_sum)" != "$tournament" ] || e2e_fail "Smooth Edges changed nothing"

e2e_exit
ini="$(e2e_dir)/Tavlion.INI"
[ "$(ini_value "$ini" "Board Theme")" = 1 ] || e2e_fail "Board Theme is not 1 in Tavlion.INI"
[ "$(ini_value "$ini" "Smooth Edges")" = 0 ] || e2e_fail "Smooth Edges is not 0 in Tavlion.INI"

# The game was under way at exit; its kept copy would be offered first.
rm "$(e2e_dir)/Unfinished.chs"
e2e_launch game "$(e2e_dir)"
e2e_settle
e2e_shot tournament-restarted >/dev/null
restarted=$(e2e_view_sum)
e2e_menu s Up Up Right Return # Board Theme > Classic
e2e_settle
[ "$(e2e_view_sum)" != "$restarted" ] || e2e_fail "the restart did not show Tournament"
e2e_exit
[ "$(ini_value "$ini" "Board Theme")" = 0 ] || e2e_fail "Classic was not chosen"
e2e_log "passed"
