// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers

// The turned copy the board is drawn with. Qt's own transformed drawing steps
// its sample position along each span from wherever the span starts, so a
// clipped repaint lands on slightly different pixels than a full one; here
// every position is an exact integer function of the pixel's own coordinates.

#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define GYROCK_AVX2 1
#endif

#include "render/bitmapfx.h"

namespace gyrock::bitmapfx {
namespace {

constexpr int kShift = 16;
constexpr std::int64_t kUnit = std::int64_t{1} << kShift;
constexpr double kOne = kUnit;

// Blends b into a by t/256 in each 8-bit channel, two channels a multiply.
inline std::uint32_t lerp(std::uint32_t a, std::uint32_t b, std::uint32_t t) {
    const std::uint32_t s = 256 - t;
    const std::uint32_t rb = (((a & 0x00ff00ffu) * s + (b & 0x00ff00ffu) * t) >> 8) & 0x00ff00ffu;
    const std::uint32_t ag = (((a >> 8) & 0x00ff00ffu) * s + ((b >> 8) & 0x00ff00ffu) * t) & 0xff00ff00u;
    return rb | ag;
}

// The bilinear sample between four pixels, fu and fv the 8-bit fractions.
// Down the columns first, then across; every path of every frame uses this
// one function, so a pixel never depends on which part of the window is drawn.
#if defined(__SSE2__)
inline std::uint32_t sample(const std::uint32_t* top, const std::uint32_t* bottom, std::uint32_t fu,
                            std::uint32_t fv) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i t = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(top)), zero);
    const __m128i b = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(bottom)), zero);
    // Weights in 16-bit lanes: (256 - fv, fv) for the two rows, then
    // (256 - fu) x 4 and fu x 4 for the left and right pixel.
    __m128i wv = _mm_cvtsi32_si128(static_cast<int>((256 - fv) | (fv << 16)));
    wv = _mm_shuffle_epi32(wv, 0);
    const __m128i wt = _mm_shufflelo_epi16(_mm_shufflehi_epi16(wv, 0x00), 0x00);
    const __m128i wb = _mm_shufflelo_epi16(_mm_shufflehi_epi16(wv, 0x55), 0x55);
    const __m128i down = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(t, wt), _mm_mullo_epi16(b, wb)), 8);
    __m128i wu = _mm_cvtsi32_si128(static_cast<int>((256 - fu) | (fu << 16)));
    wu = _mm_unpacklo_epi16(wu, wu);
    wu = _mm_unpacklo_epi32(wu, wu);
    __m128i across = _mm_mullo_epi16(down, wu);
    across = _mm_srli_epi16(_mm_add_epi16(across, _mm_srli_si128(across, 8)), 8);
    return static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(across, across)));
}
#else
inline std::uint32_t sample(const std::uint32_t* top, const std::uint32_t* bottom, std::uint32_t fu,
                            std::uint32_t fv) {
    return lerp(lerp(top[0], bottom[0], fv), lerp(top[1], bottom[1], fv), fu);
}
#endif

#if defined(__SSE2__)
// Four pixels of a row at once, for the stretch where every sample lies inside
// the framed picture. The arithmetic is sample()'s, channel for channel, so a
// pixel comes out the same whichever path draws it. The fractions need only
// the low 32 bits of the positions, which wrap alike on every path.
struct FourSamples {
    __m128i u, v, du4, dv4;
};

inline FourSamples fourSamples(std::int64_t u, std::int64_t v, std::int64_t du, std::int64_t dv) {
    const auto lo = [](std::int64_t x) { return static_cast<int>(static_cast<std::uint32_t>(x)); };
    return {_mm_setr_epi32(lo(u), lo(u + du), lo(u + 2 * du), lo(u + 3 * du)),
            _mm_setr_epi32(lo(v), lo(v + dv), lo(v + 2 * dv), lo(v + 3 * dv)), _mm_set1_epi32(lo(4 * du)),
            _mm_set1_epi32(lo(4 * dv))};
}

// The 8-bit fraction of each position, in both 16-bit halves of its lane.
inline __m128i fractionPairs(__m128i position) {
    const __m128i f = _mm_and_si128(_mm_srli_epi32(position, 8), _mm_set1_epi32(0xff));
    return _mm_or_si128(f, _mm_slli_epi32(f, 16));
}

