# Reading game files and settings files back, for the scenarios' checks.

# The "Figures" value as one number or text per line.
chs_fields() { sed -n 's/^Figures=//p' "$1" | tr -d '\r' | tr ' \t' '\n\n'; }

# chs_at FILE SQUARE: "type color" of the figure on the square, empty if none.
chs_at() {
    local x y
    x=$(($(printf '%d' "'${2:0:1}") - 97))
    y=$((${2:1:1} - 1))
    chs_fields "$1" | awk -v x="$x" -v y="$y" '
        NR == 1 { n = $1; next }
        NR <= 1 + 4 * n { f[(NR - 2) % 4] = $1
            if ((NR - 2) % 4 == 3 && f[2] == x && f[3] == y) print f[0], f[1] }'
}

# chs_count FILE: number of figures on the board.
chs_count() { chs_fields "$1" | head -1; }

# chs_moves FILE: the move list's texts, one per line (each entry is its text
# and four numbers, all tab-ended; the numbers before the list end in spaces).
chs_moves() {
    sed -n 's/^Figures=//p' "$1" | tr -d '\r' |
        awk -F'\t' '{ sub(/^[-0-9 ]*/, "", $1); for (i = 1; i < NF; i += 5) print $i }'
}

# ini_value FILE KEY
ini_value() { tr -d '\r' <"$1" | sed -n "s/^$2=//p"; }

# ini_keys FILE: the keys of the file in their order.
ini_keys() { tr -d '\r' <"$1" | sed -n 's/^\([^;=[][^=]*\)=.*/\1/p'; }

# chs_captured_black FILE: number of Black's figures taken so far.
chs_captured_black() { chs_fields "$1" | awk 'NR == 1 { n = $1 } NR == 2 + 4 * n + 12 { print; exit }'; }

# chs_position FILE: the figures on the board, one "type color x y" a line, sorted.
chs_position() {
    chs_fields "$1" | awk 'NR == 1 { n = $1; next }
        NR <= 1 + 4 * n { f = f $1 " "; if ((NR - 1) % 4 == 0) { print f; f = "" } }' | sort
}

# chs_moves_for FILE COLOR: the figures' moves by the simple rules (no king
# moves, no castling, no check test), "from to" a line, captures first.
chs_moves_for() {
    chs_fields "$1" | awk -v me="$2" '
        NR == 1 { n = $1; next }
        NR <= 1 + 4 * n { f[(NR - 2) % 4] = $1
            if ((NR - 2) % 4 == 3) { k++; t[k] = f[0]; c[k] = f[1]; X[k] = f[2]; Y[k] = f[3]
                at[f[2], f[3]] = f[1] } }
        function sq(x, y) { return sprintf("%c%d", 97 + x, y + 1) }
        function on(x, y) { return x >= 0 && x < 8 && y >= 0 && y < 8 }
        function add(i, x, y) {
            if (!on(x, y)) return 0
            if ((x, y) in at) { if (at[x, y] != me) caps = caps sq(X[i], Y[i]) " " sq(x, y) "\n"; return 0 }
            quiet = quiet sq(X[i], Y[i]) " " sq(x, y) "\n"; return 1
        }
        function slide(i, dx, dy,   x, y) { x = X[i] + dx; y = Y[i] + dy
            while (add(i, x, y)) { x += dx; y += dy } }
        END {
            split("1 2 2 1 -1 -2 -2 -1", kx); split("2 1 -1 -2 -2 -1 1 2", ky)
            for (i = 1; i <= k; i++) {
                if (c[i] != me) continue
                if (t[i] == 1) {
                    d = me == 0 ? 1 : -1; y = Y[i] + d
                    for (s = -1; s <= 1; s += 2)
                        if (on(X[i] + s, y) && (X[i] + s, y) in at && at[X[i] + s, y] != me)
                            caps = caps sq(X[i], Y[i]) " " sq(X[i] + s, y) "\n"
                    if (on(X[i], y) && !((X[i], y) in at)) {
                        quiet = quiet sq(X[i], Y[i]) " " sq(X[i], y) "\n"
                        if (Y[i] == (me == 0 ? 1 : 6) && !((X[i], y + d) in at))
                            quiet = quiet sq(X[i], Y[i]) " " sq(X[i], y + d) "\n"
                    }
                } else if (t[i] == 2) {
                    for (j = 1; j <= 8; j++) add(i, X[i] + kx[j], Y[i] + ky[j])
                } else if (t[i] >= 3 && t[i] <= 5) {
                    if (t[i] != 4) { slide(i, 1, 1); slide(i, 1, -1); slide(i, -1, 1); slide(i, -1, -1) }
                    if (t[i] != 3) { slide(i, 1, 0); slide(i, -1, 0); slide(i, 0, 1); slide(i, 0, -1) }
                }
            }
            printf "%s%s", caps, quiet
        }'
}

# chs_captures_for FILE COLOR: only the moves that take a figure.
chs_captures_for() {
    local from to
    while read -r from to; do
        if [ -n "$(chs_at "$1" "$to")" ]; then echo "$from $to"; fi
    done < <(chs_moves_for "$1" "$2")
}
