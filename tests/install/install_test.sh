#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the layout a desktop
# menu relies on, and starts the game through its launcher as a user would.
#   install_test.sh <build-dir>
set -euo pipefail
build=$1
root=$(mktemp -d)
pid=
trap '[[ -n $pid ]] && kill "$pid" 2>/dev/null; rm -rf "$root"' EXIT
prefix=$root/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

lib=$prefix/lib/tavlion
for path in bin/tavlion bin/tavlion-uci lib/tavlion/Tavlion lib/tavlion/tavlion-uci \
    lib/tavlion/libEngine.so lib/tavlion/libTonmark.so \
    lib/tavlion/Sounds lib/tavlion/Textures lib/tavlion/Environment \
    share/applications/tavlion.desktop share/icons/hicolor/64x64/apps/tavlion.png \
    share/icons/hicolor/256x256/apps/tavlion.png; do
    [[ -e $prefix/$path ]] || { echo "missing after install: $path" >&2; exit 1; }
done
grep -qx 'Exec=tavlion' "$prefix/share/applications/tavlion.desktop"
grep -qx 'Icon=tavlion' "$prefix/share/applications/tavlion.desktop"
if ldd "$lib/Tavlion" | grep -q "$build"; then
    echo "the installed program still links into the build tree" >&2
    exit 1
fi

# The UCI engine answers from any folder, through the link on the path, and
# leaves nothing in the folder it was started from.
mkdir -p "$root/gui"
answer=$(cd "$root/gui" && printf 'uci\nposition startpos moves e2e4\ngo depth 3\nquit\n' |
    timeout 60 "$prefix/bin/tavlion-uci")
grep -qx 'id name Tavlion' <<<"$answer" || { echo "tavlion-uci: no id: $answer" >&2; exit 1; }
grep -q '^bestmove [a-h][1-8][a-h][1-8]$' <<<"$answer" ||
    { echo "tavlion-uci: no move: $answer" >&2; exit 1; }
[[ -z $(ls -A "$root/gui") ]] || { echo "tavlion-uci left files behind" >&2; exit 1; }

# The launcher gives the user a folder of their own beside the shared data.
export HOME=$root/home XDG_DATA_HOME=
"$prefix/bin/tavlion" &
pid=$!
for _ in $(seq 100); do
    if xdotool search --all --onlyvisible --pid "$pid" --name '^Tavlion$' >/dev/null 2>&1; then
        [[ -L $HOME/.local/share/Tavlion/Environment ]] || { echo "no user folder" >&2; exit 1; }
        echo "installed game started from $prefix/bin/tavlion"
        exit 0
    fi
    kill -0 "$pid" 2>/dev/null || { echo "the installed game exited at start" >&2; exit 1; }
    sleep 0.2
done
echo "no game window within 20 s" >&2
exit 1