// a * (256 - f) + b * f, shifted down by 8, in 16-bit lanes.
inline __m128i mix16(__m128i a, __m128i b, __m128i f) {
    const __m128i g = _mm_sub_epi16(_mm_set1_epi16(256), f);
    return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(a, g), _mm_mullo_epi16(b, f)), 8);
}

inline __m128i loadPairs(const std::uint32_t* p0, const std::uint32_t* p1) {
    return _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p0)),
                              _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p1)));
}

// Left and right pixels of four pairs: {l0 r0 l1 r1} {l2 r2 l3 r3}.
inline void split(__m128i p01, __m128i p23, __m128i& left, __m128i& right) {
    const __m128 a = _mm_castsi128_ps(p01), b = _mm_castsi128_ps(p23);
    left = _mm_castps_si128(_mm_shuffle_ps(a, b, _MM_SHUFFLE(2, 0, 2, 0)));
    right = _mm_castps_si128(_mm_shuffle_ps(a, b, _MM_SHUFFLE(3, 1, 3, 1)));
}

inline __m128i sampleFour(const std::uint32_t* const top[4], std::ptrdiff_t stride, __m128i u, __m128i v) {
    __m128i tl, tr, bl, br;
    split(loadPairs(top[0], top[1]), loadPairs(top[2], top[3]), tl, tr);
    split(loadPairs(top[0] + stride, top[1] + stride), loadPairs(top[2] + stride, top[3] + stride), bl, br);
    const __m128i mask = _mm_set1_epi32(0x00ff00ff);
    const __m128i fv = fractionPairs(v), fu = fractionPairs(u);
    const __m128i lrb = mix16(_mm_and_si128(tl, mask), _mm_and_si128(bl, mask), fv);
    const __m128i lag = mix16(_mm_srli_epi16(tl, 8), _mm_srli_epi16(bl, 8), fv);
    const __m128i rrb = mix16(_mm_and_si128(tr, mask), _mm_and_si128(br, mask), fv);
    const __m128i rag = mix16(_mm_srli_epi16(tr, 8), _mm_srli_epi16(br, 8), fv);
    return _mm_or_si128(mix16(lrb, rrb, fu), _mm_slli_epi16(mix16(lag, rag, fu), 8));
}

inline bool allOpaque(__m128i pixels) {
    const __m128i ones = _mm_cmpeq_epi32(pixels, pixels);
    return _mm_movemask_epi8(_mm_cmpeq_epi32(_mm_or_si128(pixels, _mm_srli_epi32(ones, 8)), ones)) == 0xffff;
}
#endif

// x times alpha / 255 in each channel, rounded.
inline std::uint32_t byteMul(std::uint32_t x, std::uint32_t alpha) {
    std::uint32_t rb = (x & 0x00ff00ffu) * alpha;
    rb = ((rb + ((rb >> 8) & 0x00ff00ffu) + 0x00800080u) >> 8) & 0x00ff00ffu;
    std::uint32_t ag = ((x >> 8) & 0x00ff00ffu) * alpha;
    ag = (ag + ((ag >> 8) & 0x00ff00ffu) + 0x00800080u) & 0xff00ff00u;
    return rb | ag;
}

// Premultiplied source over whatever is there.
inline void over(std::uint32_t& dest, std::uint32_t src) {
    const std::uint32_t alpha = src >> 24;
    if (alpha == 255) {
        dest = src;
    } else if (alpha != 0) {
        dest = src + byteMul(dest, 255 - alpha);
    }
}

// The pixel under src (from under, which is line itself when drawing over
// what is there) with src over it, into line.
inline void put(std::uint32_t* line, const std::uint32_t* under, int x, std::uint32_t src) {
    std::uint32_t d = (src >> 24) == 255 ? 0 : under[x];
    over(d, src);
    line[x] = d;
}

// Pixels x0..x1 from the picture one for one, from starting at x0: copied
// when all are opaque, as the board inside its border is.
void putRun(std::uint32_t* line, const std::uint32_t* under, int x0, int x1, const std::uint32_t* from) {
    const auto n = static_cast<std::size_t>(x1 - x0);
    std::uint32_t alphas = 0xff000000u;
    for (std::size_t i = 0; i < n; ++i) alphas &= from[i];
    if (alphas == 0xff000000u) {
        std::memcpy(line + x0, from, n * 4);
        return;
    }
    for (std::size_t i = 0; i < n; ++i) put(line, under, x0 + static_cast<int>(i), from[i]);
}

