#!/bin/bash
# Two programs on one machine: the caller finds the waiting one in the
# "Connect" dialog's "Players on this network" instead of typing its address,
# they play, the connection is cut under them, and Actions > Reconnect on both
# sides takes the game up again; both boards agree to the end.
source "$(dirname "$0")/lib/e2e.sh"
e2e_init "$@"
port=$(e2e_free_port)
command -v ss >/dev/null || e2e_fail "ss is needed to cut the connection"

e2e_two_players server client
e2e_use server
e2e_connect_dialog
e2e_fill_connect Ann server 127.0.0.1 "$port"
e2e_dismiss "$(e2e_message_box)"

e2e_use client
e2e_connect_dialog
e2e_pick_player Bob

e2e_park_chat server client
e2e_use client
e2e_facing black
e2e_shot found-and-connected >/dev/null

same_list() { [ "$(e2e_on "$1" e2e_move_list_sum)" = "$2" ]; }
# play SIDE OTHER FROM TO: a move that the other side's list shows too.
play() {
    e2e_use "$1"
    local before
    before=$(e2e_move_list_sum)
    e2e_move "$3" "$4"
    e2e_wait "$E2E_TIMEOUT" "$1's move $3-$4 in its list" e2e_list_differs "$before"
    local sent
    sent=$(e2e_move_list_sum)
    e2e_wait "$E2E_TIMEOUT" "$1's move $3-$4 at $2" same_list "$2" "$sent"
}
play server client e2 e4
play client server e7 e5

# The network goes away: the caller's socket is destroyed under it, and both
# sides tell their player.
e2e_log "cutting the connection to port $port"
ss -K dst 127.0.0.1 dport = ":$port" | grep -q ESTAB || e2e_fail "no connection to cut"
for side in server client; do
    e2e_use "$side"
    e2e_dismiss "$(e2e_message_box)"
    e2e_shot "lost-$side" >/dev/null
done

# Actions > Reconnect, the waiting side first; the caller calls again. Each
# side's chat shows the other's greeting once more when the game is taken up.
chat_changed() {
    local now
    now=$(e2e_on "$1" e2e_chat_sum) && [ "$now" != "$2" ]
}
declare -A chat_before
for side in server client; do
    e2e_use "$side"
    chat_before[$side]=$(e2e_chat_sum)
    e2e_menu a r
done
for side in server client; do
    e2e_wait "$E2E_TIMEOUT" "the greeting again at $side" chat_changed "$side" "${chat_before[$side]}"
done
e2e_use client
e2e_shot reconnected-client >/dev/null
e2e_use server
e2e_shot reconnected-server >/dev/null

# The game goes on where it stopped, White to move.
play server client g1 f3
play client server b8 c6

# Closing from the caller's side, then both games saved: the same figures
# on the same squares and the same moves.
e2e_use client
e2e_menu a Down Return
e2e_use server
e2e_dismiss "$(e2e_message_box)"
mkdir -p "$E2E_WORK/files"
for side in client server; do
    e2e_use "$side"
    e2e_save_as "$E2E_WORK/files/$side"
done
moves=$(chs_moves "$E2E_WORK/files/server.chs" | tr '\n' ' ')
[ "$moves" = "E2 - E4 E7 - E5 G1 - F3 B8 - C6 " ] || e2e_fail "the server's moves: $moves"
[ "$(chs_moves "$E2E_WORK/files/client.chs" | tr '\n' ' ')" = "$moves" ] ||
    e2e_fail "the client's moves differ"
[ "$(chs_position "$E2E_WORK/files/client.chs")" = "$(chs_position "$E2E_WORK/files/server.chs")" ] ||
    e2e_fail "the boards differ"

for side in client server; do
    e2e_use "$side"
    e2e_exit
done
e2e_log "passed"
