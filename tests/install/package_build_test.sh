#!/usr/bin/env bash
# The Debian package as `make deb` builds it, left in OUT_DIR for package_test.sh: named
# vantrel_<version>_<arch>.deb, lintian finds no error and no warning in it, it holds exactly the
# files `make install` installs (under /usr) and Debian's changelog and copyright, and its desktop
# entry, AppStream entry and manual page pass their checkers.
#   package_build_test.sh SOURCE_DIR OUT_DIR
set -euo pipefail

source=$1
out=$2

. "$source/tests/install/installed.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trap 'exit 143' TERM INT

rm -rf "$out"
# A make that runs this test must not hand its job server down to the package's build.
unset MAKEFLAGS MAKELEVEL MFLAGS
deb=$("$source/scripts/make-deb" "$out" | tail -n 1)
[ -f "$deb" ] || fail "make-deb made no package"
version=$(dpkg-deb -f "$deb" Version)
[ "$version" = "$(cmake -P "$source/cmake/version.cmake" | cut -d ' ' -f 1)" ] ||
    fail "the package's version $version is not the program's"
[ "$(basename "$deb")" = "vantrel_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb" ] ||
    fail "the package is named $(basename "$deb")"

lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 ||
    fail "lintian: $(cat "$work/lintian.log")"

# The same files as `make install`: what the package's own build installed (its manifest, whose
# last line has no line end), and Debian's changelog and copyright; the manual page, the README
# and the changelog are compressed.
manifest=$(find "$out/deb" -name install_manifest.txt | head -n 1)
[ -f "$manifest" ] || fail "the package's build left no install manifest"
expected=$( (sed 's|^.*/debian/vantrel||' "$manifest" && echo &&
    printf '%s\n' /usr/share/doc/vantrel/changelog /usr/share/doc/vantrel/copyright) |
    grep . | sort)
contents=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' |
    sed 's|^\.||; s|^\(/usr/share/[a-z]*/.*\)\.gz$|\1|' | sort)
[ "$contents" = "$expected" ] ||
    fail "the package's files differ from make install's: $(diff <(echo "$expected") <(echo "$contents"))"

dpkg-deb -x "$deb" "$work/unpacked"
check_installed_entries "$work/unpacked/usr" "$version"
echo "PASS: $deb"