#if defined(__SSE2__)
// Four premultiplied pixels over the four at dest.
inline void putFour(std::uint32_t* line, const std::uint32_t* under, int x, __m128i pixels) {
    if (allOpaque(pixels)) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(line + x), pixels);
        return;
    }
    alignas(16) std::uint32_t px[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(px), pixels);
    for (int k = 0; k < 4; ++k) put(line, under, x + k, px[k]);
}
#endif

#if defined(GYROCK_AVX2)
#define GYROCK_TARGET_AVX2 __attribute__((target("avx2")))
GYROCK_TARGET_AVX2 inline __m256i mix16x2(__m256i a, __m256i b, __m256i f) {
    const __m256i g = _mm256_sub_epi16(_mm256_set1_epi16(256), f);
    return _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(a, g), _mm256_mullo_epi16(b, f)), 8);
}

GYROCK_TARGET_AVX2 inline __m256i fractionPairsx2(__m256i position) {
    const __m256i f = _mm256_and_si256(_mm256_srli_epi32(position, 8), _mm256_set1_epi32(0xff));
    return _mm256_or_si256(f, _mm256_slli_epi32(f, 16));
}

// {l0 r0 l1 r1 | l4 r4 l5 r5} and {l2 r2 l3 r3 | l6 r6 l7 r7} into lefts and rights in order.
GYROCK_TARGET_AVX2 inline void splitx2(__m256i a, __m256i b, __m256i& left, __m256i& right) {
    const __m256 fa = _mm256_castsi256_ps(a), fb = _mm256_castsi256_ps(b);
    left = _mm256_castps_si256(_mm256_shuffle_ps(fa, fb, _MM_SHUFFLE(2, 0, 2, 0)));
    right = _mm256_castps_si256(_mm256_shuffle_ps(fa, fb, _MM_SHUFFLE(3, 1, 3, 1)));
}

// The picture positions of eight neighbouring destination pixels, in the
// fixed point of the narrower paths, kept in step with their 64-bit copies.
struct EightPositions {
    __m256i u, v, du8, dv8, strideAndOne;
    GYROCK_TARGET_AVX2 EightPositions(std::int64_t u64, std::int64_t v64, std::int64_t du, std::int64_t dv,
                                      std::ptrdiff_t rowStride) {
        const __m256i steps = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
        u = _mm256_add_epi32(_mm256_set1_epi32(static_cast<int>(u64)),
                             _mm256_mullo_epi32(steps, _mm256_set1_epi32(static_cast<int>(du))));
        v = _mm256_add_epi32(_mm256_set1_epi32(static_cast<int>(v64)),
                             _mm256_mullo_epi32(steps, _mm256_set1_epi32(static_cast<int>(dv))));
        du8 = _mm256_set1_epi32(static_cast<int>(8 * du));
        dv8 = _mm256_set1_epi32(static_cast<int>(8 * dv));
        strideAndOne = _mm256_set1_epi32(static_cast<int>((rowStride << 16) | 1));
    }
    // Where each of the eight samples starts in the picture, in pixels.
    // Inside the picture both whole parts are small and positive: the row's
    // in the high half of each lane, the column's in the low half, and one
    // multiply-add makes row x stride + column.
    GYROCK_TARGET_AVX2 __m256i index() const {
        const __m256i rowAndColumn = _mm256_or_si256(_mm256_and_si256(v, _mm256_set1_epi32(-65536)),
                                                     _mm256_srli_epi32(u, 16));
        return _mm256_madd_epi16(rowAndColumn, strideAndOne);
    }
    GYROCK_TARGET_AVX2 void advance(std::int64_t& u64, std::int64_t& v64, std::int64_t du, std::int64_t dv) {
        u = _mm256_add_epi32(u, du8);
        v = _mm256_add_epi32(v, dv8);
        u64 += 8 * du;
        v64 += 8 * dv;
    }
};

