#!/usr/bin/env bash
# The Debian package package_build_test.sh left in PACKAGE_DIR, as a user's machine takes it:
# installed with apt-get as root, its program prints the package's version and man shows its
# manual page; an ordinary user runs it under Xvfb and presses export, and the line lands in
# that user's own log. Then `apt-get purge` leaves none of its files, and dpkg no longer knows it.
#   package_test.sh SOURCE_DIR TEST_BUILD_DIR PACKAGE_DIR
set -euo pipefail

source=$1
test_build=$2
packages=$3

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: installing a package with apt-get takes root"
    exit 77
fi
. "$source/tests/install/installed.sh"
debs=("$packages"/vantrel_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    fail "not one package in $packages: ${debs[*]}"
fi
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
if dpkg -s vantrel >/dev/null 2>&1; then
    fail "a vantrel package is installed already, and this test would replace it"
fi

work=$(mktemp -d)
installed=false
cleanup() {
    remove_ordinary_user
    if $installed; then
        apt-get purge -y vantrel >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' TERM INT
# The ordinary user must reach their own home in here.
chmod 755 "$work"

DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb" >"$work/apt-install.log" 2>&1 ||
    fail "apt-get install: $(tail -n 20 "$work/apt-install.log")"
installed=true
files=$(dpkg -L vantrel)
[ "$(/usr/bin/vantrel --version)" = "Vantrel Version $version" ] ||
    fail "vantrel --version says '$(/usr/bin/vantrel --version)', the package is $version"
# Unless this machine's dpkg is told to leave manual pages out, as slim images are.
page=/usr/share/man/man1/vantrel.1.gz
if [ -f "$page" ] || ! grep -qs '^path-exclude=*/usr/share/man/' /etc/dpkg/dpkg.cfg.d/*; then
    [ "$(man -w vantrel)" = "$page" ] || fail "man finds no vantrel(1)"
    # Whole, not piped into `grep -q`, which would cut man off mid-write under pipefail.
    shown=$(MANWIDTH=80 man vantrel 2>/dev/null)
    grep -qx 'EXIT STATUS' <<<"$shown" || fail "man vantrel shows no EXIT STATUS"
fi

export_as_ordinary_user "$source" "$test_build" /usr/bin/vantrel en_US.UTF-8
check_export_log "$source"

DEBIAN_FRONTEND=noninteractive apt-get purge -y vantrel >"$work/apt-purge.log" 2>&1 ||
    fail "apt-get purge: $(tail -n 20 "$work/apt-purge.log")"
installed=false
dpkg -s vantrel >/dev/null 2>&1 && fail "dpkg still knows vantrel after the purge"
while IFS= read -r path; do
    # A folder stays when another package has it too; "/." is the root.
    [ "$path" = /. ] && continue
    if [ -d "$path" ] && [ ! -L "$path" ] && dpkg -S "$path" >/dev/null 2>&1; then
        continue
    fi
    if [ -e "$path" ] || [ -L "$path" ]; then
        fail "the purge left $path"
    fi
done <<<"$files"
echo "PASS: $(basename "$deb")"
