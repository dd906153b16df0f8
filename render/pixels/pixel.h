// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#pragma once
// One pixel's arithmetic, which every path of the kernels reproduces exactly,
// and the loops that draw a stretch with it one pixel at a time: 32-bit
// premultiplied pixels with 8-bit channels, sample positions in 16.16 fixed
// point.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "render/pixels/kernels.h"

namespace gyrock::render::pixels {

inline constexpr int kShift = 16;  // fraction bits of a sample position

// The 8-bit fraction of a position: the weight of the next pixel.
inline std::uint32_t fraction(std::int64_t position) {
    return static_cast<std::uint32_t>(position >> (kShift - 8)) & 0xffu;
}

// a * (256 - t) + b * t over 256, rounded down, in each channel; two
// channels a multiply, as neither sum reaches 16 bits.
inline std::uint32_t lerp(std::uint32_t a, std::uint32_t b, std::uint32_t t) {
    const std::uint32_t s = 256 - t;
    const std::uint32_t rb = (((a & 0x00ff00ffu) * s + (b & 0x00ff00ffu) * t) >> 8) & 0x00ff00ffu;
    const std::uint32_t ag =
        (((a >> 8) & 0x00ff00ffu) * s + ((b >> 8) & 0x00ff00ffu) * t) & 0xff00ff00u;
    return rb | ag;
}

// The bilinear sample of the 2 x 2 block whose top left is at: down the
// columns first, then across.
inline std::uint32_t bilinear(const std::uint32_t* at, std::ptrdiff_t stride, std::uint32_t fu,
                              std::uint32_t fv) {
    return lerp(lerp(at[0], at[stride], fv), lerp(at[1], at[stride + 1], fv), fu);
}

// x times alpha / 255 in each channel, rounded.
inline std::uint32_t byteMul(std::uint32_t x, std::uint32_t alpha) {
    std::uint32_t rb = (x & 0x00ff00ffu) * alpha;
    rb = ((rb + ((rb >> 8) & 0x00ff00ffu) + 0x00800080u) >> 8) & 0x00ff00ffu;
    std::uint32_t ag = ((x >> 8) & 0x00ff00ffu) * alpha;
    ag = (ag + ((ag >> 8) & 0x00ff00ffu) + 0x00800080u) & 0xff00ff00u;
    return rb | ag;
}

// src over under.
inline std::uint32_t over(std::uint32_t under, std::uint32_t src) {
    const std::uint32_t alpha = src >> 24;
    if (alpha == 255) return src;
    if (alpha == 0) return under;
    return src + byteMul(under, 255 - alpha);
}

// The scalar kernels' loops, from x0 on: inline, so that a vector path ends
// its stretch with them without a call.
inline void smoothFrom(const Stretch& s, int x0) {
    std::uint32_t* const line = s.line;
    const std::uint32_t* const under = s.under;
    const std::uint32_t* const picture = s.picture;
    const std::ptrdiff_t stride = s.stride;
    const std::int64_t du = s.du, dv = s.dv;
    std::int64_t u = s.u + (x0 - s.x0) * du, v = s.v + (x0 - s.x0) * dv;
    for (int x = x0, x1 = s.x1; x < x1; ++x, u += du, v += dv) {
        const std::uint32_t* at = picture + (v >> kShift) * stride + (u >> kShift);
        line[x] = over(under[x], bilinear(at, stride, fraction(u), fraction(v)));
    }
}

inline void plainFrom(const Stretch& s, int x0) {
    std::uint32_t* const line = s.line;
    const std::uint32_t* const under = s.under;
    const std::uint32_t* const picture = s.picture;
    const std::ptrdiff_t stride = s.stride;
    const std::int64_t du = s.du, dv = s.dv;
    std::int64_t u = s.u + (x0 - s.x0) * du, v = s.v + (x0 - s.x0) * dv;
    for (int x = x0, x1 = s.x1; x < x1; ++x, u += du, v += dv) {
        line[x] = over(under[x], picture[(v >> kShift) * stride + (u >> kShift)]);
    }
}

// Smooth samples that may fall off the picture: a pixel whose block is not
// inside the framed picture shows what lies under it. Every path draws a
// row's ends with this.
inline void smoothFringe(const Stretch& s) {
    // Unsigned, so that a position left of or above the picture is out too.
    const auto lastU = static_cast<std::uint64_t>(s.width - 1);
    const auto lastV = static_cast<std::uint64_t>(s.height - 1);
    std::uint32_t* const line = s.line;
    const std::uint32_t* const under = s.under;
    const std::uint32_t* const picture = s.picture;
    const std::ptrdiff_t stride = s.stride;
    const std::int64_t du = s.du, dv = s.dv;
    std::int64_t u = s.u, v = s.v;
    for (int x = s.x0, x1 = s.x1; x < x1; ++x, u += du, v += dv) {
        const auto iu = static_cast<std::uint64_t>(u >> kShift);
        const auto iv = static_cast<std::uint64_t>(v >> kShift);
        if (iu >= lastU || iv >= lastV) {
            line[x] = under[x];
            continue;
        }
        const std::uint32_t* at =
            picture + static_cast<std::ptrdiff_t>(iv) * stride + static_cast<std::ptrdiff_t>(iu);
        line[x] = over(under[x], bilinear(at, stride, fraction(u), fraction(v)));
    }
}

// Upright at the picture's own scale, with the samples on pixel centres: the
// picture's pixels as they are, over what lies under them.
inline void uprightRun(const Stretch& s) {
    if (s.x0 >= s.x1) return;
    const std::uint32_t* from = s.picture + (s.v >> kShift) * s.stride + (s.u >> kShift);
    const auto n = static_cast<std::size_t>(s.x1 - s.x0);
    // The board inside its border is opaque: a plain copy then.
    std::uint32_t alphas = 0xff000000u;
    for (std::size_t i = 0; i < n; ++i) alphas &= from[i];
    if (alphas == 0xff000000u) {
        std::memcpy(s.line + s.x0, from, n * 4);
        return;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = s.x0 + static_cast<int>(i);
        s.line[x] = over(s.under[x], from[i]);
    }
}

}  // namespace gyrock::render::pixels