// Eight opaque pixels are stored at once; any other goes over what lies under it.
GYROCK_TARGET_AVX2 inline void putEight(std::uint32_t* line, const std::uint32_t* under, int x, __m256i px) {
    const __m256i ones = _mm256_set1_epi32(-1), alpha = _mm256_set1_epi32(0x00ffffff);
    if (_mm256_movemask_epi8(_mm256_cmpeq_epi32(_mm256_or_si256(px, alpha), ones)) == -1) {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(line + x), px);
        return;
    }
    alignas(32) std::uint32_t out[8];
    _mm256_store_si256(reinterpret_cast<__m256i*>(out), px);
    for (int k = 0; k < 8; ++k) put(line, under, x + k, out[k]);
}

// Eight pixels at a time where the processor can, again with sample()'s
// arithmetic, for the stretch of a row where every sample lies inside the
// framed picture (so every position is small and positive). Returns how far
// it got; the rest of the stretch is left to the narrower paths.
GYROCK_TARGET_AVX2 int smoothEight(std::uint32_t* line, const std::uint32_t* under, int x, int to, std::int64_t& u64,
                                                std::int64_t& v64, std::int64_t du, std::int64_t dv,
                                                const std::uint32_t* base, std::ptrdiff_t stride) {
    if (to - x < 8) return x;
    EightPositions at(u64, v64, du, dv, stride);
    const __m256i order = _mm256_setr_epi32(0, 1, 4, 5, 2, 3, 6, 7);
    const __m256i mask = _mm256_set1_epi32(0x00ff00ff);
    const auto* pairs = reinterpret_cast<const long long*>(base);
    for (; x + 8 <= to; x += 8) {
        const __m256i ordered = _mm256_permutevar8x32_epi32(at.index(), order);
        const __m128i i0 = _mm256_castsi256_si128(ordered), i1 = _mm256_extracti128_si256(ordered, 1);
        const __m128i s = _mm_set1_epi32(static_cast<int>(stride));
        __m256i tl, tr, bl, br;
        splitx2(_mm256_i32gather_epi64(pairs, i0, 4), _mm256_i32gather_epi64(pairs, i1, 4), tl, tr);
        splitx2(_mm256_i32gather_epi64(pairs, _mm_add_epi32(i0, s), 4),
              _mm256_i32gather_epi64(pairs, _mm_add_epi32(i1, s), 4), bl, br);
        const __m256i fv = fractionPairsx2(at.v), fu = fractionPairsx2(at.u);
        const __m256i lrb = mix16x2(_mm256_and_si256(tl, mask), _mm256_and_si256(bl, mask), fv);
        const __m256i lag = mix16x2(_mm256_srli_epi16(tl, 8), _mm256_srli_epi16(bl, 8), fv);
        const __m256i rrb = mix16x2(_mm256_and_si256(tr, mask), _mm256_and_si256(br, mask), fv);
        const __m256i rag = mix16x2(_mm256_srli_epi16(tr, 8), _mm256_srli_epi16(br, 8), fv);
        putEight(line, under, x,
                 _mm256_or_si256(mix16x2(lrb, rrb, fu), _mm256_slli_epi16(mix16x2(lag, rag, fu), 8)));
        at.advance(u64, v64, du, dv);
    }
    return x;
}

// The plain turn's eight nearest pixels at a time; every position of the
// stretch lies inside the picture.
GYROCK_TARGET_AVX2 int plainEight(std::uint32_t* line, const std::uint32_t* under, int x, int to, std::int64_t& u64, std::int64_t& v64,
                                  std::int64_t du, std::int64_t dv, const std::uint32_t* base,
                                  std::ptrdiff_t stride) {
    if (to - x < 8) return x;
    EightPositions at(u64, v64, du, dv, stride);
    const auto* pixels = reinterpret_cast<const int*>(base);
    for (; x + 8 <= to; x += 8) {
        putEight(line, under, x, _mm256_i32gather_epi32(pixels, at.index(), 4));
        at.advance(u64, v64, du, dv);
    }
    return x;
}

bool hasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#endif

// Picture coordinates of destination pixel (x, y) are u = u0 + x du/dx + y du/dy
// (likewise v), in fixed point. The constants are rounded once per drawing.
struct Mapping {
    std::int64_t u0, dudx, dudy, v0, dvdx, dvdy;
    double cu, su, cv, sv;  // the same in floating point, for the row bounds
};

