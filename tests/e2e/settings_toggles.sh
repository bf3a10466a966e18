#!/bin/bash
# Every switch of the Settings menu once, during a game with a capture: the
# drawing switches change the view, Timer hides the running clocks, and every
# switch's key is flipped in "Tavlion.INI" after exit.
source "$(dirname "$0")/lib/e2e.sh"
e2e_init "$@"

e2e_launch game
e2e_two_players_capture # the black pawn goes beside the board
e2e_menu s
e2e_shot settings-menu >/dev/null
xdotool key Escape

band() {
    e2e_crop_sum 0 $((E2E_GLY[$E2E_CUR] + 7)) "${E2E_GLW[$E2E_CUR]}" 30
}
band_changes() { [ "$(band)" != "$1" ]; }

# entry position below Game Level (the first enabled entry while a game
# runs) | key in the settings file | value after the click | must redraw
switches=(
    "2|Sound Effects|0|no"
    "3|Music|0|no"
    "4|Animation|0|no"
    "5|Mirror|0|yes"
    "6|Shadows|0|yes"
    "7|Letters|0|yes"
    "8|Delete Figures|0|yes"
    "9|Textured Figures|1|yes"
    "10|Textured Board|0|yes"
    "11|Timer|0|no"
    "12|Sky Flague|0|yes"
    "14|Move List|0|yes"
)
for entry in "${switches[@]}"; do
    IFS='|' read -r position key value redraws <<<"$entry"
    before=$(e2e_view_sum)
    downs=()
    for ((i = 0; i < position; i++)); do downs+=(Down); done
    e2e_menu s "${downs[@]}" Return
    e2e_settle
    after=$(e2e_view_sum)
    e2e_shot "${key// /-}-off" >/dev/null
    if [ "$before" = "$after" ]; then
        [ "$redraws" = no ] || e2e_fail "$key: the view did not change"
        e2e_log "$key: the view looks the same"
    fi
    if [ "$key" = Timer ]; then
        # The clocks run on but are no longer drawn.
        hidden=$(band)
        sleep 1.5
        [ "$(band)" = "$hidden" ] || e2e_fail "the clocks are still drawn with Timer off"
    fi
done

e2e_exit
ini="$(e2e_dir)/Tavlion.INI"
for entry in "${switches[@]}"; do
    IFS='|' read -r position key value redraws <<<"$entry"
    [ "$(ini_value "$ini" "$key")" = "$value" ] ||
        e2e_fail "$key is $(ini_value "$ini" "$key") in Tavlion.INI, not $value"
done
e2e_log "passed"
