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
#include <type_traits>
#include <utility>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "render/bitmapfx.h"

namespace gyrock::bitmapfx {
namespace {

constexpr int kShift = 16;
constexpr double kOne = 1 << kShift;

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
void narrow(double value0, double slope, double lo, double hi, int& x0, int& x1) {
    if (std::abs(slope) < 1e-12) {
        if (value0 < lo - 1 || value0 > hi + 1) x1 = x0;
        return;
    }
    double a = (lo - value0) / slope, b = (hi - value0) / slope;
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
    for (int y = clip.top(); y <= clip.bottom(); ++y) {
        int x0 = clip.left(), x1 = clip.right() + 1;
        narrow(m.cu + (m.dudy / kOne) * y, m.su, lo, picture.width() + 1.0, x0, x1);
        narrow(m.cv + (m.dvdy / kOne) * y, m.sv, lo, picture.height() + 1.0, x0, x1);
        spans[static_cast<std::size_t>(y - clip.top())] = {x0, std::max(x0, x1)};
    }
}

void turnInto(QImage& dest, QRect clip, const QImage& framed, const Turn& turn) {
    if (framed.format() != QImage::Format_ARGB32_Premultiplied || framed.width() < 3 || framed.height() < 3) return;
    if (dest.depth() != 32) return;
    clip = clip.intersected(dest.rect());
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

    // Where each row meets the picture, worked out once, exactly: [a0, a1)
    // samples the picture with its border, [i0, i1) inside it only.
    struct Row {
        int a0, i0, i1, a1;
    };
    thread_local std::vector<std::pair<int, int>> spans;
    thread_local std::vector<Row> rows;
    turnedSpans(picture, turn, clip, spans);
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
    }

    // Narrow strips, top to bottom: a turned row crosses the picture on a
    // slant, and a strip keeps what it reads within the processor's cache.
    constexpr int kStrip = 48;
    for (int left = clip.left(); left <= clip.right(); left += kStrip) {
        const int right = std::min(left + kStrip, clip.right() + 1);
        for (int y = clip.top(); y <= clip.bottom(); ++y) {
            const Row& row = rows[static_cast<std::size_t>(y - clip.top())];
            const int x0 = std::max(row.a0, left), x1 = std::min(row.a1, right);
            if (x0 >= x1) continue;
            auto* line = reinterpret_cast<std::uint32_t*>(dest.scanLine(y));
            const std::int64_t ur = m.u0 + m.dudy * y, vr = m.v0 + m.dvdy * y;
            if (!turn.smooth) {
                // Every pixel of the row's range samples the picture.
                std::int64_t u = ur + m.dudx * x0, v = vr + m.dvdx * x0;
                for (int x = x0; x < x1; ++x, u += m.dudx, v += m.dvdx) {
                    over(line[x], base[(v >> kShift) * stride + (u >> kShift)]);
                }
                continue;
            }
            auto smooth = [&](int from, int to, auto inside) {
                std::int64_t u = ur + m.dudx * from, v = vr + m.dvdx * from;
                for (int x = from; x < to; ++x, u += m.dudx, v += m.dvdx) {
                    const std::int64_t iu = u >> kShift, iv = v >> kShift;
                    if constexpr (!decltype(inside)::value) {
                        if (static_cast<std::uint64_t>(iu) >= limitU || static_cast<std::uint64_t>(iv) >= limitV) {
                            continue;
                        }
                    }
                    const auto fu = static_cast<std::uint32_t>((u >> (kShift - 8)) & 0xff);
                    const auto fv = static_cast<std::uint32_t>((v >> (kShift - 8)) & 0xff);
                    const std::uint32_t* top = base + iv * stride + iu;
                    over(line[x], sample(top, top + stride, fu, fv));
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
