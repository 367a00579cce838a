#!/usr/bin/env bash
# `make install` into a temporary DESTDIR, then `make uninstall`: the program, its desktop entry,
# its icon and the README land where a desktop finds them, and uninstalling removes exactly those
# and the folders the install made, leaving what was there before.
#   install_test.sh CMAKE BUILD_DIR SOURCE_DIR
set -euo pipefail

cmake=$1
build=$2
source=$3

dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
root="$dest/usr/local"

fail() {
    echo "FAIL: $*"
    exit 1
}

# Something of another program's, already in a folder the install shares.
mkdir -p "$root/share/applications"
echo "[Desktop Entry]" >"$root/share/applications/other.desktop"
before=$(cd "$dest" && find . | sort)

# The test's own component keeps the manifest of a real `make install` untouched.
DESTDIR="$dest" "$cmake" --install "$build" --prefix /usr/local --component vantrel >/dev/null

[ -x "$root/bin/vantrel" ] || fail "bin/vantrel is missing or not executable"
cmp -s "$source/README.md" "$root/share/doc/vantrel/README.md" || fail "the README differs"

desktop="$root/share/applications/vantrel.desktop"
[ -f "$desktop" ] || fail "no desktop entry"
for line in '[Desktop Entry]' 'Type=Application' 'Name=Vantrel' 'Exec=vantrel' 'Icon=vantrel' \
    'Categories=Utility;Monitor;'; do
    grep -qxF "$line" "$desktop" || fail "the desktop entry lacks '$line'"
done
grep -q '^Comment=[[:print:]]' "$desktop" || fail "no English comment"
# The Japanese comment: at least one character outside ASCII.
LC_ALL=C grep -q '^Comment\[ja\]=.*[^ -~]' "$desktop" || fail "no Japanese comment"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the entry"
else
    echo "desktop-file-validate not installed; the entry was checked by hand only"
fi

png="$root/share/icons/hicolor/32x32/apps/vantrel.png"
if [ -f "$png" ]; then
    # The PNG signature, then the IHDR chunk's width and height.
    header=$(od -An -tx1 -N24 "$png" | tr -d ' \n')
    [ "${header:0:16}" = 89504e470d0a1a0a ] || fail "the icon is not a PNG"
    [ "${header:32:16}" = 0000002000000020 ] || fail "the icon is not 32x32: ${header:32:16}"
    icon="./usr/local/share/icons/hicolor/32x32/apps/vantrel.png"
else
    [ -f "$root/share/pixmaps/vantrel.xpm" ] || fail "no icon installed"
    icon="./usr/local/share/pixmaps/vantrel.xpm"
fi

installed=$(cd "$dest" && find . -type f | sort)
expected=$(printf '%s\n' ./usr/local/bin/vantrel ./usr/local/share/applications/other.desktop \
    ./usr/local/share/applications/vantrel.desktop ./usr/local/share/doc/vantrel/README.md \
    "$icon" | sort)
[ "$installed" = "$expected" ] || fail "installed files: $installed"

DESTDIR="$dest" "$cmake" -DMANIFEST="$build/install_manifest_vantrel.txt" \
    -P "$source/cmake/uninstall.cmake" >/dev/null
after=$(cd "$dest" && find . | sort)
[ "$after" = "$before" ] || fail "after uninstalling: $after"
echo "PASS"
