#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# Every text the player sees is translated in every shipped language: lupdate,
# run over the sources as `update_translations` runs it but on copies of the
# .ts files, must find no text that is new, changed or left unfinished, and
# no translation may be empty.
# Usage: check_translations.sh LUPDATE INPUTS.lst TS_FILE...
set -euo pipefail
lupdate=$1
inputs=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "${@:3}" "$work/"
"$lupdate" -silent @"$inputs" -no-obsolete -locations relative -no-ui-lines -ts "$work"/*.ts

# Each message is a record; print the source of every one whose translation
# is unfinished or empty.
untranslated=$(awk -v RS='</message>' '/type="unfinished"|<translation><\/translation>|<translation\/>/ {
                 sub(/.*<source>/, ""); sub(/<\/source>.*/, ""); print FILENAME ": " $0 }' "$work"/*.ts)
[[ -z $untranslated ]] || { echo "Not translated:"; echo "${untranslated//$work\//}"; exit 1; }
echo "$(grep -c '<message>' "$work"/*.ts | sed "s|$work/||" | tr '\n' ' ')- all translated"
