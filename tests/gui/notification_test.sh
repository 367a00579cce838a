#!/usr/bin/env bash
# Desktop notifications through a real notification server, on a session bus of the test's own
# where nothing is started on demand, with dunst showing them on the test's display:
#   - no bus, then a bus without a server: each notification is unavailable, said once on stderr
#   - dunst: what it received (dunstctl history): the summary, the body as the user reads it (what
#     is not UTF-8 shown as U+FFFD, markup characters as they are), the application's name; the
#     icon as the bus carried it to dunst, against ImageMagick's reading of the same PNG (dunst's
#     history names only icon files); a click on it (dunstctl action) reaches the interface
#     thread; a run goes on through dunst's going away and coming back
#   - the real program's clients overview on simulated clients: a paused client's stall and a
#     running one's finished units, as dunst received them
#   - dunst stopped (SIGSTOP), then the bus: the probe gives up within its bounded waits,
#     unavailable
#   notification_test.sh PROBE SOURCE_DIR BUILD_DIR     (on a display: on_display.sh)
set -euo pipefail

probe=$1
source_dir=$2
build_dir=$3
language=${LC_ALL:-${LANG:-C}}
language=${language%%[_.]*}

# GTK's accessibility bridge would look for its own bus on ours, and warn that there is none.
export NO_AT_BRIDGE=1

