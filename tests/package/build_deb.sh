#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# Builds the Debian package from a scratch copy of the source (the tree
# itself stays clean), then checks what it ships: the exact file list, the
# dependencies, lintian, the metainfo, menu entry and icon as an installed
# tree, and the program itself run from the unpacked package (where Debian's
# layout puts the music away from the usual place).
# Usage: build_deb.sh SOURCE_DIR VERSION
set -euo pipefail
source_dir=$(cd "$1" && pwd)
version=$2
source "$source_dir/tests/support/whole.sh"

# The working tree as it is, untracked files included, without build folders.
mkdir "$work/gyrock"
if git -C "$source_dir" rev-parse --show-toplevel >/dev/null 2>&1; then
  git -C "$source_dir" ls-files -z --cached --others --exclude-standard |
    (cd "$source_dir" && tar --null -T - -cf -) | tar -C "$work/gyrock" -xf -
else
  tar -C "$source_dir" --exclude='./build*' --exclude='./obj-*' -cf - . | tar -C "$work/gyrock" -xf -
fi

[[ $(cd "$work/gyrock" && dpkg-parsechangelog -SVersion) == "$version" ]] ||
  fail "debian/changelog does not give the build's version, $version"

(cd "$work/gyrock" && DEB_BUILD_OPTIONS="parallel=2 ${DEB_BUILD_OPTIONS:-}" \
   dpkg-buildpackage -us -uc -b) >"$work/build.txt" 2>&1 || { tail -40 "$work/build.txt"; fail "dpkg-buildpackage"; }
deb=$work/gyrock_${version}_$(dpkg --print-architecture).deb

# Exactly these files: nothing of the tests or the build may slip in.
icons=$(printf 'usr/share/icons/hicolor/%sx%s/apps/io.github.gyrock.gyrock.png\n' 16 16 24 24 32 32 48 48 64 64 128 128 256 256)
expected=$(sort <<FILES
usr/games/gyrock
usr/share/games/gyrock/stakko_remix.mp3
usr/share/applications/io.github.gyrock.gyrock.desktop
usr/share/metainfo/io.github.gyrock.gyrock.metainfo.xml
usr/share/man/man6/gyrock.6.gz
usr/share/doc/gyrock/copyright
usr/share/doc/gyrock/changelog.gz
$icons
FILES
)
actual=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | sort)
[[ "$actual" == "$expected" ]] || { diff <(echo "$expected") <(echo "$actual") || true; fail "the file list"; }

depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-liberation2 libqt6widgets6 libsdl2-mixer-2.0-0; do
  [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

lintian --pedantic -I "$work"/gyrock_*.changes 2>&1 | tee "$work/lintian.txt" || true
grep -q '^E:' "$work/lintian.txt" && fail "lintian reports errors"

dpkg-deb -x "$deb" "$work/root"
# The metainfo, menu entry and icons as they are found together once installed.
appstreamcli validate-tree --no-net --pedantic "$work/root" || fail "the installed tree's metainfo"

start_xvfb
launch "$work/root/usr/games/gyrock" --data-dir "$work/data" || fail "the window never showed"
end_with close
grep -qi "music" "$log" && fail "the packaged program did not find its music"
echo "1 passed, 0 failed"
