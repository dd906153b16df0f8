#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# Builds the file-reader fuzzer with clang in its own build folder and runs it
# for N seconds (first argument, default 60) on both files' corpora. Fails on
# any crash, and keeps the input that caused it in the build folder. The
# committed corpus is only read; new inputs go to the build folder.
set -euo pipefail

seconds=${1:-60}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${GYROCK_FUZZ_BUILD:-$root/build-fuzz}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGYROCK_FUZZ=ON -DBUILD_TESTING=ON -DGYROCK_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target fuzz_readers
mkdir -p "$build/fuzz-corpus" "$build/fuzz-artifacts"
"$build/fuzz_readers" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$build/fuzz-artifacts/" "$build/fuzz-corpus" "$root"/tests/fuzz/corpus/*/
