# Shared helpers of the end-to-end scenarios: each scenario sources this file,
# calls e2e_init with its arguments and drives real program windows through
# xdotool on X servers of its own.
#
# Instances: every running program has a name; e2e_use NAME makes it the one
# that the input helpers talk to.

set -euo pipefail

e2e_lib="$(dirname "${BASH_SOURCE[0]}")"
source "$e2e_lib/game_files.sh"
source "$e2e_lib/network.sh"

E2E_TIMEOUT=${E2E_TIMEOUT:-20} # seconds for any single wait
E2E_SCREEN=${E2E_SCREEN:-1280x800x24}

declare -A E2E_DISPLAY E2E_XPID E2E_PID E2E_DIR E2E_MAIN E2E_GL E2E_GLX E2E_GLY E2E_GLW \
    E2E_GLH E2E_FACING
E2E_CUR=""

e2e_log() { echo "[e2e $(date +%T)] $*" >&2; }
e2e_fail() {
    e2e_log "FAIL: $*"
    if [ -n "$E2E_CUR" ]; then
        e2e_shot "failure" || true
        xwininfo -root -tree | grep -v -E ' (1x1|3x3)\+' >&2 || true
    fi
    exit 1
}

# e2e_init STAGE_DIR ARTIFACT_DIR PROBE
e2e_init() {
    E2E_STAGE=$(cd "$1" && pwd)
    E2E_ART=$2
    E2E_PROBE=$3
    [ -x "$E2E_STAGE/Tavlion" ] || e2e_fail "no program in $E2E_STAGE"
    rm -rf "$E2E_ART"
    mkdir -p "$E2E_ART"
    E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/tavlion-e2e.XXXXXX")
    trap e2e_cleanup EXIT
    # The programs of one scenario find each other on a port of their own,
    # and discovery stays on this machine.
    TAVLION_LOCAL_DISCOVERY_PORT=$(e2e_free_port udp)
    export TAVLION_LOCAL_DISCOVERY_PORT
}

e2e_cleanup() {
    local name
    for name in "${!E2E_PID[@]}"; do kill "${E2E_PID[$name]}" 2>/dev/null || true; done
    for name in "${!E2E_XPID[@]}"; do kill "${E2E_XPID[$name]}" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$E2E_WORK"
}

# e2e_wait TIMEOUT WHAT COMMAND...: polls COMMAND until it succeeds.
e2e_wait() {
    local timeout=$1 what=$2
    shift 2
    local end=$((SECONDS + timeout))
    until "$@"; do
        [ $SECONDS -lt $end ] || e2e_fail "timed out waiting for $what"
        sleep 0.1
    done
}

# An X server of its own per instance, on a display number it picks itself.
e2e_xserver() {
    local name=$1 fifo="$E2E_WORK/display-$1"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "$E2E_SCREEN" -nolisten tcp 3>"$fifo" 2>"$E2E_WORK/xvfb-$name.log" &
    E2E_XPID[$name]=$!
    local number
    read -r -t "$E2E_TIMEOUT" number <"$fifo" || e2e_fail "Xvfb for $name did not start"
    E2E_DISPLAY[$name]=":$number"
}

e2e_use() {
    E2E_CUR=$1
    export DISPLAY=${E2E_DISPLAY[$1]}
}

# e2e_on NAME COMMAND...: runs COMMAND with NAME as the current instance,
# leaving the current one as it was.
e2e_on() { (e2e_use "$1" && shift && "$@"); }

# e2e_launch NAME [DIR]: starts the program with DIR (default: a fresh copy of
# the stage folder, so there is no settings file) as current directory.
e2e_launch() {
    local name=$1
    e2e_start "$@"
    e2e_wait "$E2E_TIMEOUT" "the splash of $1 to close" e2e_no_splash
    E2E_FACING[$name]=white
    e2e_log "$name: pid ${E2E_PID[$name]} on $DISPLAY, view ${E2E_GLW[$name]}x${E2E_GLH[$name]}" \
        "at ${E2E_GLX[$name]},${E2E_GLY[$name]}"
}

# e2e_start NAME [DIR]: e2e_launch up to the main window, with the splash
# (and whatever the program asks at start) still on screen.
e2e_start() {
    local name=$1 dir=${2:-}
    if [ -z "$dir" ]; then
        dir="$E2E_WORK/$name"
        cp -a "$E2E_STAGE" "$dir"
        rm -f "$dir/Tavlion.INI" "$dir/Unfinished.chs"
    fi
    [ -n "${E2E_DISPLAY[$name]:-}" ] || e2e_xserver "$name"
    e2e_use "$name"
    E2E_DIR[$name]=$dir
    (cd "$dir" && exec ./Tavlion >"$E2E_WORK/$name.out" 2>&1) &
    E2E_PID[$name]=$!
    e2e_wait "$E2E_TIMEOUT" "the main window of $name" e2e_find_windows
}

e2e_pid() { echo "${E2E_PID[$E2E_CUR]}"; }
e2e_dir() { echo "${E2E_DIR[$E2E_CUR]}"; }

