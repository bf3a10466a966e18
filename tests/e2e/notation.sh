#!/bin/bash
# Games in standard notation through the menus: a game typed on the keyboard
# to mate with the move list in SAN, exported as PGN; its position copied as
# FEN and pasted into a new game that Black begins; games imported from a
# PGN file of several, and one refused.
source "$(dirname "$0")/lib/e2e.sh"
e2e_init "$@"
export PATH="$PATH:/usr/games"

# e2e_type_move TEXT: types a move into the view and plays it with Enter.
e2e_type_move() {
    e2e_log "$E2E_CUR: typed $1"
    e2e_focus
    xdotool type --delay 40 "$1"
    xdotool key Return
    sleep 0.2
    e2e_settle
}

# pgn_extract_log FILE: what pgn-extract says about the file (empty: nothing).
pgn_extract_log() {
    pgn-extract -s -o "$E2E_WORK/extracted.pgn" -l "$E2E_WORK/extract.log" "$1" >/dev/null 2>&1 ||
        echo "pgn-extract failed"
    cat "$E2E_WORK/extract.log"
}

files="$E2E_WORK/files"
mkdir -p "$files"

e2e_launch game
e2e_menu s t # Settings > Two Players
e2e_menu s n # Settings > Standard Notation
e2e_type_move f3
e2e_type_move e5
plain=$(e2e_move_list_sum)
e2e_menu s n
e2e_settle
[ "$(e2e_move_list_sum)" != "$plain" ] || e2e_fail "Standard Notation changed nothing in the list"
e2e_menu s n
e2e_settle
[ "$(e2e_move_list_sum)" = "$plain" ] || e2e_fail "the list in SAN is not the same again"
e2e_type_move g4
e2e_type_move 'Qh4#'
box=$(e2e_message_box)
e2e_dismiss "$box"
sleep 0.3
e2e_shot move-list-san >/dev/null

e2e_save_as "$files/mate"
[ "$(chs_moves "$files/mate.chs" | tr '\n' '|')" = "F2 - F3|E7 - E5|G2 - G4|D8 - H4|" ] ||
    e2e_fail "move list: $(chs_moves "$files/mate.chs" | tr '\n' '|')"
[ "$(ini_value "$files/mate.chs" "Standard Notation")" = 1 ] || e2e_fail "Standard Notation not kept"
grep -q "Start Position" "$files/mate.chs" && e2e_fail "a usual start wrote a start position"

# Export PGN.
e2e_menu a e
e2e_file_dialog '^Export PGN$' "$files/mate.pgn"
e2e_wait "$E2E_TIMEOUT" "mate.pgn" test -s "$files/mate.pgn"
grep -q '^\[Result "0-1"\]' "$files/mate.pgn" || e2e_fail "no result tag: $(cat "$files/mate.pgn")"
grep -q '^1\. f3 e5 2\. g4 Qh4# 0-1$' "$files/mate.pgn" || e2e_fail "moves: $(cat "$files/mate.pgn")"
if command -v pgn-extract >/dev/null; then
    said=$(pgn_extract_log "$files/mate.pgn")
    [ -z "$said" ] || e2e_fail "pgn-extract: $said"
fi

# Undo the mate, copy the position, and paste it into a new game: Black
# begins it and mates at once.
e2e_key ctrl+z
e2e_menu a p # Copy Position (FEN)
e2e_key ctrl+n
e2e_menu a t # Paste Position (FEN)
e2e_facing black
e2e_type_move Qh4
box=$(e2e_message_box)
e2e_dismiss "$box"
e2e_save_state "$files/mate.chs"
start=$(ini_value "$files/mate.chs" "Start Position")
[ "$start" = "rnbqkbnr/pppp1ppp/8/4p3/6P1/5P2/PPPPP2P/RNBQKBNR b KQkq - 0 2" ] ||
    e2e_fail "start position: $start"
[ "$(chs_moves "$files/mate.chs" | tr '\n' '|')" = "D8 - H4|" ] ||
    e2e_fail "pasted game: $(chs_moves "$files/mate.chs" | tr '\n' '|')"

# Import PGN: a file of three games, the second one chosen.
cat >"$files/three.pgn" <<'PGN'
[Event "Club"]
[Site "Here"]
[Date "2024.05.17"]
[Round "1"]
[White "Anna"]
[Black "Boris"]
[Result "1-0"]

1. e4 e5 2. Nf3 {the usual} Nc6 3. Bb5 a6 (3... Nf6 4. O-O) 4. Ba4 Nf6 5. O-O $1 Be7 1-0

[Event "Club"]
[Site "Here"]
[Date "2024.05.18"]
[Round "2"]
[White "Carl"]
[Black "Dora"]
[Result "1/2-1/2"]

1. d4 d5 2. c4 e6 3. Nc3 Nf6 4. Bg5 Be7 5. e3 O-O 6. Nf3 Nbd7 ; quiet
7. Rc1 c6 1/2-1/2

[Event "Club"]
[Site "Here"]
[Date "2024.05.19"]
[Round "3"]
[White "Eva"]
[Black "Fritz"]
[Result "*"]

1. c4 e5 *
PGN
e2e_menu a i
e2e_file_dialog '^Import PGN$' "$files/three.pgn"
list=$(e2e_wait_dialog '^Choose a Game$')
e2e_wait "$E2E_TIMEOUT" "the game list's layout" e2e_wider_than "$list" 400
sleep 0.5
xdotool windowfocus --sync "$list"
xdotool key Down
sleep 0.3
e2e_shot game-list >/dev/null
xdotool key Return
e2e_wait "$E2E_TIMEOUT" "the game list to close" e2e_window_gone "$list"
e2e_settle
e2e_facing white
e2e_save_as "$files/imported"
moves=$(chs_moves "$files/imported.chs" | wc -l)
[ "$moves" = 14 ] || e2e_fail "imported moves: $moves"
[ "$(ini_value "$files/imported.chs" "Player Mode")" = 1 ] || e2e_fail "not two players"
[ "$(chs_at "$files/imported.chs" c6)" = "1 1" ] || e2e_fail "no black pawn on C6"
e2e_shot imported-game >/dev/null
# Undo walks back through the imported game.
e2e_key ctrl+z
e2e_save_state "$files/imported.chs"
[ -z "$(chs_at "$files/imported.chs" c6)" ] || e2e_fail "Undo left the pawn on C6"
[ "$(ini_value "$files/imported.chs" "Current Move")" = 1 ] || e2e_fail "Black is not to move"

# A game with a move that is not possible is refused through the Open
# dialog too, and the game on the board stays.
printf '[White "Anna"]\n[Black "Boris"]\n\n1. e4 e5 2. Nf3 Nc6 3. Qxf7 *\n' >"$files/bad.pgn"
before=$(chs_fields "$files/imported.chs" | md5sum)
e2e_open "$files/bad.pgn"
box=$(e2e_message_box)
e2e_dismiss "$box"
e2e_save_state "$files/imported.chs"
[ "$(chs_fields "$files/imported.chs" | md5sum)" = "$before" ] || e2e_fail "a refused import changed the game"
e2e_exit
e2e_log "passed"
