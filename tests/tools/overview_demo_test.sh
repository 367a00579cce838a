#!/usr/bin/env bash
# Three simulated clients at different speeds under the clients overview of the scenario runner:
# the rows move, and every unit a refresh saw before its client moved on is logged exactly once.
# Usage: overview_demo_test.sh SCENARIO_RUNNER CLIENT_SIMULATOR
set -euo pipefail
source "$(dirname "$0")/simulated_clients.sh"

cat >"$work/config/Halvorn/Vantrel/settings" <<SETTINGS
# Vantrel settings: [section], then key=int:N or key=str:text
[Export]
Path=str:$work/export.csv
[Timer]
Export=int:1
Interval=int:1
SETTINGS
for speed in 20 30 40; do
    start_client "c$((speed / 10 - 1))" "$speed" "$speed"
done
sleep 0.5

# Ticks a quarter of a second apart, for about eight seconds.
{
    for _ in $(seq 32); do echo timer; sleep 0.25; done
    echo exit
} | XDG_CONFIG_HOME="$work/config" "$runner" "$work/c1" "$work/c2" "$work/c3" >"$work/out.json"

python3 - "$work" <<'CHECK'
import collections, csv, json, sys
work = sys.argv[1]
seen = collections.defaultdict(list)
for line in open(f"{work}/out.json", encoding="utf-8"):
    state = json.loads(line)
    for row in state.get("rows", []):
        names = seen[row["folder"]]
        if row["workUnit"] and (not names or names[-1] != row["workUnit"]):
            names.append(row["workUnit"])
logged = collections.Counter(row[1] for row in csv.reader(open(f"{work}/export.csv"))
                             if row and row[0] != "Update")
problems = []
if len(seen) != 3:
    problems.append(f"{len(seen)} rows with units")
for folder, names in seen.items():
    if len(names) < 3:
        problems.append(f"{folder}: the row showed only {names}")
    for name in names[:-1]:
        if logged[name] != 1:
            problems.append(f"{folder}: unit {name} logged {logged[name]} times")
twice = [name for name, count in logged.items() if count > 1]
if twice:
    problems.append(f"logged twice: {twice}")
units = sum(len(names) - 1 for names in seen.values())
if sum(logged.values()) != units:
    problems.append(f"{sum(logged.values())} lines for {units} finished units")
print(f"overview demo: {units} finished units seen, {sum(logged.values())} lines logged")
for problem in problems:
    print("FAILED:", problem)
sys.exit(1 if problems else 0)
CHECK
