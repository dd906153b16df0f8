#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# The options on a machine with no display and no sound: each row runs the
# real program and expects its exit status and a line on the right stream.
# Any row that got as far as a window would abort (no display); any that
# opened the sound device would leave SDL's disk-driver file behind. A row
# may name the locale it runs in.
# Usage: command_line.sh PROGRAM VERSION
set -euo pipefail
program=$1
version=$2
source "$(dirname "$0")/../support/whole.sh"
touch "$work/a-file"
mkdir "$work/kept"

# Shows both streams of the row that failed.
fail() { echo "FAIL gyrock $args: $*"; sed 's/^/  out: /' "$work/out"; sed 's/^/  err: /' "$work/err"; exit 1; }
# locale | arguments (each split on spaces) | status | stream | line it must hold (grep -E)
while IFS='|' read -r locale args status stream pattern; do
  args=${args//WORK/$work}
  rm -f "$work/audio"
  # shellcheck disable=SC2086 # the row's locale and arguments are meant to be split
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR \
    SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio" $locale \
    "$program" $args >"$work/out" 2>"$work/err" && got=0 || got=$?
  [[ $got == "$status" ]] || fail "exit status $got, not $status"
  grep -Eq -- "$pattern" "$work/$stream" || fail "no line matching '$pattern' on std$stream"
  other=$([[ $stream == out ]] && echo err || echo out)
  [[ ! -s "$work/$other" ]] || fail "something on std$other"
  [[ ! -e "$work/audio" ]] || fail "the sound device was opened"
done <<ROWS
|--help|0|out|^Usage: gyrock \[options\]$
|-h|0|out|--data-dir <folder>
|--version|0|out|^gyrock ${version//./\\.}$
|-v --data-dir WORK/a-file/sub|0|out|^gyrock ${version//./\\.}$
|--bogus|2|err|Unknown option 'bogus'
|-platform xcb|2|err|Unknown option 'platform'
|stray|2|err|unexpected argument 'stray'
|--data-dir|2|err|Missing value after '--data-dir'
|--data-dir=|2|err|the folder name is empty
|--data-dir WORK/a-file/sub|2|err|cannot keep the data files in '.*/a-file/sub': it cannot be created
|--data-dir /proc/self|2|err|cannot keep the data files in '/proc/self': nothing can be written
|--data-dir WORK/kept --data-dir WORK/kept|2|err|given more than once
LANG=de_DE.UTF-8|--help|0|out|^Aufruf: gyrock \[Optionen\]$
LANG=el_GR.UTF-8|--bogus|2|err|^gyrock: Άγνωστη επιλογή 'bogus'\.$
LANG=es_ES.UTF-8|--data-dir=|2|err|^Prueba 'gyrock --help' para más información\.$
LANG=fr_FR.UTF-8 LANGUAGE=en:fr|--help|0|out|^Usage: gyrock \[options\]$
LANG=C.UTF-8 LANGUAGE=de|--help|0|out|^Usage: gyrock \[options\]$
ROWS

# Nothing a refused run tried should stay behind.
leftovers=$(find "$work/kept" -mindepth 1)
[[ -z "$leftovers" ]] || { echo "FAIL left behind: $leftovers"; exit 1; }
echo "all rows passed"
