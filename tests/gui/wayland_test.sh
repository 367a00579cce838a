#!/usr/bin/env bash
# The real program in a Wayland session: weston's headless compositor on a socket of its own, once
# with XWayland and once without.
# - With no display at all the program ends with status 1 and a hint that fits X11 and Wayland.
# - With XWayland its window is an X11 one (so the simple view can stay on top), and its close box
#   ends it with status 0.
# - Without, it runs natively: its window reaches the compositor, and it keeps running until it
#   is stopped. Nothing native can press its close box, and the program leaves SIGTERM to its
#   default action, so it ends by that signal (status 143).
# Both times the simple view is set to stay on top (vantrel_gui_tests: SimpleViewOnTop): said
# once natively, nothing said under XWayland.
#   wayland_test.sh VANTREL DEMO_DIR SHOTS_DIR VANTREL_GUI_TESTS
set -euo pipefail

source "$(dirname "$0")/real_program.sh"
gui_tests=$4
cp -r "$demo" "$work/client"
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME/Halvorn/Vantrel"
printf '[Simple]\nEnable=int:1\nTopMost=int:1\n' >"$XDG_CONFIG_HOME/Halvorn/Vantrel/settings"
# Every run below names its own display; none is inherited.
unset DISPLAY WAYLAND_DISPLAY GDK_BACKEND

compositor=""
runs=0
stop_compositor() {
    [ -n "$compositor" ] || return 0
    kill "$compositor" 2>/dev/null || true
    wait "$compositor" 2>/dev/null || true
    compositor=""
}
trap 'stop_compositor; cleanup' EXIT

# Runs the command ($2...) every tenth of a second until it succeeds, at most $1 times.
poll() {
    local tries=$1
    shift
    for _ in $(seq 1 "$tries"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# Starts weston with its extra options ($@) in a runtime folder of its own, its log (with the
# Wayland requests of its clients) in $log; sets XDG_RUNTIME_DIR and WAYLAND_DISPLAY for what
# runs on it.
start_compositor() {
    runs=$((runs + 1))
    export XDG_RUNTIME_DIR="$work/runtime-$runs"
    log="$work/weston-$runs.log"
    mkdir -m 0700 "$XDG_RUNTIME_DIR"
    weston --backend=headless-backend.so --socket=vantrel-test --no-config --idle-time=0 \
        --log="$log" --logger-scopes=log,proto "$@" >/dev/null 2>&1 &
    compositor=$!
    poll 100 test -S "$XDG_RUNTIME_DIR/vantrel-test" || fail "weston did not start: $(cat "$log")"
    export WAYLAND_DISPLAY=vantrel-test
}

# Starts the program in the client folder with the session's variables.
start_program() {
    (cd "$work/client" && exec "$program") >"$work/out.log" 2>&1 &
    pid=$!
}

# The simple view in this session, through the toolkit as the program sets it up.
simple_view_on_top() {
    "$gui_tests" --gtest_filter='SimpleViewOnTop.*' >"$work/gui.log" 2>&1 ||
        fail "$1: the simple view: $(cat "$work/gui.log")"
}

# No display at all, then a Wayland socket that is not there.
for session in "" "WAYLAND_DISPLAY=$work/no-such-socket"; do
    status=0
    (cd "$work/client" && exec env $session "$program") >"$work/out.log" 2>&1 || status=$?
    [ "$status" -eq 1 ] || fail "no display (${session:-nothing set}): status $status"
    grep -qE 'X11 (or|か) Wayland' "$work/out.log" || fail "no display: no hint"
done

# With XWayland: weston says which X display it serves.
x_display() {
    DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$log")
    [ -n "$DISPLAY" ]
}
x_window() {
    window=$(xdotool search --name ' - Vantrel$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ]
}
start_compositor --xwayland
poll 100 x_display || fail "weston started no XWayland: $(cat "$log")"
export DISPLAY
start_program
poll 150 x_window || fail "XWayland: no Vantrel window on the X display $DISPLAY"
end_program "$window" "XWayland: "
simple_view_on_top XWayland
stop_compositor
unset DISPLAY

# Natively: the compositor sees the window's title.
start_compositor
start_program
poll 150 grep -q 'xdg_toplevel@[0-9]*\.set_title(".* - Vantrel")' "$log" ||
    fail "Wayland: no Vantrel window reached the compositor"
sleep 3
kill -0 "$pid" 2>/dev/null || fail "Wayland: the program ended by itself"
if grep -q 'cannot open' "$work/out.log"; then
    fail "Wayland: the program found no display"
fi
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 143 ] || fail "Wayland: SIGTERM ended the program with status $status"
simple_view_on_top Wayland
echo "PASS"
