# Sourced by the tests that run simulated clients: their arguments (the scenario runner, the client
# simulator), a work folder with a settings folder in it, and the simulators, ended (resumed
# first, if paused) and the folder removed however the test ends.
runner=$1
simulator=$2
work=$(mktemp -d)
mkdir -p "$work/config/Halvorn/Vantrel"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill -CONT "$pid" 2>/dev/null || true
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Starts a simulated client in $work/NAME: start_client NAME SPEED SEED
start_client() {
    mkdir "$work/$1"
    "$simulator" --dir "$work/$1" --speed "$2" --interval-ms 50 --seed "$3" --quiet &
    pids+=($!)
}
