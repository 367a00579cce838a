# What the install test and the package test check alike, sourced by both: the desktop entry, the
# AppStream entry and the manual page of an installed tree, and the installed program run by an
# ordinary user who presses its export button.
#   . installed.sh    (then set `work` to a folder of the test's own, open to others)
# shellcheck shell=bash disable=SC2154 # work: set by the test that sources this

fail() {
    echo "FAIL: $*"
    exit 1
}

# ROOT (an installed /usr or /usr/local) holds a desktop entry desktop-file-validate has nothing,
# not even a hint, to say about, an AppStream entry appstreamcli takes whose release is VERSION,
# and a manual page man renders without a warning.
check_installed_entries() {
    local root=$1 version=$2
    local desktop=$root/share/applications/vantrel.desktop
    local metainfo=$root/share/metainfo/org.halvorn.Vantrel.metainfo.xml
    local said
    [ -f "$desktop" ] || fail "no desktop entry"
    said=$(desktop-file-validate "$desktop" 2>&1) || true
    [ -z "$said" ] || fail "desktop-file-validate: $said"
    # No network here: the screenshot's address is not fetched.
    appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
        fail "appstreamcli rejects the metainfo: $(cat "$work/appstream.log")"
    grep -q "<release version=\"$version\" date=\"[0-9-]*\"" "$metainfo" ||
        fail "the metainfo's release is not $version"
    local page
    page=$(find "$root/share/man/man1" -name 'vantrel.1*')
    [ -f "$page" ] || fail "no manual page"
    said=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >"$work/man.txt") || true
    [ -z "$said" ] || fail "man finds faults in the manual page: $said"
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES ENVIRONMENT 'EXIT STATUS' 'SEE ALSO'; do
        grep -qx "$section" "$work/man.txt" || fail "the manual page has no $section"
    done
}

# Runs PROGRAM under LANG as an ordinary user with a home of their own ($work/home), in a copy of
# demo/ ($work/client) with an empty settings file, on a virtual display, and presses its export
# button (export_as_user.sh). As root the user is a throw-away one, `user`, which
# remove_ordinary_user deletes; otherwise it is the one running the test. The window's icon is
# left in $work/out.
user=""
export_as_ordinary_user() {
    local source=$1 test_build=$2 program=$3 lang=$4
    local helpers=$work/bin
    mkdir -p "$helpers" "$work/out" "$work/client"
    cp "$source/tests/install/export_as_user.sh" "$source/tests/support/on_display.sh" \
        "$test_build/x11-close-window" "$helpers/"
    cp -R "$source/demo/." "$work/client/"
    local as_user=(env)
    if [ "$(id -u)" -eq 0 ]; then
        user=vantrel-test-$$
        useradd --create-home --home-dir "$work/home" --user-group --shell /bin/sh "$user"
        chown -R "$user:" "$work/client" "$work/out"
        as_user=(runuser -u "$user" -- env)
    else
        mkdir -p "$work/home"
    fi
    "${as_user[@]}" -i HOME="$work/home" PATH=/usr/bin:/bin LANG="$lang" \
        "$helpers/on_display.sh" "$helpers/export_as_user.sh" "$program" "$work/client" \
        "$helpers/x11-close-window" "$work/out" || fail "the user's run of $program"
}

remove_ordinary_user() {
    if [ -n "$user" ]; then
        userdel "$user" 2>/dev/null || true
    fi
}

# The user's own log holds the title line and one line of the demo's unit, in a folder only they
# can enter, and nothing was written into the client's folder.
check_export_log() {
    local source=$1
    local csv=$work/home/.local/share/Halvorn/Vantrel/export.csv
    [ -f "$csv" ] || fail "no log at ~/.local/share/Halvorn/Vantrel/export.csv"
    [ "$(stat -c %a "$(dirname "$csv")")" = 700 ] || fail "the log's folder is open to others"
    [ "$(wc -l <"$csv")" -eq 2 ] || fail "the log is not a title and one line: $(cat "$csv")"
    head -n 1 "$csv" | grep -q '^"Update","Unit Name",' || fail "no title line: $(cat "$csv")"
    tail -n 1 "$csv" | grep -q '^[0-9/]* [0-9:]*,"07ap02aa\.13514\.8656\.173286\.118",' ||
        fail "the line is not the demo unit's: $(cat "$csv")"
    [ "$(cd "$work/client" && ls -A | sort)" = "$(ls -A "$source/demo" | sort)" ] ||
        fail "written into the client folder: $(ls -A "$work/client")"
}
