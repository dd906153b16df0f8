#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Gyrock developers
# Sets up the machine, builds, and runs every test: a plain build, then the
# same tests under AddressSanitizer and UndefinedBehaviorSanitizer, then the
# file-reader fuzzers.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh --test

# The house style, as .clang-format states it.
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=dummy

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DGYROCK_WERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" --timeout 300

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGYROCK_SANITIZE=ON \
  -DBUILD_TESTING=ON -DGYROCK_WERROR=ON -DGYROCK_BENCH=OFF -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g"
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs" --timeout 300 --label-exclude package

if [[ -x tests/fuzz/run_fuzzers.sh ]]; then
  tests/fuzz/run_fuzzers.sh "${GYROCK_FUZZ_SECONDS:-60}"
fi