work=$(mktemp -d)
bus_pid=""
dunst_pid=""
monitor_pid=""
probe_pid=""
program_pids=""
finish() {
    for pid in $probe_pid $program_pids $monitor_pid $dunst_pid $bus_pid; do
        kill -CONT "$pid" 2>/dev/null || true
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap finish EXIT

fail() {
    echo "notification_test: $*" >&2
    exit 1
}

# The line the probe must say once: the string table's text.
unavailable=$(python3 - "$source_dir/src/res/strings.h" <<'EOF'
import re, sys
table = open(sys.argv[1], encoding="utf-8").read()
print(re.search(r'kNotificationsUnavailable\[\]\s*=\s*"([^"]*)"', table).group(1))
EOF
)
[ -n "$unavailable" ] || fail "no kNotificationsUnavailable in the string table"

# Runs the probe, bounded: a wait that never ends fails here instead of holding the run.
run_probe() {
    local name=$1
    shift
    timeout 40 "$probe" "$@" >"$work/$name.out" 2>"$work/$name.err" ||
        fail "$name: the probe ended with status $? ($(cat "$work/$name.err"))"
}

# Two notifications where there is no service: both unavailable, said once.
expect_unavailable() {
    local name=$1
    run_probe "$name" --repeat 2 "停止" "/srv/seti"
    [ "$(cat "$work/$name.out")" = $'unavailable\nunavailable' ] ||
        fail "$name: shown where there is no service: $(cat "$work/$name.out")"
    [ "$(cat "$work/$name.err")" = "Vantrel: $unavailable" ] ||
        fail "$name: not said once as the string table says: $(cat "$work/$name.err")"
}

# No session bus.
DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" expect_unavailable no_bus

# A bus of our own: no service files, so no server is started on demand; monitors may watch it.
cat >"$work/bus.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$work</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
{
    read -r DBUS_SESSION_BUS_ADDRESS
    read -r bus_pid
} < <(dbus-daemon --config-file="$work/bus.conf" --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS

expect_unavailable no_server

# dunst, which keeps a notification until it is told to close it, and says it takes body markup.
cat >"$work/dunstrc" <<'EOF2'
[global]
    font = "IPAPGothic 10"
    markup = full
    show_indicators = no
    history_length = 20
[urgency_normal]
    timeout = 0
EOF2
start_dunst() {
    dunst -conf "$work/dunstrc" >>"$work/dunst.log" 2>&1 &
    dunst_pid=$!
    for _ in $(seq 100); do
        dunstctl debug >/dev/null 2>&1 && return
        sleep 0.1
    done
    fail "dunst did not start: $(cat "$work/dunst.log")"
}

# Waits until the probe has said its n-th line.
wait_for_line() {
    for _ in $(seq 200); do
        [ "$(wc -l <"$work/click.out")" -ge "$1" ] && return
        sleep 0.1
    done
    fail "the probe said no line $1: $(cat "$work/click.out" "$work/click.err")"
}

# What the bus carries to dunst; the monitor is watching once it has said its name.
dbus-monitor --session \
    "type='method_call',interface='org.freedesktop.Notifications',member='Notify'" \
    >"$work/monitor.log" 2>&1 &
monitor_pid=$!
for _ in $(seq 100); do
    [ -s "$work/monitor.log" ] && break
    sleep 0.1
done

# Three notifications from one run: to dunst, to no server once dunst has gone, and to dunst
# started again, which numbers its notifications afresh: the click on the third must run the
# third's, not the first's of the same number.
summary="クライアントが停止しました"
body=$'/srv/seti <b>1 & 2</b> &amp; \xff 3 > 2'
start_dunst
"$probe" --repeat 3 --go "$work/go" --click-within 30 "$summary" "$body" \
    >"$work/click.out" 2>"$work/click.err" &
probe_pid=$!
wait_for_line 1
kill "$dunst_pid"
wait "$dunst_pid" || true
touch "$work/go"
wait_for_line 2
start_dunst
touch "$work/go"
wait_for_line 3
# The notification as dunst shows it, for whoever looks at the build.
window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --class Dunst | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "dunst shows no window"
import -window "$window" "$build_dir/vantrel-notification-$language.png"
dunstctl action 0
wait "$probe_pid" || fail "the probe ended with status $?"
[ "$(cat "$work/click.out")" = $'shown\nunavailable\nshown\nclicked 3' ] ||
    fail "shown, unavailable, shown again and the third's click expected: $(cat "$work/click.out")"
[ "$(cat "$work/click.err")" = "Vantrel: $unavailable" ] ||
    fail "the probe did not say once that dunst was gone: $(cat "$work/click.err")"

dunstctl close-all
dunstctl history >"$work/history.json"
convert "$build_dir/icons/48x48/vantrel.png" -depth 8 rgba:"$work/icon.rgba"
python3 - "$work/history.json" "$work/monitor.log" "$work/icon.rgba" "$summary" "$body" \
    <<'EOF' || fail "dunst did not receive the notification as sent"
import html, json, os, re, sys

history_file, monitor_file, icon_file = sys.argv[1:4]
summary, body = (os.fsencode(a).decode("utf-8", "replace") for a in sys.argv[4:6])
problems = []

entries = [e for group in json.load(open(history_file))["data"] for e in group]
if len(entries) != 1:
    sys.exit(f"{len(entries)} notifications in dunst's history, not 1")
got = {key: value["data"] for key, value in entries[0].items()}
if got["appname"] != "Vantrel":
    problems.append(f"application name {got['appname']!r}")
if got["summary"] != summary:
    problems.append(f"summary {got['summary']!r}")
# dunst takes body markup: the body must come escaped, and read back as the text sent.
if "<" in got["body"] or html.unescape(got["body"]) != body:
    problems.append(f"body {got['body']!r}, not {body!r} escaped")

# The Notify call's image-data hint: (width, height, rowstride, alpha, bits, channels, bytes).
call = open(monitor_file).read().split("member=Notify")[-1]
image = re.search(r'string "image-data"\s*variant\s*struct \{\s*int32 (\d+)\s*int32 (\d+)\s*'
                  r'int32 (\d+)\s*boolean (\w+)\s*int32 (\d+)\s*int32 (\d+)\s*'
                  r'array of bytes \[([0-9a-f\s]*)\]', call)
if not image:
    problems.append("no image-data in the Notify call")
else:
    width, height, stride = (int(image.group(k)) for k in (1, 2, 3))
    if (width, height, stride, image.group(4), image.group(5), image.group(6)) != \
            (48, 48, 192, "true", "8", "4"):
        problems.append(f"image-data {image.groups()[:6]}")
    elif bytes.fromhex(image.group(7)) != open(icon_file, "rb").read():
        problems.append("image-data is not the 48-pixel icon's RGBA")

if problems:
    sys.exit("; ".join(problems))
EOF

# The real program: the clients overview on two simulated clients, one paused from the start and
# one finishing a unit a second, a stall taking a minute and finished units told. The first
# minute's reading tells both to dunst.
mkdir -p "$work/config/Halvorn/Vantrel" "$work/c1" "$work/c2"
printf '[Notify]\nFinished=int:1\nStallMinutes=int:1\n' >"$work/config/Halvorn/Vantrel/settings"
"$build_dir/vantrel-client-sim" --dir "$work/c1" --speed 0.4 --interval-ms 50 --quiet &
sim_paused=$!
"$build_dir/vantrel-client-sim" --dir "$work/c2" --speed 60 --interval-ms 50 --quiet &
sim_fast=$!
program_pids="$sim_paused $sim_fast"
sleep 1
kill -STOP "$sim_paused"
XDG_CONFIG_HOME="$work/config" "$build_dir/vantrel" "$work/c1" "$work/c2" \
    >"$work/program.log" 2>&1 &
program=$!
program_pids="$program_pids $program"
# The stall may wait for the second minute: the first reading can come in a second after the
# watch began.
for _ in $(seq 150); do
    [ "$(dunstctl count displayed)" -ge 2 ] && break
    sleep 1
done
window=$(xdotool search --onlyvisible --class Dunst | head -n 1 || true)
[ -n "$window" ] && import -window "$window" "$build_dir/vantrel-notification-program-$language.png"
dunstctl close-all
dunstctl history >"$work/program.json"
python3 - "$work/program.json" "$work/c1" "$work/c2" <<'EOF3' || fail "the program's notifications: $(cat "$work/program.log")"
import json, sys
history, paused, fast = sys.argv[1:4]
entries = [{k: v["data"] for k, v in e.items()} for g in json.load(open(history))["data"] for e in g]
# The probe's own notice before has the same summary: the program's name their folders.
stalled = [e for e in entries
           if e["summary"] == "クライアントが停止しました" and e["body"].startswith(paused + "\n")]
finished = [e for e in entries if e["summary"] == "ユニットが終了しました"]
problems = []
if len(stalled) != 1 or not stalled[0]["body"].endswith("から進んでいません"):
    problems.append(f"the stall: {stalled}")
if not finished or any(not e["body"].endswith("フォルダ: " + fast) for e in finished):
    problems.append(f"finished units: {finished}")
if any(e["appname"] != "Vantrel" for e in stalled + finished):
    problems.append("not under Vantrel's name")
if problems:
    sys.exit("; ".join(problems))
EOF3
window=$(xdotool search --onlyvisible --pid "$program" 2>/dev/null | head -n 1 || true)
[ -n "$window" ] && "$build_dir/x11-close-window" "$window"
for _ in $(seq 50); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program" 2>/dev/null && fail "the program did not end when its window was closed"

# A server that takes the call but never answers; a bus that takes the connection but never
# answers.
kill -STOP "$dunst_pid"
expect_unavailable stopped_server
kill -STOP "$bus_pid"
expect_unavailable stopped_bus
echo "notification_test: passed"
