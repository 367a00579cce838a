# Sourced by the real-program tests: their arguments (the program, the demo folder, where
# screenshots go), a work folder and the program's process, both cleaned up however the test ends.
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