Mapping mapping(QSize picture, const Turn& turn, double shift) {
    const double radians = normalisedDegrees(turn.degrees) * M_PI / 180.0;
    double c = std::cos(radians), s = std::sin(radians);
    const double k = turn.scale > 0 ? 1.0 / turn.scale : 1.0;
    c *= k;
    s *= k;
    // Inverse of a clockwise turn about the centre: from the screen back into the picture.
    const double ox = 0.5 - turn.centre.x(), oy = 0.5 - turn.centre.y();
    const double u0 = c * ox + s * oy + picture.width() / 2.0 + shift;
    const double v0 = -s * ox + c * oy + picture.height() / 2.0 + shift;
    Mapping m{};
    m.u0 = std::llround(u0 * kOne);
    m.dudx = std::llround(c * kOne);
    m.dudy = std::llround(s * kOne);
    m.v0 = std::llround(v0 * kOne);
    m.dvdx = std::llround(-s * kOne);
    m.dvdy = std::llround(c * kOne);
    m.cu = u0;
    m.su = c;
    m.cv = v0;
    m.sv = -s;
    return m;
}

// Narrows [x0, x1) to where value0 + x * slope can lie in [lo, hi), leaving a
// pixel to spare on each side: the exact test is made per pixel anyway.
// inverse is 1 / slope, worked out once for all rows.
void narrow(double value0, double slope, double inverse, double lo, double hi, int& x0, int& x1) {
    if (std::abs(slope) < 1e-12) {
        if (value0 < lo - 1 || value0 > hi + 1) x1 = x0;
        return;
    }
    double a = (lo - value0) * inverse, b = (hi - value0) * inverse;
    if (a > b) std::swap(a, b);
    x0 = std::max(x0, static_cast<int>(std::floor(a)) - 1);
    x1 = std::min(x1, static_cast<int>(std::ceil(b)) + 1);
}

}  // namespace

QImage framedPicture(QSize pictureSize) {
    QImage framed(pictureSize + QSize(2, 2), QImage::Format_ARGB32_Premultiplied);
    framed.fill(Qt::transparent);
    return framed;
}

void turnedSpans(QSize picture, const Turn& turn, QRect clip, std::vector<std::pair<int, int>>& spans) {
    spans.assign(static_cast<std::size_t>(std::max(clip.height(), 0)), {0, 0});
    if (clip.isEmpty()) return;
    const Mapping m = mapping(picture, turn, turn.smooth ? 0.5 : 1.0);
    const double lo = turn.smooth ? 0.0 : 1.0;
    const double inverseU = m.su != 0 ? 1 / m.su : 0, inverseV = m.sv != 0 ? 1 / m.sv : 0;
    for (int y = clip.top(); y <= clip.bottom(); ++y) {
        int x0 = clip.left(), x1 = clip.right() + 1;
        narrow(m.cu + (m.dudy / kOne) * y, m.su, inverseU, lo, picture.width() + 1.0, x0, x1);
        narrow(m.cv + (m.dvdy / kOne) * y, m.sv, inverseV, lo, picture.height() + 1.0, x0, x1);
        spans[static_cast<std::size_t>(y - clip.top())] = {x0, std::max(x0, x1)};
    }
}

