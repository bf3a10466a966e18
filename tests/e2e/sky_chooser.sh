#!/bin/bash
# Settings > Set Sky...: picking another environment in the chooser switches
# the sky behind it at once; Close keeps it, and the choice is kept at exit.
source "$(dirname "$0")/lib/e2e.sh"
e2e_init "$@"

# A strip of sky above the board, clear of the centred chooser.
sky_sum() { e2e_crop_sum 0 $((E2E_GLY[$E2E_CUR] + 45)) "${E2E_GLW[$E2E_CUR]}" 60; }
sky_differs() { [ "$(sky_sum)" != "$1" ]; }

e2e_launch game
e2e_shot first-sky >/dev/null
first=$(sky_sum)

# Settings > Set Sky..., the sixteenth entry while no game runs.
downs=()
for ((i = 0; i < 15; i++)); do downs+=(Down); done
e2e_menu s "${downs[@]}" Return
chooser=$(e2e_wait_dialog '^Set Sky$')
xdotool windowfocus --sync "$chooser"
sleep 0.3
e2e_shot chooser >/dev/null

# The previews are in a row; the current one is selected.
xdotool key Right
e2e_wait "$E2E_TIMEOUT" "the second sky" sky_differs "$first"
e2e_settle
second=$(sky_sum)
e2e_shot second-sky >/dev/null
xdotool key Right
e2e_wait "$E2E_TIMEOUT" "the third sky" sky_differs "$second"
e2e_settle
third=$(sky_sum)
[ "$third" != "$first" ] || e2e_fail "the third sky is the first one"
e2e_shot third-sky >/dev/null

# Close is the chooser's only button.
xdotool key Tab space
e2e_wait "$E2E_TIMEOUT" "the chooser to close" e2e_window_gone "$chooser"
e2e_settle
[ "$(sky_sum)" = "$third" ] || e2e_fail "the sky changed when the chooser closed"
e2e_shot closed >/dev/null

e2e_exit
[ "$(ini_value "$(e2e_dir)/Tavlion.INI" "Sky Number")" = 2 ] ||
    e2e_fail "Sky Number is $(ini_value "$(e2e_dir)/Tavlion.INI" "Sky Number") after exit"
e2e_log "passed"
