#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# Runs a validator and fails on any remark at all, not only on the errors
# that set its exit status: appstreamcli passes files with pedantic notes.
# Usage: check_no_remarks.sh COMMAND [ARGUMENTS...]
set -uo pipefail
output=$("$@" 2>&1)
status=$?
echo "$output"
((status == 0)) || exit 1
! grep -qE '^[EWIP]: ' <<<"$output"
