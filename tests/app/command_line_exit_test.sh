#!/usr/bin/env bash
# The real program answers its command line before it needs a display: help and version with
# status 0 on standard output, wrong arguments with status 2 and a message on standard error.
# Usage: command_line_exit_test.sh VANTREL
set -u
program=$1
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

expect() {  # STATUS STREAM PATTERN ARGS...
    local status=$1 stream=$2 pattern=$3
    shift 3
    env -u DISPLAY -u WAYLAND_DISPLAY "$program" "$@" >"$work/out" 2>"$work/err"
    local got=$?
    if [ "$got" -ne "$status" ] || ! grep -q -- "$pattern" "$work/$stream"; then
        echo "FAILED: vantrel $* gave status $got; stdout: $(cat "$work/out"); stderr: $(cat "$work/err")"
        failures=$((failures + 1))
    fi
}

expect 0 out 'Usage: vantrel' --help
expect 0 out '^Vantrel Version' --version
expect 2 err "unknown option '--bogus'" --bogus
expect 2 err "$work/missing: No such file or directory" "$work" "$work/missing"
expect 2 err 'takes no folders' --clients "$work"
[ "$failures" -eq 0 ] && echo "command line: 5 passed, 0 failed"
exit "$failures"
