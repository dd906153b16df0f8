#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# The man page formats without a single warning from groff or man (lintian
# asks the same) and still tells about every option the program takes.
# Usage: check_man_page.sh PAGE PROGRAM
set -euo pipefail
page=$1
program=$2
warnings=$( { groff -man -ww -z "$page"; LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" >/dev/null; } 2>&1)
[[ -z "$warnings" ]] || { echo "FAIL: warnings:"; echo "$warnings"; exit 1; }
text=$(MANWIDTH=200 man -l "$page" 2>/dev/null | col -b)
# Every option the program lists, anywhere; every section, as a heading.
# shellcheck disable=SC2207 # options are single words
wanted=($("$program" --help | grep -oE -- '--[a-z][a-z-]*') ^KEYS ^MODES ^OPTIONS ^FILES ^ENVIRONMENT "^EXIT STATUS")
for want in "${wanted[@]}"; do
  grep -q -- "$want" <<<"$text" || { echo "FAIL: nothing in the man page matches $want"; exit 1; }
done
echo "1 passed, 0 failed"
