#!/usr/bin/env bash
# The real program in a real window, on a virtual display of its own. It is started
# in a copy of demo/ once per tab, opening on that tab through the remembered-tab setting. Each
# time its window must appear with the title "<directory> (NN.NNN%) - Vantrel" and the program's
# icon at every size, a screenshot of
# it must show more than a blank area (the analysis tab's graph: red steps), and its close box
# must end the program.
set -euo pipefail

source "$(dirname "$0")/real_program.sh"
cp -r "$demo" "$work/client"
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME/Halvorn/Vantrel"
title_pattern="^$(printf '%s' "$work/client" | sed 's/[][\.*^$/]/\\&/g') \([0-9]+\.[0-9]{3}%\) - Vantrel$"

for tab in 0 1 2 3 4; do
    printf '[TAB]\nOFSET=int:%d\n' "$tab" >"$XDG_CONFIG_HOME/Halvorn/Vantrel/settings"
    (cd "$work/client" && exec "$program") >"$work/out.log" 2>&1 &
    pid=$!

    window=""
    for _ in $(seq 1 100); do
        window=$(xdotool search --name ' - Vantrel$' 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || fail "tab $tab: no Vantrel window appeared"

    title=$(xdotool getwindowname "$window")
    [[ "$title" =~ $title_pattern ]] || fail "tab $tab: title '$title'"
    icons=$(icon_sizes "$window")
    [ "$icons" = "16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256" ] ||
        fail "tab $tab: icons '$icons'"

    sleep 0.5
    on_screen "$window" || fail "tab $tab: the window is not whole on the screen"
    shot=$(shot_name "tab-$tab")
    import -window "$window" "$shot"
    colours=$(convert "$shot" -format '%k' info:)
    echo "tab $tab: $(identify -format '%w x %h' "$shot"), $colours colours: $shot"
    [ "$colours" -ge 8 ] || fail "tab $tab: the screenshot is blank"
    red=$(convert "$shot" txt:- | grep -c '#FF0000' || true)
    if [ "$tab" -eq 2 ]; then
        [ "$red" -gt 20 ] || fail "the analysis tab shows no graph ($red red pixels)"
    else
        [ "$red" -eq 0 ] || fail "tab $tab shows the graph ($red red pixels)"
    fi

    end_program "$window" "tab $tab: "
done
echo "PASS"
