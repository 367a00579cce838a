#!/usr/bin/env bash
# `make install` into a staging DESTDIR from a build folder of its own, then the installed program
# run by an ordinary user (a throw-away one when this runs as root) in a copy of demo/ with an
# empty settings file: its export button writes the CSV line into that user's
# ~/.local/share/Halvorn/Vantrel/export.csv and nothing lands next to the binary. Then
# `make uninstall`, which removes exactly what was installed and the folders the install made.
# Checked on the way: only the program and its demo's simulator are built, the binary is
# stripped, every icon is there at its size, and the running window shows the same icon.
#   install_test.sh SOURCE_DIR TEST_BUILD_DIR
set -euo pipefail

source=$1
test_build=$2

. "$source/tests/install/installed.sh"
work=$(mktemp -d)
cleanup() {
    remove_ordinary_user
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' TERM INT
# The ordinary user must reach the installed program and its own home in here.
chmod 755 "$work"
build=$work/build
dest=$work/dest
root=$dest/usr/local

# Something of another program's, already in a folder the install shares.
mkdir -p "$root/share/applications"
echo "[Desktop Entry]" >"$root/share/applications/other.desktop"
before=$(cd "$dest" && find . | sort)

# A make that runs this test must not hand its job server down to this one.
unset MAKEFLAGS MAKELEVEL MFLAGS
make -C "$source" install BUILD_DIR="$build" DESTDIR="$dest" PREFIX=/usr/local JOBS=2 \
    >"$work/make-install.log" 2>&1 || {
    tail -n 30 "$work/make-install.log"
    fail "make install failed"
}

built=$(cd "$build" && find . -path ./CMakeFiles -prune -o -type f -perm -u+x -print | sort)
[ "$built" = "$(printf '%s\n' ./vantrel ./vantrel-client-sim)" ] ||
    fail "make install built more than the program and the simulator: $built"

# Stripped: no symbol table and no debugging sections, which the build's own copy has.
program=$root/bin/vantrel
[ -x "$program" ] || fail "bin/vantrel is missing or not executable"
# Read whole before grepping: `grep -q` stops at its match, and under pipefail a readelf cut off
# by it mid-write fails the pipe.
sections=$(readelf -S --wide "$build/vantrel")
grep -q '\.debug_info' <<<"$sections" || fail "the build has no debug info"
sections=$(readelf -S --wide "$program")
if grep -qE '\.symtab|\.debug_' <<<"$sections"; then
    fail "bin/vantrel is not stripped"
fi
cmp -s "$source/README.md" "$root/share/doc/vantrel/README.md" || fail "the README differs"

desktop="$root/share/applications/vantrel.desktop"
[ -f "$desktop" ] || fail "no desktop entry"
for line in '[Desktop Entry]' 'Type=Application' 'Name=Vantrel' 'Exec=vantrel' 'Icon=vantrel' \
    'Categories=System;Monitor;'; do
    grep -qxF "$line" "$desktop" || fail "the desktop entry lacks '$line'"
done
grep -q '^Comment=[[:print:]]' "$desktop" || fail "no English comment"
# The Japanese comment: at least one character outside ASCII.
LC_ALL=C grep -q '^Comment\[ja\]=.*[^ -~]' "$desktop" || fail "no Japanese comment"
# The second action opens the clients overview on the folders kept in the settings.
for line in 'Actions=Overview;' '[Desktop Action Overview]' 'Exec=vantrel --clients'; do
    grep -qxF "$line" "$desktop" || fail "the desktop entry lacks '$line'"
done
check_installed_entries "$root" "$("$program" --version | sed 's/^Vantrel Version //')"

# The icon: the drawing, and a full-colour rendering with a transparent surround at every size.
icons=$root/share/icons/hicolor
svg=$icons/scalable/apps/vantrel.svg
python3 -c 'import sys, xml.etree.ElementTree as T
root = T.parse(sys.argv[1]).getroot()
sys.exit(root.tag != "{http://www.w3.org/2000/svg}svg" or root.get("viewBox") != "0 0 256 256")' \
    "$svg" || fail "the scalable icon is not a square SVG drawing"
expected_icons=./usr/local/share/icons/hicolor/scalable/apps/vantrel.svg
for size in 16 22 24 32 48 64 128 256; do
    png=$icons/${size}x$size/apps/vantrel.png
    [ -f "$png" ] || fail "no ${size}x$size icon"
    # Format, width, height, colours, then the alpha of a corner and of the middle.
    seen=$(identify -format '%m %w %h %k ' "$png" &&
        convert "$png" -format '%[fx:p{0,0}.a] %[fx:p{w/2,h/2}.a]' info:)
    read -r format width height colours corner middle <<<"$seen"
    [ "$format $width $height $corner $middle" = "PNG $size $size 0 1" ] ||
        fail "the ${size}x$size icon is $seen"
    [ "$colours" -gt 64 ] || fail "the ${size}x$size icon has only $colours colours"
    expected_icons+=$'\n'./usr/local/share/icons/hicolor/${size}x$size/apps/vantrel.png
done

# An ordinary user with a home of its own: a throw-away one when root runs this, as CI does.
export_as_ordinary_user "$source" "$test_build" "$program" ja_JP.UTF-8
check_export_log "$source"
[ "$(ls -A "$root/bin")" = vantrel ] || fail "written next to the binary: $(ls -A "$root/bin")"

# The window's icon holds every installed rendering, 16 to 256 pixels, pixel for pixel.
python3 -c 'import sys
numbers = [int(n) for n in open(sys.argv[1]).read().split("=", 1)[1].replace(",", " ").split()]
at = 0
while at + 2 <= len(numbers):
    width, height = numbers[at], numbers[at + 1]
    pixels = numbers[at + 2:at + 2 + width * height]
    with open("%s/window-icon-%d.rgba" % (sys.argv[2], width), "wb") as out:
        out.write(bytes(b for p in pixels
                        for b in ((p >> 16) & 255, (p >> 8) & 255, p & 255, p >> 24)))
    print("%dx%d" % (width, height))
    at += 2 + width * height' "$work/out/window-icon.txt" "$work" >"$work/window-icon-sizes.txt" ||
    fail "no window icon"
[ "$(tr '\n' ' ' <"$work/window-icon-sizes.txt")" = "16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256 " ] ||
    fail "the window icon's sizes: $(cat "$work/window-icon-sizes.txt")"
for size in 16 22 24 32 48 64 128 256; do
    convert "$icons/${size}x${size}/apps/vantrel.png" -depth 8 RGBA:- |
        cmp -s - "$work/window-icon-$size.rgba" ||
        fail "the window's icon at $size is not the installed ${size}x${size} icon"
done

installed=$(cd "$dest" && find . -type f | sort)
expected=$(printf '%s\n' ./usr/local/bin/vantrel ./usr/local/share/applications/other.desktop \
    ./usr/local/share/applications/vantrel.desktop ./usr/local/share/doc/vantrel/README.md \
    ./usr/local/share/man/man1/vantrel.1 ./usr/local/share/metainfo/org.halvorn.Vantrel.metainfo.xml \
    "$expected_icons" | sort)
[ "$installed" = "$expected" ] || fail "installed files: $installed"

make -C "$source" uninstall BUILD_DIR="$build" DESTDIR="$dest" >/dev/null
after=$(cd "$dest" && find . | sort)
[ "$after" = "$before" ] || fail "after uninstalling: $after"
echo "PASS"
