#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# Builds the two file-reader fuzzers with clang in their own build folder and
# runs each for N seconds (first argument, default 60). Fails on any crash.
# The committed corpus is only read; new inputs go to the build folder.
set -euo pipefail

seconds=${1:-60}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${GYROCK_FUZZ_BUILD:-$root/build-fuzz}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGYROCK_FUZZ=ON -DBUILD_TESTING=ON -DGYROCK_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target fuzz_scores_reader fuzz_prefs_reader

status=0
for reader in scores prefs; do
  work="$build/fuzz-corpus/$reader"
  artifacts="$build/fuzz-artifacts/$reader"
  mkdir -p "$work" "$artifacts"
  echo "== fuzz_${reader}_reader for ${seconds}s"
  if ! "$build/fuzz_${reader}_reader" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$artifacts/" "$work" "$root/tests/fuzz/corpus/$reader"; then
    echo "fuzz_${reader}_reader found a crash; inputs in $artifacts" >&2
    status=1
  fi
done
exit $status
