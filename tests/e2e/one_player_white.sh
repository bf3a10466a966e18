#!/bin/bash
# Fresh start without settings: White against the engine, a capture, Undo and
# Redo, Save Game As, exit; a second start opens the file and shows the same game.
source "$(dirname "$0")/lib/e2e.sh"
e2e_init "$@"

e2e_launch game
e2e_shot start
mkdir -p "$E2E_WORK/files"
progress="$E2E_WORK/files/progress"
e2e_save_as "$progress"
[ "$(chs_count "$progress.chs")" = 32 ] || e2e_fail "a new game has not 32 figures"
[ -z "$(chs_moves "$progress.chs")" ] || e2e_fail "a new game has moves"

e2e_move e2 e4
e2e_save_state "$progress.chs"
[ "$(chs_at "$progress.chs" e4)" = "1 0" ] || e2e_fail "the pawn did not reach E4"
[ "$(chs_moves "$progress.chs" | wc -l)" = 2 ] || e2e_fail "no reply of the engine"
e2e_shot first-reply

# Develop until a figure can be taken, then take it.
develop=(g1-f3 b1-c3 f1-c4 d2-d3 a2-a3 h2-h3 c1-e3 d1-e2)
took=0
for turn in 1 2 3 4 5 6 7 8; do
    captures=$(chs_captures_for "$progress.chs" 0)
    if [ -n "$captures" ]; then
        read -r from to <<<"$captures"
        before="$E2E_WORK/files/before-capture.chs"
        cp "$progress.chs" "$before"
        e2e_move "$from" "$to"
        e2e_save_state "$progress.chs"
        if [ "$(chs_captured_black "$progress.chs")" -gt "$(chs_captured_black "$before")" ]; then
            took=1
            break
        fi
        # A pinned figure: the program refuses the move with a message.
        e2e_dismiss "$(e2e_message_box)"
        continue
    fi
    moves=$(chs_moves_for "$progress.chs" 0)
    pick=$(head -1 <<<"$moves")
    for m in "${develop[@]}"; do
        if [ -n "$m" ] && grep -qx "${m/-/ }" <<<"$moves"; then
            pick=${m/-/ }
            break
        fi
    done
    develop=("${develop[@]/${pick/ /-}/}")
    e2e_move $pick
    e2e_save_state "$progress.chs"
done
[ "$took" = 1 ] || e2e_fail "no capture came up"
after="$E2E_WORK/files/after-capture.chs"
cp "$progress.chs" "$after"
e2e_shot capture

# Undo takes back the capture and the engine's reply, Redo plays them again.
e2e_key ctrl+z
e2e_save_state "$progress.chs"
[ "$(chs_position "$progress.chs")" = "$(chs_position "$before")" ] ||
    e2e_fail "Undo did not restore the position before the capture"
e2e_shot undo
e2e_key ctrl+y
e2e_save_state "$progress.chs"
[ "$(chs_position "$progress.chs")" = "$(chs_position "$after")" ] ||
    e2e_fail "Redo did not restore the position after the capture"
e2e_shot redo

game="$E2E_WORK/files/game"
e2e_save_as "$game"
e2e_exit

ini="$(e2e_dir)/Tavlion.INI"
[ -f "$ini" ] || e2e_fail "no Tavlion.INI after exit"
keys=$(ini_keys "$ini" | tr '\n' '|')
expected="Music|Sound Effects|Game Level|Player Mode|Player Color|Current Move|Matrix|"
expected+="Camera Position|Mirror|YAngle|Sky Number|Sky Flague|Animation|Shadows|Letters|"
expected+="Delete Figures|Textured Figures|Textured Board|Timer|Nickname|Move List|Draw Mode|"
expected+="Camera Distance|Standard Notation|Board Theme|Smooth Edges|Restore Unfinished Game|Discoverable|Time Control Minutes|Time Control Increment|"
expected+="Engine|Engine Program|Engine Time Easy|Engine Skill Level Easy|Engine Elo Easy|"
expected+="Engine Time Medium|Engine Skill Level Medium|Engine Elo Medium|"
expected+="Engine Time Difficult|Engine Skill Level Difficult|Engine Elo Difficult|"
[ "$keys" = "$expected" ] || e2e_fail "Tavlion.INI keys: $keys"
[ -z "$(ini_value "$game.chs" Discoverable)" ] || e2e_fail "a game file holds a program setting"
# The defaults of a fresh start: one player, White, Easy, everything shown.
for pair in "Music=1" "Sound Effects=1" "Game Level=0" "Player Mode=0" "Player Color=0" \
    "Mirror=1" "Sky Flague=1" "Animation=1" "Shadows=1" "Letters=1" "Delete Figures=1" \
    "Textured Figures=0" "Textured Board=1" "Timer=1" "Nickname=Player" "Move List=1" \
    "Discoverable=1" "Engine=0" "Engine Time Easy=100" "Engine Time Medium=500" \
    "Engine Time Difficult=2000"; do
    [ "$(ini_value "$ini" "${pair%%=*}")" = "${pair#*=}" ] || e2e_fail "default $pair not kept"
done

# Second start in the same folder: open the saved game and save it again.
# The game was under way at exit; its kept copy would be offered first.
rm "$(e2e_dir)/Unfinished.chs"
e2e_launch game "$(e2e_dir)"
e2e_open "$game.chs"
sleep 0.5
e2e_shot reopened
again="$E2E_WORK/files/again"
e2e_save_as "$again"
[ "$(sed -n 's/^Figures=//p' "$again.chs")" = "$(sed -n 's/^Figures=//p' "$game.chs")" ] ||
    e2e_fail "the opened game differs from the saved one"
[ "$(chs_moves "$again.chs" | wc -l)" -ge 4 ] || e2e_fail "the move list was not restored"
e2e_exit
[ "$(ini_keys "$ini" | tr '\n' '|')" = "$expected" ] || e2e_fail "Tavlion.INI lost keys at the second exit"
e2e_log "passed"
