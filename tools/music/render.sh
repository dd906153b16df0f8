#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# Renders the game's music again and writes assets/stakko_remix.mp3.
#
#   tools/music/render.sh
#
# Builds the synthesiser (plain C++, no libraries), renders the loop to a WAV,
# encodes it with Debian's lame (192 kbit/s constant rate, with the gapless
# header that lets players loop it without a gap) and measures the result.
# Every run gives the same samples; the same lame version gives the same file.
set -euo pipefail
cd "$(dirname "$0")/../.."

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"${CXX:-c++}" -std=c++20 -O2 -Wall -Wextra -Wpedantic -Werror \
  tools/music/dsp.cpp tools/music/instruments.cpp tools/music/score.cpp \
  tools/music/make_music.cpp -o "$work/make_music"
"$work/make_music" "$work/stakko_remix.wav"
lame --silent -b 192 -q 2 --tt "Stakko Remix" --ta "Gyrock" \
  "$work/stakko_remix.wav" assets/stakko_remix.mp3
python3 tools/music/check_track.py assets/stakko_remix.mp3 "$work/stakko_remix.wav"
