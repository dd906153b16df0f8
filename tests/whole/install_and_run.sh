#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# Where the real program finds its music and keeps the player's files, under
# openbox. The build is installed into a prefix the player may write to (as
# with ~/.local), and a copy is laid out as the game ships for players (the
# program and its music in one folder, no marker); beside each lie a table
# and options an older version left. Each runs as that player, shows those
# options, plays a little and closes. The copy writes both files back beside
# itself and leaves the per-user folder alone; the installed program carries
# them over to the per-user folder, writes there, and changes nothing in the
# prefix. Usage: install_and_run.sh BUILD_DIR
set -euo pipefail
build=$1
source "$(dirname "$0")/../support/whole.sh"

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$log" || fail "install"
grep -q '^Exec=gyrock$' "$prefix/share/applications/io.github.gyrock.gyrock.desktop" ||
  fail "the menu entry does not start gyrock"
export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share XDG_RUNTIME_DIR=""
unset XDG_CONFIG_HOME
mkdir -p "$XDG_DATA_HOME" "$work/unpacked"
cp "$prefix/bin/gyrock" "$prefix/share/gyrock/stakko_remix.mp3" "$work/unpacked/"
for folder in "$work/unpacked" "$prefix/bin"; do
  low_table >"$folder/scores.txt"
  printf '1\n1\n0\n0\n' >"$folder/prefs.txt"
done

# Root may write anywhere: then the player is nobody, owning all of these.
chmod 755 "$work"
as_player=()
if [[ $(id -u) == 0 ]]; then
  chown -R nobody "$prefix" "$HOME" "$work/unpacked"
  as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
find "$prefix" -type f -printf '%P %s %T@\n' | sort >"$work/before.txt"

start_xvfb
start_window_manager || fail "no window manager"
# The copy comes first: the per-user folder must still be empty after it.
for row in "unpacked|$work/unpacked|$work/unpacked" "installed|$prefix/bin|$XDG_DATA_HOME/gyrock"; do
  IFS='|' read -r case folder data <<<"$row"
  launch "${as_player[@]}" "$folder/gyrock" || fail "the window never showed"
  # Outside any icon theme the program falls back on the icon built into it.
  [[ $(xprop -id "$wid" _NET_WM_ICON) == *'Icon ('* ]] || fail "the window has no icon"
  click_in "$wid" 532 204             # OPTIONS
  # Antialias is off by default: its box shows the tick, which darkens the
  # middle of the white box, only if the options beside the program were read.
  wait_until 10 lit "$wid" 7x7+420+249 '< 200' || fail "the options panel does not show the prepared options"
  click_in "$wid" 572 352             # OK
  # The music is opened as the game starts; a failure would show by then.
  start_game "$wid" || fail "no game started"
  window_id '^gyrock$' >/dev/null && fail "a message box came up"
  grep -qi "music" "$log" && fail "the music was not found"
  end_with close
  saved "$data/prefs.txt" $'1\n1\n0\n0'
  saved "$data/scores.txt"
  [[ $case == installed || -z $(ls -A "$XDG_DATA_HOME") ]] || fail "the per-user folder received: $(find "$XDG_DATA_HOME")"
done
find "$prefix" -type f -printf '%P %s %T@\n' | sort >"$work/after.txt"
diff "$work/before.txt" "$work/after.txt" || fail "the prefix changed"
echo "1 passed, 0 failed"
