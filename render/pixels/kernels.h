// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// The turned copy's inner loops. The scalar kernels are the reference; a
// vector path, chosen at run time from what the processor has, gives exactly
// their pixels. A stretch's ends, where samples may fall off the picture, are
// drawn by pixel.h's loops whatever the path.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace gyrock::render::pixels {

// Destination pixels [x0, x1) of one row and where their samples lie in the
// framed picture.
struct Stretch {
    std::uint32_t* line;         // the destination row
    const std::uint32_t* under;  // what the picture goes over: line itself, or a row beneath
    int x0, x1;
    std::int64_t u, v;             // the sample position of x0, 16.16 fixed point
    std::int64_t du, dv;           // its step to the next pixel
    const std::uint32_t* picture;  // the framed picture's first pixel
    std::ptrdiff_t stride;         // its pixels a row
    int width, height;             // its size, border included
};

// Smooth draws the bilinear sample at each position, plain the pixel under
// it; either kernel needs every sample of its stretches inside the framed
// picture (smooth reads the 2 x 2 block there).
using Kernel = void (*)(std::span<const Stretch> stretches);
struct Kernels {
    Kernel smooth, plain;
};

enum class Path { Scalar, Sse2, Avx2 };

// The paths this processor runs: the scalar first, the fastest last.
const std::vector<Path>& availablePaths();
Path fastestPath();
Kernels kernelsFor(Path path);

// The reference kernels.
void smoothScalar(std::span<const Stretch> stretches);
void plainScalar(std::span<const Stretch> stretches);
// The same with a step of 4 (SSE2) or 8 (AVX2) pixels; only on x86.
Kernels vectorKernels(Path path);

}  // namespace gyrock::render::pixels
