#!/usr/bin/env bash
# Runs a command on a virtual X display of its own and ends the display with it.
#   on_display.sh [--screen WIDTHxHEIGHT] COMMAND [ARG...]
# Xvfb picks a free display number itself (-displayfd): "xvfb-run -a" looks for a free number
# before the server takes it, so two runs started together could pick the same one, and the
# loser's failed start removed the winner's socket, leaving it without a display half-way.
set -euo pipefail

screen=1280x1024
if [ "${1:-}" = --screen ]; then
    screen=$2
    shift 2
fi
[ $# -gt 0 ] || {
    echo "usage: on_display.sh [--screen WIDTHxHEIGHT] COMMAND [ARG...]" >&2
    exit 2
}

dir=$(mktemp -d)
server=""
finish() {
    [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
    rm -rf "$dir"
}
trap finish EXIT
trap 'exit 143' TERM INT

mkfifo "$dir/number"
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 "${screen}x24" 3>"$dir/number" \
    >"$dir/server.log" 2>&1 &
server=$!
# The server writes its number once it takes connections; nothing if it failed to start.
number=$(timeout 30 head -n 1 "$dir/number" || true)
if [ -z "$number" ]; then
    echo "on_display.sh: Xvfb did not start:" >&2
    cat "$dir/server.log" >&2
    exit 1
fi

status=0
DISPLAY=:$number "$@" || status=$?
exit "$status"
