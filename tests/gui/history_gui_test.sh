#!/usr/bin/env bash
# The real program as `vantrel --history FILE` on a virtual display of its own: its
# window must appear titled "作業履歴 - FILE" ("History - FILE" in English) with the program's icon at every size, a screenshot of it must show the sky map's units
# (blue) over its band, and its close box must end the program with status 0.
set -euo pipefail

source "$(dirname "$0")/real_program.sh"
cp "$demo/history.csv" "$work/history.csv"
export XDG_CONFIG_HOME="$work/config"

"$program" --history "$work/history.csv" >"$work/out.log" 2>&1 &
pid=$!
window=""
for _ in $(seq 1 100); do
    # By its process: in the C locale a Japanese title has no name X can match.
    window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "no history window appeared"
title=$(LC_ALL=C.UTF-8 xdotool getwindowname "$window")
case ${LC_ALL:-C} in
    C | C.* | ja*) caption=作業履歴 ;;
    *) caption=History ;;
esac
[ "$title" = "$caption - $work/history.csv" ] || fail "title '$title'"
icons=$(icon_sizes "$window")
[ "$icons" = "16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256" ] || fail "icons '$icons'"

sleep 1
on_screen "$window" || fail "the window is not whole on the screen"
shot=$(shot_name history)
import -window "$window" "$shot"
blue=$(convert "$shot" -fx '(b>0.59 && r<0.55 && b-r>0.23) ? 1 : 0' -format '%[fx:mean*w*h]' info:)
echo "history: $(identify -format '%w x %h' "$shot"), ${blue%.*} unit pixels: $shot"
[ "${blue%.*}" -gt 500 ] || fail "the sky map shows no units"

end_program "$window" ""
echo "PASS"
