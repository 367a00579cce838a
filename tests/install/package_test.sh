#!/usr/bin/env bash
# The Debian package as a user's machine takes it. Built by `make deb`'s script, it must satisfy
# lintian (no error, no warning), hold exactly the files `make install` installs (under /usr) and
# Debian's own, and carry a metainfo appstreamcli accepts and a desktop entry
# desktop-file-validate has nothing to say about. Installed with apt-get as root, its program
# prints the package's version, man finds its manual page, and an ordinary user runs it under
# Xvfb and presses export: the line lands in that user's own log. Then `apt-get purge` leaves none
# of its files, and dpkg no longer knows it.
#   package_test.sh SOURCE_DIR TEST_BUILD_DIR
set -euo pipefail

source=$1
test_build=$2

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: installing a package with apt-get takes root"
    exit 77
fi
if dpkg -s vantrel >/dev/null 2>&1; then
    echo "FAIL: a vantrel package is installed already, and this test would replace it"
    exit 1
fi

work=$(mktemp -d)
user=""
installed=false
cleanup() {
    if [ -n "$user" ]; then
        userdel "$user" 2>/dev/null || true
    fi
    if $installed; then
        apt-get purge -y vantrel >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' TERM INT
chmod 755 "$work"

fail() {
    echo "FAIL: $*"
    exit 1
}

# A make that runs this test must not hand its job server down to the package's build.
unset MAKEFLAGS MAKELEVEL MFLAGS
deb=$("$source/scripts/make-deb" "$work/build" | tail -n 1)
[ -f "$deb" ] || fail "make-deb made no package"
version=$(dpkg-deb -f "$deb" Version)
[[ $(basename "$deb") == vantrel_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb ]] ||
    fail "the package is named $(basename "$deb")"

lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 ||
    fail "lintian: $(cat "$work/lintian.log")"

# The same files as `make install`: what the package's own build installed (its manifest), and
# Debian's changelog and copyright; the manual page and the README are compressed.
manifest=$(find "$work/build/deb" -name install_manifest.txt | head -n 1)
[ -f "$manifest" ] || fail "the package's build left no install manifest"
# (The manifest's last line has no line end.)
expected=$( (sed 's|^.*/debian/vantrel||' "$manifest" && echo
    printf '%s\n' /usr/share/doc/vantrel/changelog /usr/share/doc/vantrel/copyright) | grep . | sort)
contents=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' |
    sed 's|^\.||; s|^\(/usr/share/[a-z]*/.*\)\.gz$|\1|' | sort)
[ "$contents" = "$expected" ] ||
    fail "the package's files differ from make install's: $(diff <(echo "$expected") <(echo "$contents"))"

mkdir -p "$work/unpacked"
dpkg-deb -x "$deb" "$work/unpacked"
appstreamcli validate --no-net "$work/unpacked/usr/share/metainfo/org.halvorn.Vantrel.metainfo.xml" \
    >"$work/appstream.log" 2>&1 || fail "appstreamcli: $(cat "$work/appstream.log")"
said=$(desktop-file-validate "$work/unpacked/usr/share/applications/vantrel.desktop" 2>&1)
[ -z "$said" ] || fail "desktop-file-validate: $said"

DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb" >"$work/apt-install.log" 2>&1 ||
    fail "apt-get install: $(tail -n 20 "$work/apt-install.log")"
installed=true
files=$(dpkg -L vantrel)
[ "$(/usr/bin/vantrel --version)" = "Vantrel Version $version" ] ||
    fail "vantrel --version says '$(/usr/bin/vantrel --version)', the package is $version"
[ "$(man -w vantrel)" = /usr/share/man/man1/vantrel.1.gz ] || fail "man finds no vantrel(1)"
man vantrel 2>/dev/null | grep -q 'EXIT STATUS' || fail "the manual page has no EXIT STATUS"

# In English this time.
source "$source/tests/install/ordinary_user.sh"
export_as_ordinary_user /usr/bin/vantrel en_US.UTF-8
csv=$home/.local/share/Halvorn/Vantrel/export.csv
tail -n 1 "$csv" | grep -q '^[0-9/]* [0-9:]*,"07ap02aa\.13514\.8656\.173286\.118",' ||
    fail "the user's log has no line of the demo unit: $(cat "$csv" 2>/dev/null)"

DEBIAN_FRONTEND=noninteractive apt-get purge -y vantrel >"$work/apt-purge.log" 2>&1 ||
    fail "apt-get purge: $(tail -n 20 "$work/apt-purge.log")"
installed=false
dpkg -s vantrel >/dev/null 2>&1 && fail "dpkg still knows vantrel after the purge"
while IFS= read -r path; do
    # A folder stays when another package has it too; dpkg lists the root as "/.".
    if [ "$path" = /. ]; then
        continue
    fi
    if [ -d "$path" ] && [ ! -L "$path" ] && dpkg -S "$path" >/dev/null 2>&1; then
        continue
    fi
    if [ -e "$path" ] || [ -L "$path" ]; then
        fail "the purge left $path"
    fi
done <<<"$files"
echo "PASS: $(basename "$deb")"
