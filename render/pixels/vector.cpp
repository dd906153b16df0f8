// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// The vector paths: the kernels written once on the compiler's generic
// vectors, and compiled twice, four pixels a step for SSE2 and eight for
// AVX2, each in functions of their own target, so that the build needs no
// processor flags. The arithmetic is pixel.h's, one channel a 16-bit lane;
// positions keep their low 32 bits, which wrap alike however far they go.

#if defined(__x86_64__) || defined(__i386__)

#include <immintrin.h>

#include <cstring>

#include "render/pixels/kernels.h"
#include "render/pixels/pixel.h"

namespace gyrock::render::pixels {
namespace {

// Inlined into the functions of each target, where the vectors get that
// target's width; vectors go by reference, as no call ever passes one.
#define GYROCK_LANES_INLINE inline __attribute__((always_inline))

template <typename T, int N>
using Vec [[gnu::vector_size(sizeof(T) * N)]] = T;
template <int N>
using Pixels = Vec<std::uint32_t, N>;  // a pixel a lane
template <int N>
using Halves = Vec<std::uint16_t, 2 * N>;  // the same, two channels apart
template <int N>
using Pairs = Vec<std::uint64_t, N>;  // two pixels a lane

// The steps for which AVX2 has instructions of its own (gathers, a
// multiply-add of 16-bit halves, a test of a whole register), here written
// for any width; SSE2 has none of them.
template <int N>
struct Lanes {
    // Where each lane's sample (or block) starts in the picture.
    static GYROCK_LANES_INLINE void index(const Pixels<N>& u, const Pixels<N>& v,
                                          std::uint32_t stride, Pixels<N>& out) {
        out = (v >> kShift) * stride + (u >> kShift);
    }
    // The pixel at each index.
    static GYROCK_LANES_INLINE void gather(const std::uint32_t* picture, const Pixels<N>& index,
                                           Pixels<N>& out) {
        for (int k = 0; k < N; ++k) out[k] = picture[index[k]];
    }
    // Each index's pixel and its right-hand neighbour.
    static GYROCK_LANES_INLINE void gatherPairs(const std::uint32_t* picture,
                                                const Pixels<N>& index, Pixels<N>& left,
                                                Pixels<N>& right) {
        for (int k = 0; k < N; ++k) {
            left[k] = picture[index[k]];
            right[k] = picture[index[k] + 1];
        }
    }
    // Whether every lane is opaque, as the board is inside its border.
    static GYROCK_LANES_INLINE bool opaque(const Pixels<N>& src) {
        const Pairs<N / 2> alphas = (Pairs<N / 2>)(src | 0x00ffffff);
        std::uint64_t all = ~std::uint64_t{0};
        for (int k = 0; k < N / 2; ++k) all &= alphas[k];
        return all == ~std::uint64_t{0};
    }
};

// Functions of a target of their own. AVX2's steps are not forced inline,
// as they may not go into code of another target; they are inlined once the
// kernel is inside an AVX2 function.
#define GYROCK_SSE2 __attribute__((target("sse2")))
#define GYROCK_AVX2 __attribute__((target("avx2")))

template <>
struct Lanes<8> {
    // The row's whole part in the high half of each lane, the column's in the
    // low half, and one multiply-add makes row x stride + column.
    static GYROCK_AVX2 inline void index(const Pixels<8>& u, const Pixels<8>& v,
                                         std::uint32_t stride, Pixels<8>& out) {
        const Pixels<8> rowAndColumn = (v & 0xffff0000u) | u >> kShift;
        out = (Pixels<8>)_mm256_madd_epi16((__m256i)rowAndColumn,
                                           _mm256_set1_epi32(static_cast<int>(stride << 16 | 1)));
    }
    static GYROCK_AVX2 inline void gather(const std::uint32_t* picture, const Pixels<8>& index,
                                          Pixels<8>& out) {
        out = (Pixels<8>)_mm256_i32gather_epi32(reinterpret_cast<const int*>(picture),
                                                (__m256i)index, 4);
    }
    static GYROCK_AVX2 inline void gatherPairs(const std::uint32_t* picture, const Pixels<8>& index,
                                               Pixels<8>& left, Pixels<8>& right) {
        // The pairs of lanes 0 1 4 5 in one register, 2 3 6 7 in the other,
        // so that one shuffle a side takes each pixel back to its own lane.
        const auto* from = reinterpret_cast<const long long*>(picture);
        const __m256i order = _mm256_setr_epi32(0, 1, 4, 5, 2, 3, 6, 7);
        const __m256i i = _mm256_permutevar8x32_epi32((__m256i)index, order);
        const __m256 a =
            _mm256_castsi256_ps(_mm256_i32gather_epi64(from, _mm256_castsi256_si128(i), 4));
        const __m256 b =
            _mm256_castsi256_ps(_mm256_i32gather_epi64(from, _mm256_extracti128_si256(i, 1), 4));
        left = (Pixels<8>)_mm256_shuffle_ps(a, b, _MM_SHUFFLE(2, 0, 2, 0));
        right = (Pixels<8>)_mm256_shuffle_ps(a, b, _MM_SHUFFLE(3, 1, 3, 1));
    }
    static GYROCK_AVX2 inline bool opaque(const Pixels<8>& src) {
        return _mm256_testc_si256((__m256i)src, _mm256_set1_epi32(static_cast<int>(0xff000000u)));
    }
};

// Each position's fraction, in both halves of its lane.
template <int N>
GYROCK_LANES_INLINE void weights(const Pixels<N>& positions, Halves<N>& w) {
    const Pixels<N> f = (positions >> 8) & 0xff;
    w = (Halves<N>)(f | f << 16);
}

// A pixel's channels, two a 16-bit lane: blue and red, green and alpha.
template <int N>
GYROCK_LANES_INLINE void split(const Pixels<N>& pixels, Halves<N>& rb, Halves<N>& ag) {
    rb = (Halves<N>)(pixels & 0x00ff00ff);
    ag = (Halves<N>)pixels >> 8;
}

// a becomes a * (256 - w) + b * w over 256, channel by channel: pixel.h's
// lerp, whose sums fit in a 16-bit lane too.
template <int N>
GYROCK_LANES_INLINE void mix(Halves<N>& a, const Halves<N>& b, const Halves<N>& w) {
    a = (a * (256 - w) + b * w) >> 8;
}

// The pixels at line become src over those beneath: pixel.h's over(), lane
// by lane; with alpha 255 byteMul gives 0 and the sum is src.
template <int N>
GYROCK_LANES_INLINE void store(std::uint32_t* line, const std::uint32_t* beneath,
                               const Pixels<N>& src) {
    if (__builtin_expect(Lanes<N>::opaque(src), 1)) {
        std::memcpy(line, &src, sizeof src);
        return;
    }
    Pixels<N> under;
    std::memcpy(&under, beneath, sizeof under);
    const Pixels<N> rest = 255 - (src >> 24);
    const Halves<N> weight = (Halves<N>)(rest | rest << 16);
    Halves<N> rb = (Halves<N>)(under & 0x00ff00ff) * weight;
    rb = (rb + (rb >> 8) + 0x80) >> 8;
    Halves<N> ag = ((Halves<N>)under >> 8) * weight;
    ag = (ag + (ag >> 8) + 0x80) >> 8;
    const Pixels<N> blended = src + ((Pixels<N>)rb | (Pixels<N>)ag << 8);
    const Pixels<N> result = rest == 255 ? under : blended;
    std::memcpy(line, &result, sizeof result);
}

// Inside a stretch every position is positive and, for a picture narrower
// and lower than 2^15 pixels, its whole parts fit in 16 bits and the index
// they make in 31.
bool fitsLanes(const Stretch& s) { return s.stride < 32768 && s.height < 32768; }

// Each lane's position, from the stretch's first pixel on, in the low 32
// bits that the lanes keep.
template <int N>
GYROCK_LANES_INLINE void positions(const Stretch& s, Pixels<N>& u, Pixels<N>& v) {
    Pixels<N> lane;
    for (int k = 0; k < N; ++k) lane[k] = static_cast<std::uint32_t>(k);
    u = static_cast<std::uint32_t>(s.u) + lane * static_cast<std::uint32_t>(s.du);
    v = static_cast<std::uint32_t>(s.v) + lane * static_cast<std::uint32_t>(s.dv);
}

// The kernels keep what they read of a stretch in locals, which stores to
// the row cannot change. The rest of a stretch, fewer than N pixels, goes
// one pixel at a time.
template <int N>
GYROCK_LANES_INLINE void smoothLanes(const Stretch& s) {
    if (!fitsLanes(s)) return smoothFrom(s, s.x0);
    std::uint32_t* const line = s.line;
    const std::uint32_t* const under = s.under;
    const std::uint32_t* const top = s.picture;
    const std::uint32_t* const bottom = s.picture + s.stride;
    const auto stride = static_cast<std::uint32_t>(s.stride);
    const auto du = static_cast<std::uint32_t>(N * s.du), dv = static_cast<std::uint32_t>(N * s.dv);
    const int x0 = s.x0, x1 = s.x1;
    Pixels<N> u, v;
    positions<N>(s, u, v);
    int x = x0;
    for (; x + N <= x1; x += N, u += du, v += dv) {
        Pixels<N> index, left, right, bottomLeft, bottomRight;
        Lanes<N>::index(u, v, stride, index);
        Lanes<N>::gatherPairs(top, index, left, right);
        Lanes<N>::gatherPairs(bottom, index, bottomLeft, bottomRight);
        Halves<N> wu, wv, leftRb, leftAg, rightRb, rightAg, belowRb, belowAg;
        weights<N>(u, wu);
        weights<N>(v, wv);
        // Down the left and right columns, then across.
        split<N>(left, leftRb, leftAg);
        split<N>(bottomLeft, belowRb, belowAg);
        mix<N>(leftRb, belowRb, wv);
        mix<N>(leftAg, belowAg, wv);
        split<N>(right, rightRb, rightAg);
        split<N>(bottomRight, belowRb, belowAg);
        mix<N>(rightRb, belowRb, wv);
        mix<N>(rightAg, belowAg, wv);
        mix<N>(leftRb, rightRb, wu);
        mix<N>(leftAg, rightAg, wu);
        left = (Pixels<N>)leftRb | (Pixels<N>)leftAg << 8;
        store<N>(line + x, under + x, left);
    }
    smoothFrom(s, x);
}

template <int N>
GYROCK_LANES_INLINE void plainLanes(const Stretch& s) {
    if (!fitsLanes(s)) return plainFrom(s, s.x0);
    std::uint32_t* const line = s.line;
    const std::uint32_t* const under = s.under;
    const std::uint32_t* const picture = s.picture;
    const auto stride = static_cast<std::uint32_t>(s.stride);
    const auto du = static_cast<std::uint32_t>(N * s.du), dv = static_cast<std::uint32_t>(N * s.dv);
    const int x0 = s.x0, x1 = s.x1;
    Pixels<N> u, v;
    positions<N>(s, u, v);
    int x = x0;
    for (; x + N <= x1; x += N, u += du, v += dv) {
        Pixels<N> index, nearest;
        Lanes<N>::index(u, v, stride, index);
        Lanes<N>::gather(picture, index, nearest);
        store<N>(line + x, under + x, nearest);
    }
    plainFrom(s, x);
}

// Many stretches a call: what the kernels set up is set up once.
GYROCK_SSE2 void smoothSse2(std::span<const Stretch> all) {
    for (const Stretch& s : all) smoothLanes<4>(s);
}
GYROCK_SSE2 void plainSse2(std::span<const Stretch> all) {
    for (const Stretch& s : all) plainLanes<4>(s);
}
GYROCK_AVX2 void smoothAvx2(std::span<const Stretch> all) {
    for (const Stretch& s : all) smoothLanes<8>(s);
}
GYROCK_AVX2 void plainAvx2(std::span<const Stretch> all) {
    for (const Stretch& s : all) plainLanes<8>(s);
}

}  // namespace

Kernels vectorKernels(Path path) {
    if (path == Path::Avx2) return {smoothAvx2, plainAvx2};
    return {smoothSse2, plainSse2};
}

}  // namespace gyrock::render::pixels

#endif
