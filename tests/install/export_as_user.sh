#!/usr/bin/env bash
# The user's side of the install test, on a virtual display of its own: starts the
# installed program in a client folder with an empty settings file, keeps the window's icon,
# clicks the export button and closes the window once the CSV log has its line.
#   export_as_user.sh PROGRAM CLIENT_DIR CLOSE_WINDOW OUT_DIR
set -euo pipefail

program=$1
client=$2
close_window=$3
out=$4
log=$HOME/.local/share/Halvorn/Vantrel/export.csv

fail() {
    echo "FAIL: $*"
    cat "$out/program.log" 2>/dev/null || true
    exit 1
}

mkdir -p "$HOME/.config/Halvorn/Vantrel"
: >"$HOME/.config/Halvorn/Vantrel/settings"

(cd "$client" && exec "$program") >"$out/program.log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=""
for _ in $(seq 1 300); do
    window=$(xdotool search --onlyvisible --name ' - Vantrel$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended before its window appeared"
    sleep 0.1
done
[ -n "$window" ] || fail "no Vantrel window appeared"
sleep 0.5

xprop -len 1000000 -id "$window" -notype 32c _NET_WM_ICON >"$out/window-icon.txt"

# The export button takes 75..125 x 155..169 of the window's 310 x 185 dialog units; the window
# has no frame on a display without a window manager.
eval "$(xdotool getwindowgeometry --shell "$window")"
x=$((WIDTH * 100 / 310))
y=$((HEIGHT * 162 / 185))
xdotool mousemove --window "$window" "$x" "$y" click 1
for _ in $(seq 1 100); do
    [ -s "$log" ] && break
    sleep 0.1
done
if [ ! -s "$log" ]; then
    # The message box of a failed export has the program's name as its title.
    box=$(xdotool search --onlyvisible --name '^Vantrel$' 2>/dev/null | head -n 1 || true)
    fail "no line in $log after a click at $x,$y of the ${WIDTH}x$HEIGHT window${box:+; a message box is open}"
fi

"$close_window" "$window"
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end when its window was closed"
trap - EXIT
wait "$pid" || fail "the program exited with status $?"
