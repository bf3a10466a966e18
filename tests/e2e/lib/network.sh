# The network dialogs of the program, filled in as a player does.

# e2e_free_port [udp]: a TCP (or UDP) port nobody uses now.
e2e_free_port() {
    python3 - "$@" <<'PY'
import socket, sys
kind = socket.SOCK_DGRAM if sys.argv[1:] == ["udp"] else socket.SOCK_STREAM
s = socket.socket(socket.AF_INET, kind)
s.bind(("127.0.0.1", 0))
print(s.getsockname()[1])
PY
}

# e2e_fill_connect NICKNAME server|client ADDRESS PORT: fills in the open
# "Connect" dialog and presses "Start!". Tab order: nickname, mode, address, port.
e2e_fill_connect() {
    local id
    id=$(e2e_wait_dialog '^Connect$')
    xdotool windowfocus --sync "$id"
    sleep 0.2
    xdotool key ctrl+a
    xdotool type --delay 5 "$1"
    xdotool key Tab
    if [ "$2" = client ]; then xdotool key Down; else xdotool key Up; fi
    xdotool key Tab ctrl+a
    xdotool type --delay 5 "$3"
    xdotool key Tab ctrl+a
    xdotool type --delay 5 "$4"
    xdotool key Return
    e2e_wait "$E2E_TIMEOUT" "the Connect dialog to close" e2e_window_gone "$id"
}

# e2e_two_players NAME...: starts the programs, each in two-player mode.
e2e_two_players() {
    local side
    for side in "$@"; do
        e2e_launch "$side"
        e2e_menu s t # Settings > Two Players
    done
}

# e2e_connect_dialog: Actions > Connect to another Player via Inet... (the
# fourth enabled entry while no game runs).
e2e_connect_dialog() { e2e_menu a Down Down Down Return; }

# e2e_pick_player NICKNAME: fills in the open "Connect" dialog as a caller
# who types no address: the first of "Players on this network" is picked and
# "Start!" pressed. Tab order as a caller: nickname, mode, address, port, list.
e2e_pick_player() {
    local id box end=$((SECONDS + E2E_TIMEOUT))
    id=$(e2e_wait_dialog '^Connect$')
    xdotool windowfocus --sync "$id"
    sleep 0.2
    xdotool key ctrl+a
    xdotool type --delay 5 "$1"
    xdotool key Tab Down Tab Tab Tab
    # Until an answer has come the list is empty and "Start!" finds no address.
    until e2e_window_gone "$id"; do
        [ $SECONDS -lt $end ] || e2e_fail "no player to pick in the Connect dialog"
        if box=$(e2e_dialog '^Tavlion$'); then
            e2e_dismiss "$box"
            sleep 1
        fi
        xdotool windowfocus --sync "$id" key Home Return
        sleep 0.5
    done
}

# e2e_park_chat NAME...: waits for the "Chess Chat" window that the greeting
# opens at each side and moves it off the board.
e2e_park_chat() {
    local side chat
    for side in "$@"; do
        e2e_use "$side"
        chat=$(e2e_wait_dialog '^Chess Chat$')
        xdotool windowmove --sync "$chat" 0 100
    done
}

# e2e_chat TEXT: types a line into the shown "Chess Chat" window and sends it.
e2e_chat() {
    local id
    id=$(e2e_wait_dialog '^Chess Chat$')
    xdotool windowraise "$id"
    eval "$(xdotool getwindowgeometry --shell "$id")"
    # The message line sits at the window's bottom, left of "&Send!".
    xdotool mousemove --window "$id" 60 $((HEIGHT - 20)) click 1
    sleep 0.2
    xdotool type --delay 5 "$1"
    xdotool key Return
}

# e2e_chat_sum: checksum of the "Chess Chat" window, to see lines arrive.
# Without a window manager the main window may have been raised over it.
e2e_chat_sum() {
    local id
    id=$(e2e_dialog '^Chess Chat$') || return 1
    xdotool windowraise "$id"
    sleep 0.1
    eval "$(xdotool getwindowgeometry --shell "$id")"
    e2e_crop_sum "$X" "$Y" "$WIDTH" "$HEIGHT"
}
