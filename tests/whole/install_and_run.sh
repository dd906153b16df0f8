#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# Installs the build into a prefix the player may write to (as with ~/.local),
# with a table an older version left beside the program, runs the installed
# program as that player on an X server of its own, plays a little and
# closes it: the table must be carried over, the data files must be in the
# per-user folder and nothing in the prefix may change.
# Usage: install_and_run.sh BUILD_DIR
set -euo pipefail
build=$1
source "$(dirname "$0")/../../tools/xvfb.sh"
begin_session
fail() { echo "FAIL: $*"; cat "$work/log"; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/log" || fail "install"
id=io.github.gyrock.gyrock
for f in bin/gyrock share/gyrock/stakko_remix.mp3 share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/man/man6/gyrock.6 share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/256x256/apps/$id.png; do
  [[ -s "$prefix/$f" ]] || fail "$f not installed"
done
grep -q '^Exec=gyrock$' "$prefix/share/applications/$id.desktop" || fail "the menu entry does not start gyrock"
low_table | sed 's/$/\r/' >"$prefix/bin/scores.txt"

# Root may write anywhere: then the player is nobody, owning prefix and home.
export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share XDG_RUNTIME_DIR=""
unset XDG_CONFIG_HOME
mkdir -p "$XDG_DATA_HOME"
chmod 755 "$work"
as_player=()
if [[ $(id -u) == 0 ]]; then
  chown -R nobody "$prefix" "$HOME"
  as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
find "$prefix" -type f -printf '%P %s %T@\n' | sort >"$work/before.txt"

start_xvfb
"${as_player[@]}" "$prefix/bin/gyrock" >"$work/log" 2>&1 &
pid=$!
wid=$(wait_window "GYROCK v1.00 by Kzoltner") || fail "the installed program showed no window"
# Outside any icon theme the program falls back on the icon built into it.
[[ $(xprop -id "$wid" _NET_WM_ICON) == *'Icon ('* ]] || fail "the window has no icon"
# The music is opened before the game starts; a failure would show by then.
start_game "$wid" || fail "no game started"
window_id '^gyrock$' >/dev/null && fail "a message box came up"
grep -qi "music" "$work/log" && fail "the music was not found"
close_and_wait "$wid" || fail "exit status $EXIT_STATUS"

data=$XDG_DATA_HOME/gyrock
[[ -s "$data/prefs.txt" ]] || fail "no prefs.txt in $data: $(ls -la "$data" 2>&1)"
cmp -s <(low_table | sed 's/$/\r/') "$data/scores.txt" || fail "the table was not carried over: $(ls -la "$data" 2>&1)"
find "$prefix" -type f -printf '%P %s %T@\n' | sort >"$work/after.txt"
cmp -s "$work/before.txt" "$work/after.txt" || { diff "$work/before.txt" "$work/after.txt" || true; fail "the prefix changed"; }
echo "1 passed, 0 failed"
