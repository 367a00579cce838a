#!/usr/bin/env bash
# The real program answers its command line before it needs a display: help and version with
# status 0 on standard output, wrong arguments with status 2 and a message on standard error
# (without a display, status 1 and a message saying so), in
# Japanese under a Japanese locale and C, in English under any other.
# Usage: command_line_exit_test.sh VANTREL   (in the locale of LC_ALL)
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

case ${LC_ALL:-C} in
    C | C.* | POSIX | ja*)
        usage='使い方: vantrel' unknown="不明なオプションです: '--bogus'" clients='フォルダは指定できません'
        display='ディスプレイを開けません'
        ;;
    *)
        usage='Usage: vantrel' unknown="unknown option '--bogus'" clients='takes no folders'
        display='cannot open the display'
        ;;
esac
expect 0 out "^$usage" --help
expect 0 out '^Vantrel Version 3' --version
expect 2 err "$unknown" --bogus
expect 2 err "$work/missing: No such file or directory" "$work" "$work/missing"
expect 2 err "$clients" --clients "$work"
expect 1 err "^Vantrel: $display" "$work"
# LANGUAGE picks English under a Japanese locale, but not under C.
case ${LC_ALL:-C} in
    ja*) LANGUAGE=en expect 0 out '^Usage: vantrel' --help ;;
    C | C.*) LANGUAGE=en expect 0 out '^使い方: vantrel' --help ;;
esac
[ "$failures" -eq 0 ] && echo "command line (${LC_ALL:-C}): passed"
exit "$failures"