# The main window carries the process id; the GL view is its child window,
# also titled "Tavlion", below the menu and tool bars.
e2e_find_windows() {
    local id main="" line=""
    for id in $(xdotool search --all --onlyvisible --pid "$(e2e_pid)" --name '^Tavlion$' 2>/dev/null); do
        line=$(xwininfo -children -id "$id" | grep -E '^ +0x[0-9a-f]+ "Tavlion"' | head -1) || true
        if [ -n "$line" ]; then
            main=$id
            break
        fi
    done
    [ -n "$main" ] || return 1
    # '  0x20000a "Tavlion": ("Tavlion" "Tavlion")  1280x729+0+49  +0+49'
    read -r id WIDTH HEIGHT X Y < <(echo "$line" |
        sed -E 's/^ +(0x[0-9a-f]+) .* ([0-9]+)x([0-9]+)[-+][-0-9]+[-+][-0-9]+ +\+(-?[0-9]+)\+(-?[0-9]+)$/\1 \2 \3 \4 \5/')
    E2E_MAIN[$E2E_CUR]=$main
    E2E_GL[$E2E_CUR]=$((id))
    E2E_GLX[$E2E_CUR]=$X
    E2E_GLY[$E2E_CUR]=$Y
    E2E_GLW[$E2E_CUR]=$WIDTH
    E2E_GLH[$E2E_CUR]=$HEIGHT
}

# The splash is the small window titled "Tavlion".
e2e_no_splash() {
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$(e2e_pid)" --name '^Tavlion$' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)" || continue
        [ "$WIDTH" -ge 1000 ] || return 1
    done
}

e2e_main() { echo "${E2E_MAIN[$E2E_CUR]}"; }

e2e_focus() {
    xdotool windowraise "$(e2e_main)" 2>/dev/null || true
    xdotool windowfocus --sync "$(e2e_main)"
}

# e2e_key KEY...: key strokes to the main window, e.g. ctrl+z alt+a.
e2e_key() {
    e2e_focus
    local k
    for k in "$@"; do
        xdotool key --clearmodifiers "$k"
        sleep 0.15
    done
}

# e2e_menu MENU_KEY KEY...: opens a menu by its mnemonic, then further keys.
e2e_menu() {
    local menu=$1
    shift
    e2e_key "alt+$menu"
    local k
    for k in "$@"; do
        xdotool key "$k"
        sleep 0.1
    done
}

# The board is seen from White's or Black's side; squares follow it.
e2e_facing() { E2E_FACING[$E2E_CUR]=$1; }

e2e_square_pixel() {
    "$E2E_PROBE" "${E2E_GLW[$E2E_CUR]}" "${E2E_GLH[$E2E_CUR]}" "$1" "${E2E_FACING[$E2E_CUR]}"
}

e2e_click_square() {
    local x y
    read -r x y < <(e2e_square_pixel "$1")
    xdotool mousemove --window "${E2E_GL[$E2E_CUR]}" "$x" "$y" click 1
    sleep 0.15
}

# e2e_move FROM TO: picks a figure and puts it down, as a player does.
e2e_move() {
    e2e_log "$E2E_CUR: move $1-$2"
    e2e_click_square "$1"
    e2e_click_square "$2"
    e2e_settle
}

# e2e_two_players_capture: Settings > Two Players, then 1. e4 d5 2. exd5,
# so a game runs and a black pawn has been captured.
e2e_two_players_capture() {
    e2e_menu s t
    e2e_move e2 e4
    e2e_facing black
    e2e_move d7 d5
    e2e_facing white
    e2e_move e4 d5
}

# The view below the clocks' band, as a checksum.
e2e_view_sum() {
    local top=$((E2E_GLY[$E2E_CUR] + 40))
    e2e_crop_sum "${E2E_GLX[$E2E_CUR]}" "$top" "${E2E_GLW[$E2E_CUR]}" \
        $((E2E_GLH[$E2E_CUR] - 40))
}

# e2e_settle: waits until the view stops changing (an animation has ended and
# the board has turned); input during an animation is not taken.
e2e_settle() {
    local last now end=$((SECONDS + E2E_TIMEOUT))
    last=$(e2e_view_sum)
    while sleep 0.2; do
        now=$(e2e_view_sum)
        [ "$now" != "$last" ] || return 0
        [ $SECONDS -lt $end ] || e2e_fail "the view did not come to rest"
        last=$now
    done
}

# e2e_shot WHAT: numbered screenshot of the current instance's screen.
e2e_shot() {
    # Numbered by what is there already: the caller may be a subshell.
    local file count
    count=$(find "$E2E_ART" -maxdepth 1 -name '*.png' | wc -l)
    file=$(printf '%s/%02d-%s.png' "$E2E_ART" $((count + 1)) "$1")
    import -window root "$file"
    echo "$file"
}