void turnInto(QImage& dest, QRect clip, const QImage& framed, const Turn& turn, const QImage* underImage,
              const std::vector<std::pair<int, int>>* knownSpans) {
    if (framed.format() != QImage::Format_ARGB32_Premultiplied || framed.width() < 3 || framed.height() < 3) return;
    if (dest.depth() != 32) return;
    const QRect asked = clip;
    clip = clip.intersected(dest.rect());
    if (underImage != nullptr) {
        if (underImage->depth() != 32) return;
        clip = clip.intersected(underImage->rect());
    }
    if (clip.isEmpty()) return;

    const QSize picture(framed.width() - 2, framed.height() - 2);
    const auto w = static_cast<std::uint64_t>(picture.width());
    const auto h = static_cast<std::uint64_t>(picture.height());
    // Plain takes the pixel under the sample point; smooth samples between
    // pixel centres and reaches one pixel into the transparent border.
    const double shift = turn.smooth ? 0.5 : 1.0;
    const Mapping m = mapping(picture, turn, shift);
    const std::uint64_t limitU = turn.smooth ? w + 1 : w;
    const std::uint64_t limitV = turn.smooth ? h + 1 : h;
    const auto* base = reinterpret_cast<const std::uint32_t*>(framed.constBits());
    const std::ptrdiff_t stride = framed.bytesPerLine() / 4;
    // Row addresses from the bits taken once: scanLine() would check for a
    // shared copy on every row.
    uchar* const destBits = dest.bits();
    const qsizetype destLine = dest.bytesPerLine();
    auto destRow = [&](int y) { return reinterpret_cast<std::uint32_t*>(destBits + y * destLine); };
    const uchar* const underBits = underImage != nullptr ? underImage->constBits() : nullptr;
    const qsizetype underLine = underImage != nullptr ? underImage->bytesPerLine() : 0;
    auto underRow = [&](int y) { return reinterpret_cast<const std::uint32_t*>(underBits + y * underLine); };

    // Where each row meets the picture, worked out once, exactly: [a0, a1)
    // samples the picture with its border, [i0, i1) inside it only.
    struct Row {
        int a0, i0, i1, a1;
    };
    thread_local std::vector<std::pair<int, int>> ownSpans;
    thread_local std::vector<Row> rows;
    const bool known = knownSpans != nullptr && clip == asked &&
                       knownSpans->size() == static_cast<std::size_t>(clip.height());
    if (!known) turnedSpans(picture, turn, clip, ownSpans);
    const std::vector<std::pair<int, int>>& spans = known ? *knownSpans : ownSpans;
    rows.resize(spans.size());
    // Index ranges in the framed picture: plain reads 1..w (the picture),
    // smooth reads a 2 x 2 block starting at 0..w (border included).
    const std::int64_t outerLo = turn.smooth ? 0 : 1;
    const std::int64_t outerHiU = static_cast<std::int64_t>(w), outerHiV = static_cast<std::int64_t>(h);
    const std::int64_t innerLo = 1;
    const std::int64_t innerHiU = turn.smooth ? outerHiU - 1 : outerHiU;
    const std::int64_t innerHiV = turn.smooth ? outerHiV - 1 : outerHiV;
    for (int y = clip.top(); y <= clip.bottom(); ++y) {
        const auto& span = spans[static_cast<std::size_t>(y - clip.top())];
        const std::int64_t ur = m.u0 + m.dudy * y, vr = m.v0 + m.dvdy * y;
        auto within = [&](int x, std::int64_t lo, std::int64_t hiU, std::int64_t hiV) {
            const std::int64_t iu = (ur + m.dudx * x) >> kShift, iv = (vr + m.dvdx * x) >> kShift;
            return iu >= lo && iu <= hiU && iv >= lo && iv <= hiV;
        };
        Row row{span.first, span.first, span.first, span.second};
        while (row.a0 < row.a1 && !within(row.a0, outerLo, outerHiU, outerHiV)) ++row.a0;
        while (row.a1 > row.a0 && !within(row.a1 - 1, outerLo, outerHiU, outerHiV)) --row.a1;
        row.i0 = row.a0;
        row.i1 = row.a1;
        while (row.i0 < row.i1 && !within(row.i0, innerLo, innerHiU, innerHiV)) ++row.i0;
        while (row.i1 > row.i0 && !within(row.i1 - 1, innerLo, innerHiU, innerHiV)) --row.i1;
        if (row.i0 == row.i1) row.i0 = row.i1 = row.a1;
        rows[static_cast<std::size_t>(y - clip.top())] = row;
        if (underImage != nullptr) {
            // What the picture may reach but does not, brought back to what lies under it.
            auto* line = destRow(y);
            const auto* under = underRow(y);
            std::copy(under + span.first, under + row.a0, line + span.first);
            std::copy(under + row.a1, under + span.second, line + row.a1);
        }
    }

    // Upright at the picture's own scale, with the smooth samples on pixel
    // centres, every destination pixel is one picture pixel as it stands.
    const bool oneForOne = m.dudx == kUnit && m.dvdx == 0 && m.dudy == 0 && m.dvdy == kUnit &&
                           (!turn.smooth || ((m.u0 | m.v0) & 0xff00) == 0);
    // Narrow strips, top to bottom: a turned row crosses the picture on a
    // slant, and a strip keeps what the smooth turn reads within the
    // processor's cache. The plain turn reads a pixel where smooth reads four,
    // and whole rows save the set-up of each strip.
    const int kStrip = turn.smooth ? 96 : clip.width();
    for (int left = clip.left(); left <= clip.right(); left += kStrip) {
        const int right = std::min(left + kStrip, clip.right() + 1);
        for (int y = clip.top(); y <= clip.bottom(); ++y) {
            const Row& row = rows[static_cast<std::size_t>(y - clip.top())];
            const int x0 = std::max(row.a0, left), x1 = std::min(row.a1, right);
            if (x0 >= x1) continue;
            auto* line = destRow(y);
            const auto* under = underImage ? underRow(y) : line;
            const std::int64_t ur = m.u0 + m.dudy * y, vr = m.v0 + m.dvdy * y;
            if (oneForOne) {
                putRun(line, under, x0, x1, base + (vr >> kShift) * stride + (ur >> kShift) + x0);
                continue;
            }
            if (!turn.smooth) {
                // Every pixel of the row's range samples the picture.
                std::int64_t u = ur + m.dudx * x0, v = vr + m.dvdx * x0;
                int x = x0;
#if defined(GYROCK_AVX2)
                if (hasAvx2()) x = plainEight(line, under, x, x1, u, v, m.dudx, m.dvdx, base, stride);
#endif
                for (; x < x1; ++x, u += m.dudx, v += m.dvdx) {
                    put(line, under, x, base[(v >> kShift) * stride + (u >> kShift)]);
                }
                continue;
            }
            auto smooth = [&](int from, int to, auto inside) {
                std::int64_t u = ur + m.dudx * from, v = vr + m.dvdx * from;
                int x = from;
#if defined(__SSE2__)
                if constexpr (decltype(inside)::value) {
#if defined(GYROCK_AVX2)
                    if (hasAvx2()) x = smoothEight(line, under, x, to, u, v, m.dudx, m.dvdx, base, stride);
#endif
                    FourSamples f = fourSamples(u, v, m.dudx, m.dvdx);
                    for (; x + 4 <= to; x += 4) {
                        const std::uint32_t* top[4];
                        for (auto& t : top) {
                            t = base + (v >> kShift) * stride + (u >> kShift);
                            u += m.dudx;
                            v += m.dvdx;
                        }
                        putFour(line, under, x, sampleFour(top, stride, f.u, f.v));
                        f.u = _mm_add_epi32(f.u, f.du4);
                        f.v = _mm_add_epi32(f.v, f.dv4);
                    }
                }
#endif
                for (; x < to; ++x, u += m.dudx, v += m.dvdx) {
                    const std::int64_t iu = u >> kShift, iv = v >> kShift;
                    if constexpr (!decltype(inside)::value) {
                        if (static_cast<std::uint64_t>(iu) >= limitU || static_cast<std::uint64_t>(iv) >= limitV) {
                            line[x] = under[x];
                            continue;
                        }
                    }
                    const auto fu = static_cast<std::uint32_t>((u >> (kShift - 8)) & 0xff);
                    const auto fv = static_cast<std::uint32_t>((v >> (kShift - 8)) & 0xff);
                    const std::uint32_t* top = base + iv * stride + iu;
                    put(line, under, x, sample(top, top + stride, fu, fv));
                }
            };
            const int i0 = std::clamp(row.i0, x0, x1), i1 = std::clamp(row.i1, x0, x1);
            smooth(x0, i0, std::false_type{});
            smooth(i0, i1, std::true_type{});
            smooth(i1, x1, std::false_type{});
        }
    }
}

QRect turnedArea(QRectF area, QSize pictureSize, const Turn& turn) {
    if (area.isEmpty()) return {};
    QTransform t;
    t.translate(turn.centre.x(), turn.centre.y());
    t.rotate(normalisedDegrees(turn.degrees));
    t.scale(turn.scale, turn.scale);
    t.translate(-pictureSize.width() / 2.0, -pictureSize.height() / 2.0);
    // The smooth edge reaches a picture pixel further; one more for rounding.
    const int margin = static_cast<int>(std::ceil(turn.scale)) + 1;
    return t.mapRect(area).toAlignedRect().adjusted(-margin, -margin, margin, margin);
}

}  // namespace gyrock::bitmapfx
