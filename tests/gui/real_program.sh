# Sourced by the real-program tests: their arguments (the program, the demo folder, where
# screenshots go), a work folder and the program's process, both cleaned up however the test ends;
# how a test fails, and how it ends the program.
program=$1
demo=$2
shots=${3:-.}
close_window=$(dirname "$program")/x11-close-window

work=$(mktemp -d)
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    cat "$work/out.log" 2>/dev/null || true
    exit 1
}

# Closes the program's window by its close box; the program must end, with status 0. $1: the
# window; $2: what the failure messages begin with.
end_program() {
    "$close_window" "$1"
    for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        fail "$2the program did not end when its window was closed"
    fi
    wait "$pid" || fail "$2the program exited with status $?"
    pid=""
}

# The sizes of the icon a window carries (_NET_WM_ICON: width, height, then the pixels of each).
icon_sizes() {
    xprop -len 1000000 -id "$1" -notype 32c _NET_WM_ICON | python3 -c '
import re, sys
numbers = [int(n) for n in re.findall(r"\d+", sys.stdin.read().partition("=")[2])]
sizes, at = [], 0
while at + 2 <= len(numbers):
    width, height = numbers[at], numbers[at + 1]
    sizes.append(f"{width}x{height}")
    at += 2 + width * height
print(" ".join(sizes))'
}

# Whether the window lies whole on the display's screen (the tests give it a laptop's).
on_screen() {
    local X Y WIDTH HEIGHT WINDOW SCREEN screen_width screen_height
    eval "$(xdotool getwindowgeometry --shell "$1")"
    read -r screen_width screen_height < <(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9]*\)x\([0-9]*\) .*/\1 \2/p')
    [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le "$screen_width" ] &&
        [ $((Y + HEIGHT)) -le "$screen_height" ]
}

# The screenshot's name: the window, the locale and a scale other than 1.
shot_name() {
    echo "$shots/vantrel-$1-${LC_ALL:-${LANG:-C}}${GDK_SCALE:+-scale$GDK_SCALE}.png"
}
