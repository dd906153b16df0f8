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
for option in $("$program" --help | grep -oE -- '--[a-z][a-z-]*'); do
  grep -q -- "$option" <<<"$text" || { echo "FAIL: the man page does not tell about $option"; exit 1; }
done
for section in KEYS MODES OPTIONS FILES ENVIRONMENT "EXIT STATUS"; do
  grep -q "^$section" <<<"$text" || { echo "FAIL: no $section section"; exit 1; }
done
echo "1 passed, 0 failed"
