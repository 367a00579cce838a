#!/usr/bin/env bash
# Four simulated clients under the clients overview of the scenario runner, read each minute of a
# test clock for their notifications: three slow ones paused (SIGSTOP) are told in one notice, the
# one resumed runs again, a folder taken away is told after its grace and again when back, and a
# fast one's finished units are told, each once. No client is told twice of one event.
# Usage: overview_alerts_test.sh SCENARIO_RUNNER CLIENT_SIMULATOR
set -euo pipefail
source "$(dirname "$0")/simulated_clients.sh"

cat >"$work/config/Halvorn/Vantrel/settings" <<SETTINGS
# Vantrel settings: [section], then key=int:N or key=str:text
[Export]
Path=str:$work/export.csv
[Notify]
Finished=int:1
SETTINGS
# A unit every two and a half minutes: never caught finished when paused. c4: one a second.
for client in c1 c2 c3; do
    start_client "$client" 0.4 7
done
start_client c4 60 7
sleep 0.5

# Each line an action of the runner, written once the one before has been done (its state line
# is out); between them the clients are paused, resumed and moved.
out=$work/out.json
: >"$out"
act() {
    local before
    before=$(wc -l <"$out")
    # A running client writes its files every 50 ms of real time, however far the clock moves.
    [ "$1" = watch ] && sleep 0.3
    echo "$1"
    for _ in $(seq 1 300); do
        [ "$(wc -l <"$out")" -gt "$before" ] && return 0
        sleep 0.05
    done
    echo "no state after $1" >&2
}
{
    # Now: a clock behind the files' times would take them as still being written.
    act "clock $(date +%s)"
    kill -STOP "${pids[0]}" "${pids[1]}" "${pids[2]}"
    # A file written in the last five seconds may still be being written, and one caught in the
    # middle of a write is read once it has stayed the same: the clock past them, two readings.
    act "advance 10"
    act watch
    act watch
    act "advance 1860"
    act watch # still for 31 minutes: stalled, all three
    kill -CONT "${pids[0]}"
    sleep 1
    act "advance 60"
    act watch # c1 moves again
    mv "$work/c2" "$work/c2.away"
    act "advance 60"
    act watch
    act "advance 300"
    act watch # five minutes without c2's folder
    mv "$work/c2.away" "$work/c2"
    sleep 2
    act "advance 60"
    act watch # back
    echo exit
} | XDG_CONFIG_HOME="$work/config" "$runner" "$work"/c{1,2,3,4} >"$out"

python3 - "$work" <<'CHECK'
import json, sys
work = sys.argv[1]
told = []
for line in open(f"{work}/out.json", encoding="utf-8"):
    state = json.loads(line)
    if state.get("error"):
        print("FAILED: action", state.get("action"), state["error"])
        sys.exit(1)
    told += [(n["summary"], n["body"]) for n in state.get("notifications", [])]
c1, c2, c3, c4 = (f"{work}/{c}" for c in ("c1", "c2", "c3", "c4"))
expected = [
    ("3 台のクライアントが停止しました", f"{c1}\n{c2}\n{c3}"),
    ("クライアントが再び動いています", c1),
    ("クライアントのフォルダがありません", c2),
    ("クライアントを再び読み取れます", c2),
]
problems = [f"not told: {e}" for e in expected if told.count(e) != 1]
finished = [body for summary, body in told if summary == "ユニットが終了しました"]
if not finished or any(not body.endswith(f"フォルダ: {c4}") for body in finished):
    problems.append(f"finished units: {finished}")
units = [body.split("\n")[0] for body in finished]
if len(set(units)) != len(units):
    problems.append(f"a unit told twice: {units}")
others = [t for t in told if t not in expected and t[0] != "ユニットが終了しました"]
if others:
    problems.append(f"told besides: {others}")
print(f"overview alerts: {len(told)} notifications, {len(finished)} finished units")
for problem in problems:
    print("FAILED:", problem)
sys.exit(1 if problems else 0)
CHECK