# Top-level windows of the program other than the main window and its view.
e2e_dialog() {
    local title=$1 id
    for id in $(xdotool search --all --onlyvisible --pid "$(e2e_pid)" --name "$title" 2>/dev/null); do
        [ "$id" = "$(e2e_main)" ] || [ "$id" = "${E2E_GL[$E2E_CUR]}" ] || {
            echo "$id"
            return 0
        }
    done
    return 1
}

e2e_has_dialog() { e2e_dialog "$1" >/dev/null; }

# e2e_wait_dialog TITLE: waits for a window of that title and prints its id.
e2e_wait_dialog() {
    e2e_wait "$E2E_TIMEOUT" "window '$1'" e2e_has_dialog "$1"
    e2e_dialog "$1"
}

# Program's message boxes carry the title "Tavlion"; this prints the one shown.
e2e_message_box() { e2e_wait_dialog '^Tavlion$'; }

# e2e_dismiss ID: presses the default button of a dialog.
e2e_dismiss() {
    xdotool windowfocus --sync "$1"
    xdotool key Return
    e2e_wait "$E2E_TIMEOUT" "window $1 to close" e2e_window_gone "$1"
}

e2e_wider_than() {
    eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null)" && [ "$WIDTH" -gt "$2" ]
}

e2e_window_gone() { ! xdotool getwindowname "$1" >/dev/null 2>&1 || ! e2e_visible "$1"; }
e2e_visible() { xdotool search --all --onlyvisible --pid "$(e2e_pid)" --name '.' | grep -qx "$1"; }

# e2e_file_dialog TITLE PATH: types a path into the file dialog and accepts it.
e2e_file_dialog() {
    local id
    id=$(e2e_wait_dialog "$1")
    # It may be mapped before it has its final size.
    e2e_wait "$E2E_TIMEOUT" "the file dialog's layout" e2e_wider_than "$id" 400
    xdotool windowfocus --sync "$id"
    sleep 0.3
    # The file name line is the dialog's second row from the bottom.
    eval "$(xdotool getwindowgeometry --shell "$id")"
    xdotool mousemove --window "$id" $((WIDTH / 2)) $((HEIGHT - 54)) click 1
    sleep 0.1
    xdotool key ctrl+a
    xdotool type --delay 5 "$2"
    xdotool key Return
    e2e_wait "$E2E_TIMEOUT" "the file dialog to close" e2e_window_gone "$id"
}

# e2e_save_as PATH: Actions > Save Game As...; the program appends ".chs".
e2e_save_as() {
    e2e_menu a a
    e2e_file_dialog '^Save As$' "$1"
    e2e_wait "$E2E_TIMEOUT" "$1.chs" test -s "$1.chs"
}

e2e_open() {
    e2e_key ctrl+o
    e2e_file_dialog '^Open$' "$1"
}

# e2e_save_state FILE: Save Game (Ctrl+S, the path of the last Save As)
# once the engine lets it, i.e. not while it thinks.
e2e_save_state() {
    local file=$1 end=$((SECONDS + E2E_TIMEOUT))
    rm -f "$file"
    until [ -s "$file" ]; do
        [ $SECONDS -lt $end ] || e2e_fail "Save Game did not write $file"
        e2e_key ctrl+s
        local i
        for i in 1 2 3 4 5; do [ -s "$file" ] && break || sleep 0.1; done
    done
}

# e2e_exit: Actions > Exit, and the process ends.
e2e_exit() {
    e2e_menu a x
    e2e_wait "$E2E_TIMEOUT" "$E2E_CUR to exit" e2e_exited
    wait "$(e2e_pid)" || e2e_fail "$E2E_CUR exited with status $?"
    unset "E2E_PID[$E2E_CUR]"
}

e2e_exited() { ! kill -0 "$(e2e_pid)" 2>/dev/null; }

# e2e_crop_sum X Y W H: checksum of a region of the current screen.
e2e_crop_sum() {
    # Uncompressed and cut while grabbing: these run many times a second.
    import -window root -crop "$3x$4+$1+$2" "$E2E_WORK/now-$E2E_CUR.miff"
    convert "$E2E_WORK/now-$E2E_CUR.miff" -format '%#' info:
}

# The move list's first lines at the view's right edge: only the pixels of
# its two text colours count, so the sky behind them (turned with the board)
# does not.
e2e_move_list_sum() {
    import -window root \
        -crop "205x70+$((E2E_GLX[$E2E_CUR] + E2E_GLW[$E2E_CUR] - 205))+$((E2E_GLY[$E2E_CUR] + 80))" \
        "$E2E_WORK/now-$E2E_CUR.miff"
    convert "$E2E_WORK/now-$E2E_CUR.miff" -fuzz 5% \
        -fill 'rgb(1,2,3)' -opaque 'rgb(242,77,77)' -opaque 'rgb(77,242,77)' \
        -fill black +opaque 'rgb(1,2,3)' -format '%#' info:
}
e2e_list_is() { [ "$(e2e_move_list_sum)" = "$1" ]; }
e2e_list_differs() { [ "$(e2e_move_list_sum)" != "$1" ]; }
