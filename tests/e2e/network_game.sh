#!/bin/bash
# Two programs play over 127.0.0.1 through the "Connect" dialog: the listening
# side plays White, the connecting side Black; moves and chat lines both ways,
# a new game from the connecting side, then the connection is closed.
source "$(dirname "$0")/lib/e2e.sh"
e2e_init "$@"
port=$(e2e_free_port)

# Each program has an X server of its own, so their windows never overlap.
declare -A empty_list
for side in server client; do
    e2e_launch "$side"
    e2e_menu s t # Settings > Two Players
    empty_list[$side]=$(e2e_move_list_sum)
done

# Actions > Connect to another Player via Inet... (the fourth enabled entry).
e2e_use server
e2e_menu a Down Down Down Return
e2e_fill_connect Ann server 127.0.0.1 "$port"
e2e_shot address-in-clipboard >/dev/null
e2e_dismiss "$(e2e_message_box)"

e2e_use client
e2e_menu a Down Down Down Return
e2e_fill_connect Bob client 127.0.0.1 "$port"

# The greetings open the chat on both sides; it is moved off the board.
chat_window() { e2e_dialog '^Chess Chat$'; }
chat_sum() {
    local id
    id=$(chat_window)
    eval "$(xdotool getwindowgeometry --shell "$id")"
    e2e_crop_sum "$X" "$Y" "$WIDTH" "$HEIGHT"
}
for side in server client; do
    e2e_use "$side"
    chat=$(e2e_wait_dialog '^Chess Chat$')
    xdotool windowmove --sync "$chat" 0 100
done
e2e_use client
e2e_facing black # the listening side plays White
e2e_shot connected-client >/dev/null
e2e_use server
e2e_shot connected-server >/dev/null

# same_list OTHER SUM: the other side's move list shows the same lines.
same_list() { [ "$(e2e_on "$1" e2e_move_list_sum)" = "$2" ]; }

e2e_use server
e2e_move e2 e4
e2e_wait "$E2E_TIMEOUT" "the server's own move in its list" e2e_list_differs "${empty_list[server]}"
sent=$(e2e_move_list_sum)
e2e_wait "$E2E_TIMEOUT" "White's move at the client" same_list client "$sent"

e2e_use client
e2e_move e7 e5
e2e_wait "$E2E_TIMEOUT" "the client's own move in its list" e2e_list_differs "$sent"
sent=$(e2e_move_list_sum)
e2e_wait "$E2E_TIMEOUT" "Black's move at the server" same_list server "$sent"
e2e_shot moves-client >/dev/null
e2e_use server
e2e_shot moves-server >/dev/null

# chat_arrives SIDE BEFORE: the side's chat window changed.
chat_arrives() { [ "$(e2e_on "$1" chat_sum)" != "$2" ]; }
e2e_use client
before=$(chat_sum)
e2e_use server
e2e_chat "Good luck, Bob!"
e2e_wait "$E2E_TIMEOUT" "the server's chat line at the client" chat_arrives client "$before"
before=$(chat_sum)
e2e_use client
e2e_chat "Thanks, Ann. Have fun!"
e2e_wait "$E2E_TIMEOUT" "the client's chat line at the server" chat_arrives server "$before"
e2e_shot chat-client >/dev/null
e2e_use server
e2e_shot chat-server >/dev/null

# New Game on the connecting side clears both boards.
e2e_use client
e2e_key ctrl+n
e2e_wait "$E2E_TIMEOUT" "the client's list to clear" e2e_list_is "${empty_list[client]}"
e2e_use server
e2e_wait "$E2E_TIMEOUT" "the new game at the server" e2e_list_is "${empty_list[server]}"
e2e_shot new-game-server >/dev/null

# Actions > Close Connection (the entry after New Game while connected) on
# the connecting side; the listening side reports that the opponent left.
e2e_use client
e2e_menu a Down Return
e2e_use server
left=$(e2e_message_box)
e2e_shot opponent-left >/dev/null
e2e_dismiss "$left"

# Save Game As is enabled again without a connection and writes the fresh game.
mkdir -p "$E2E_WORK/files"
for side in client server; do
    e2e_use "$side"
    e2e_save_as "$E2E_WORK/files/$side"
    [ "$(chs_count "$E2E_WORK/files/$side.chs")" = 32 ] || e2e_fail "$side: not a new game"
    [ -z "$(chs_moves "$E2E_WORK/files/$side.chs")" ] || e2e_fail "$side: moves left"
done
[ "$(ini_value "$E2E_WORK/files/client.chs" "Player Color")" = 1 ] ||
    e2e_fail "the connecting side does not play Black"
[ "$(ini_value "$E2E_WORK/files/server.chs" "Player Color")" = 0 ] ||
    e2e_fail "the listening side does not play White"
[ "$(ini_value "$E2E_WORK/files/server.chs" "Nickname")" = Ann ] ||
    e2e_fail "the server's nickname was not taken"

for side in client server; do
    e2e_use "$side"
    e2e_exit
done
e2e_log "passed"
