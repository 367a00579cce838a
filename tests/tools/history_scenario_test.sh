#!/usr/bin/env bash
# The history window driven by the scenario runner, as a user reaches it: from the main window's
# context menu on the log the settings name, and alone with --history on the demo's log. Each
# action prints the window's rows as JSON, checked here with python3.
# Usage: history_scenario_test.sh VANTREL_SCENARIO DEMO_DIR
set -euo pipefail
scenario=$1
demo=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$demo" "$work/client"
export XDG_CONFIG_HOME="$work/config" TZ=Asia/Tokyo
mkdir -p "$XDG_CONFIG_HOME/Halvorn/Vantrel"
printf '[Export]\nPath=str:%s\n' "$demo/history.csv" >"$XDG_CONFIG_HOME/Halvorn/Vantrel/settings"

# From the main window: the history item, a sort, a row, a saved sky map, then back.
(cd "$work/client" && printf '%s\n' history 'sort 4' 'select 0' "save $work/sky.png" close show \
    close | "$scenario") >"$work/menu.json"
# Alone: the demo's log, the CPU chart, then the figures and status alone.
(cd "$work" && printf '%s\n' 'chart 0' brief timer close | "$scenario" --history "$demo/history.csv") \
    >"$work/alone.json"

python3 - "$work" <<'PY'
import json, sys
work = sys.argv[1]
def lines(name):
    return [json.loads(l) for l in open(f"{work}/{name}")]
menu = lines("menu.json")
history = [m for m in menu if m.get("window") == "history"]
assert [m["action"] for m in history] == ["history", "sort 4", "select 0", f"save {work}/sky.png", "close"], history
first = history[0]
assert first["title"].startswith("作業履歴 - "), first["title"]
assert len(first["rows"]) >= 2000 and first["rows"][0][0] >= first["rows"][-1][0], "newest first"
assert "まとめました" in first["status"] and "読み込めません" not in first["status"], first["status"]
cpu = [float(r[4].split()[0]) for r in history[1]["rows"]]
assert cpu == sorted(cpu, reverse=True), "sorted by CPU time"
assert history[2]["selectedRow"] == 0 and history[2]["chart"]["highlightPixels"] > 20
assert history[2]["chart"]["unitPixels"] > 1000
assert open(f"{work}/sky.png", "rb").read(4) == b"\x89PNG"
assert history[-1]["open"] is False
back = [m for m in menu if m.get("window") != "history"]
assert back[-2]["action"] == "show" and back[-2]["open"], back[-2]
alone = lines("alone.json")
assert alone[0]["window"] == "history" and alone[1]["chart"]["tab"] == 0
assert alone[0]["rows"] == first["rows"]
brief = alone[3]
assert "rows" not in brief and "chart" not in brief, brief.keys()
assert (brief["status"], brief["summary"]) == (alone[0]["status"], alone[0]["summary"])
print("history scenario: 2 passed, 0 failed")
PY
