#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# Installs the Debian packages the game needs to be built and played;
# with --test, also everything the tests, the sanitizer and fuzzer builds and
# the packaging checks need. The Qt tools compile the translations into the
# program; Qt's own translations give its standard buttons the player's language.
# Safe to run again: on a ready machine it only checks and returns.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-wayland
  libsdl2-dev libsdl2-mixer-dev libmpg123-dev
  fonts-liberation2
  qt6-tools-dev qt6-l10n-tools
  qt6-translations-l10n
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev qt6-base-private-dev
  clang libclang-rt-14-dev clang-format
  xvfb xauth xdotool imagemagick x11-utils openbox weston
  lame python3
  desktop-file-utils appstream groff-base man-db
  build-essential debhelper dpkg-dev fakeroot lintian
)

case "${1:-}" in
  "") ;;
  --test) packages+=("${test_packages[@]}") ;;
  *) echo "usage: $0 [--test]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
