#!/usr/bin/env bash
# The real program in a real window: started in a copy of demo/ on a virtual display, its window
# must appear with the title "<directory> (NN.NNN%) - Vantrel", and a screenshot of it must show
# more than a blank area. Run it under xvfb-run (ctest does).
set -euo pipefail

program=$1
demo=$2
shots=${3:-.}
close_window=$(dirname "$program")/x11-close-window

work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
cp -r "$demo" "$work/client"
export XDG_CONFIG_HOME="$work/config"

cd "$work/client"
"$program" >"$work/out.log" 2>&1 &
pid=$!

window=""
for _ in $(seq 1 100); do
    window=$(xdotool search --name ' - Vantrel$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
if [ -z "$window" ]; then
    echo "FAIL: no Vantrel window appeared"; cat "$work/out.log"; exit 1
fi

title=$(xdotool getwindowname "$window")
expected="^$(printf '%s' "$work/client" | sed 's/[][\.*^$/]/\\&/g') \([0-9]+\.[0-9]{3}%\) - Vantrel$"
if ! [[ "$title" =~ $expected ]]; then
    echo "FAIL: title '$title' does not match '$expected'"; exit 1
fi

sleep 0.5
shot="$shots/vantrel-main-window.png"
import -window "$window" "$shot"
colours=$(convert "$shot" -format '%k' info:)
size=$(identify -format '%w %h' "$shot")
echo "screenshot $shot: $size, $colours colours"
if [ "$colours" -lt 8 ]; then
    echo "FAIL: the screenshot is blank"; exit 1
fi

# The close box ends the program.
"$close_window" "$window"
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: the program did not end after its window was closed"; exit 1
fi
echo "PASS"
