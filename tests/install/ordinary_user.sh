# Sourced by the install and package tests: an ordinary user with a home of its own (a throw-away
# one when root runs the test, as CI does) runs an installed program in a copy of demo/ on a
# virtual display, and presses its export button (export_as_user.sh).
#   export_as_ordinary_user PROGRAM LANG
# Needs source, test_build, work and fail; sets home, client and user (for the test's clean-up).
export_as_ordinary_user() {
    local program=$1 lang=$2 helpers=$work/bin
    home=$work/home
    client=$work/client
    mkdir -p "$helpers" "$work/out"
    cp "$source/tests/install/export_as_user.sh" "$source/tests/support/on_display.sh" \
        "$test_build/x11-close-window" "$helpers/"
    cp -R "$source/demo/." "$client/"
    local as_user=(env)
    if [ "$(id -u)" -eq 0 ]; then
        user=vantrel-test-$$
        useradd --create-home --home-dir "$home" --user-group --shell /bin/sh "$user"
        chown -R "$user:" "$client" "$work/out"
        as_user=(runuser -u "$user" -- env)
    else
        mkdir -p "$home"
    fi
    "${as_user[@]}" -i HOME="$home" PATH=/usr/bin:/bin LANG="$lang" \
        "$helpers/on_display.sh" "$helpers/export_as_user.sh" "$program" "$client" \
        "$helpers/x11-close-window" "$work/out" || fail "the user's run of the installed program"
}
