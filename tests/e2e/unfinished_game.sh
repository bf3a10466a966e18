#!/bin/bash
# A game under way survives a restart: two players make three moves and
# close the window; the next start in the same folder asks "Continue the
# unfinished game?", and Yes brings back the board and the move list. Then
# the view in full screen (F11, and Escape back), a move made there, and the
# zoom by wheel and keys, kept in "Tavlion.INI".
source "$(dirname "$0")/lib/e2e.sh"
e2e_init "$@"

e2e_launch game
dir=$(e2e_dir)
e2e_menu s t # Settings > Two Players
e2e_move e2 e4
e2e_facing black
e2e_move e7 e5
e2e_facing white
e2e_move g1 f3
e2e_facing black
list=$(e2e_move_list_sum)
view=$(e2e_view_sum)
e2e_shot before-exit >/dev/null
e2e_exit

kept="$dir/Unfinished.chs"
[ -s "$kept" ] || e2e_fail "no unfinished game kept at exit"
moves=$(chs_moves "$kept" | tr '\n' '|')
[ "$moves" = "E2 - E4|E7 - E5|G1 - F3|" ] || e2e_fail "kept moves: $moves"
position=$(chs_position "$kept")

# The question comes once the splash has gone: the one small window left.
question() {
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$(e2e_pid)" --name '^Tavlion$' 2>/dev/null); do
        [ "$id" != "$(e2e_main)" ] || continue
        eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)" || return 1
        [ "$WIDTH" != 520 ] || return 1 # the splash is still there
        echo "$id"
        return 0
    done
    return 1
}
has_question() { question >/dev/null; }

e2e_start game "$dir"
e2e_facing black
e2e_wait "$E2E_TIMEOUT" "the question about the unfinished game" has_question
e2e_shot question >/dev/null
e2e_dismiss "$(question)" # Yes is the default answer
gone() { [ ! -e "$kept" ]; }
e2e_wait "$E2E_TIMEOUT" "the kept game to be taken up" gone
e2e_settle
e2e_shot restored >/dev/null
[ "$(e2e_move_list_sum)" = "$list" ] || e2e_fail "the move list differs from the one at exit"
[ "$(e2e_view_sum)" = "$view" ] || e2e_log "the view differs from the one at exit (clocks restarted)"

# Full screen: the view alone on the whole screen.
windowed="${E2E_GLX[game]} ${E2E_GLY[game]} ${E2E_GLW[game]} ${E2E_GLH[game]}"
screen=$(xdotool getdisplaygeometry)
view_is() {
    e2e_find_windows
    [ "${E2E_GLX[game]} ${E2E_GLY[game]} ${E2E_GLW[game]} ${E2E_GLH[game]}" = "$1" ]
}
e2e_key F11
e2e_wait "$E2E_TIMEOUT" "the view to fill the screen" view_is "0 0 $screen"
e2e_settle
e2e_shot full-screen >/dev/null
e2e_move b8 c6 # picking in full screen
e2e_facing white
e2e_key Escape
e2e_wait "$E2E_TIMEOUT" "the window to come back" view_is "$windowed"
e2e_shot windowed-again >/dev/null

e2e_save_as "$E2E_WORK/restored"
moves=$(chs_moves "$E2E_WORK/restored.chs" | tr '\n' '|')
[ "$moves" = "E2 - E4|E7 - E5|G1 - F3|B8 - C6|" ] || e2e_fail "moves after the restart: $moves"
[ "$(chs_at "$E2E_WORK/restored.chs" c6)" = "2 1" ] || e2e_fail "Black's knight is not on c6"

# Zoom: the wheel away from the user brings the camera closer (two notches
# reach the nearest distance, 10), Ctrl+minus takes it out by a tenth and
# Ctrl+plus in again; the distance is kept in the settings.
before=$(e2e_view_sum)
xdotool mousemove --window "${E2E_GL[game]}" $((E2E_GLW[game] / 2)) $((E2E_GLH[game] / 2)) \
    click 4 click 4
e2e_settle
[ "$(e2e_view_sum)" != "$before" ] || e2e_fail "the wheel did not zoom"
e2e_shot zoomed-in >/dev/null
e2e_key ctrl+minus ctrl+minus ctrl+minus ctrl+plus
e2e_settle
e2e_shot zoomed-out >/dev/null
e2e_exit
distance=$(ini_value "$dir/Tavlion.INI" "Camera Distance")
awk -v d="$distance" 'BEGIN { exit !(d > 12.09 && d < 12.11) }' ||
    e2e_fail "Camera Distance after the wheel, three steps out and one in: $distance"
[ "$(ini_value "$dir/Tavlion.INI" "Camera Position")" = "0.000000 8.000000 8.000000" ] ||
    e2e_fail "the zoom changed Camera Position"
e2e_log "passed"
