// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
#include "render/pixels/turn.h"

#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "render/pixels/pixel.h"

namespace gyrock::render::pixels {
namespace {

constexpr std::int64_t kUnit = std::int64_t{1} << kShift;
constexpr double kOne = kUnit;

// Picture coordinates of destination pixel (x, y) are u = u0 + x du/dx + y du/dy
// (likewise v), in fixed point. The constants are rounded once per drawing.
struct Mapping {
    std::int64_t u0, dudx, dudy, v0, dvdx, dvdy;
    double cu, su, cv, sv;  // the same in floating point, for the row bounds
};

Mapping mapping(QSize picture, const Turn& turn) {
    // Plain takes the pixel under the sample point; smooth samples between
    // pixel centres and reaches one pixel into the transparent border.
    const double shift = turn.smooth ? 0.5 : 1.0;
    const double radians = normalisedDegrees(turn.degrees) * M_PI / 180.0;
    const double k = turn.scale > 0 ? 1.0 / turn.scale : 1.0;
    const double c = std::cos(radians) * k, s = std::sin(radians) * k;
    // Inverse of a clockwise turn about the centre: from the screen back into the picture.
    const double ox = 0.5 - turn.centre.x(), oy = 0.5 - turn.centre.y();
    const double u0 = c * ox + s * oy + picture.width() / 2.0 + shift;
    const double v0 = -s * ox + c * oy + picture.height() / 2.0 + shift;
    return {std::llround(u0 * kOne),
            std::llround(c * kOne),
            std::llround(s * kOne),
            std::llround(v0 * kOne),
            std::llround(-s * kOne),
            std::llround(c * kOne),
            u0,
            c,
            v0,
            -s};
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

// Where a row meets the picture, exactly: [a0, a1) samples the framed
// picture, [i0, i1) only blocks that lie inside it, which the kernels draw
// without a test per pixel. A row that misses the picture is empty at a1.
struct Row {
    int a0, i0, i1, a1;
};

Row rowBounds(const Mapping& m, int y, std::pair<int, int> span, QSize picture, bool smooth) {
    const std::int64_t ur = m.u0 + m.dudy * y, vr = m.v0 + m.dvdy * y;
    // Whether x samples at indexes lo..hi of the framed picture.
    auto within = [&](int x, std::int64_t lo, std::int64_t hiU, std::int64_t hiV) {
        const std::int64_t iu = (ur + m.dudx * x) >> kShift, iv = (vr + m.dvdx * x) >> kShift;
        return iu >= lo && iu <= hiU && iv >= lo && iv <= hiV;
    };
    // Plain reads 1..w (the picture); smooth reads a block from 0..w (its
    // border included), inside the picture from 1..w - 1.
    const std::int64_t w = picture.width(), h = picture.height(), inset = smooth ? 1 : 0;
    const std::int64_t lo = smooth ? 0 : 1;
    Row row{span.first, span.first, span.first, span.second};
    while (row.a0 < row.a1 && !within(row.a0, lo, w, h)) ++row.a0;
    while (row.a1 > row.a0 && !within(row.a1 - 1, lo, w, h)) --row.a1;
    row.i0 = row.a0;
    row.i1 = row.a1;
    while (row.i0 < row.i1 && !within(row.i0, 1, w - inset, h - inset)) ++row.i0;
    while (row.i1 > row.i0 && !within(row.i1 - 1, 1, w - inset, h - inset)) --row.i1;
    if (row.i0 == row.i1) row.i0 = row.i1 = row.a1;
    return row;
}

// Upright at the picture's own scale, with smooth samples on pixel centres:
// every destination pixel is one picture pixel as it stands.
bool oneForOne(const Mapping& m, bool smooth) {
    return m.dudx == kUnit && m.dvdx == 0 && m.dudy == 0 && m.dvdy == kUnit &&
           (!smooth || ((m.u0 | m.v0) & 0xff00) == 0);
}

}  // namespace

QImage framedPicture(QSize pictureSize) {
    QImage framed(pictureSize + QSize(2, 2), QImage::Format_ARGB32_Premultiplied);
    framed.fill(Qt::transparent);
    return framed;
}

void turnedSpans(QSize picture, const Turn& turn, QRect clip, Spans& spans) {
    spans.assign(static_cast<std::size_t>(std::max(clip.height(), 0)), {0, 0});
    if (clip.isEmpty()) return;
    const Mapping m = mapping(picture, turn);
    const double lo = turn.smooth ? 0.0 : 1.0;
    const double inverseU = m.su != 0 ? 1 / m.su : 0, inverseV = m.sv != 0 ? 1 / m.sv : 0;
    for (int y = clip.top(); y <= clip.bottom(); ++y) {
        int x0 = clip.left(), x1 = clip.right() + 1;
        narrow(m.cu + (m.dudy / kOne) * y, m.su, inverseU, lo, picture.width() + 1.0, x0, x1);
        narrow(m.cv + (m.dvdy / kOne) * y, m.sv, inverseV, lo, picture.height() + 1.0, x0, x1);
        spans[static_cast<std::size_t>(y - clip.top())] = {x0, std::max(x0, x1)};
    }
}

void turnInto(QImage& dest, QRect clip, const QImage& framed, const Turn& turn, const QImage* under,
              const Spans* knownSpans, Path path) {
    if (framed.format() != QImage::Format_ARGB32_Premultiplied || framed.width() < 3 ||
        framed.height() < 3 || dest.depth() != 32 || (under != nullptr && under->depth() != 32)) {
        return;
    }
    const QRect asked = clip;
    clip =
        clip.intersected(dest.rect()).intersected(under != nullptr ? under->rect() : dest.rect());
    if (clip.isEmpty()) return;
    const QSize picture = unframedSize(framed);
    const Mapping m = mapping(picture, turn);
    thread_local Spans ownSpans;
    const bool known = knownSpans != nullptr && clip == asked &&
                       knownSpans->size() == static_cast<std::size_t>(clip.height());
    if (!known) turnedSpans(picture, turn, clip, ownSpans);
    const Spans& spans = known ? *knownSpans : ownSpans;
    // Row addresses from the bits taken once: scanLine() would check for a
    // shared copy on every row.
    uchar* const destBits = dest.bits();
    const qsizetype destLine = dest.bytesPerLine();
    const uchar* const underBits = under != nullptr ? under->constBits() : destBits;
    const qsizetype underLine = under != nullptr ? under->bytesPerLine() : destLine;
    const Stretch common{nullptr,
                         nullptr,
                         0,
                         0,
                         0,
                         0,
                         m.dudx,
                         m.dvdx,
                         reinterpret_cast<const std::uint32_t*>(framed.constBits()),
                         framed.bytesPerLine() / 4,
                         framed.width(),
                         framed.height()};
    // The kernel takes all rows in one call; the ends of each go one by one.
    thread_local std::vector<Stretch> inside;
    inside.clear();
    for (int y = clip.top(); y <= clip.bottom(); ++y) {
        const auto& span = spans[static_cast<std::size_t>(y - clip.top())];
        const Row row = rowBounds(m, y, span, picture, turn.smooth);
        auto at = [&](int from, int to) {
            Stretch s = common;
            s.line = reinterpret_cast<std::uint32_t*>(destBits + y * destLine);
            s.under = reinterpret_cast<const std::uint32_t*>(underBits + y * underLine);
            s.x0 = from;
            s.x1 = to;
            s.u = m.u0 + m.dudy * y + m.dudx * from;
            s.v = m.v0 + m.dvdy * y + m.dvdx * from;
            return s;
        };
        const Stretch s = at(span.first, span.second);
        // What the picture may reach but does not, brought back to what lies under it.
        if (under != nullptr) {
            std::copy(s.under + span.first, s.under + row.a0, s.line + span.first);
            std::copy(s.under + row.a1, s.under + span.second, s.line + row.a1);
        }
        if (oneForOne(m, turn.smooth)) {
            uprightRun(at(row.a0, row.a1));
        } else if (!turn.smooth) {
            inside.push_back(at(row.a0, row.a1));
        } else {
            smoothFringe(at(row.a0, row.i0));
            inside.push_back(at(row.i0, row.i1));
            smoothFringe(at(row.i1, row.a1));
        }
    }
    const Kernels kernels = kernelsFor(path);
    (turn.smooth ? kernels.smooth : kernels.plain)(inside);
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

// One angle, one transform: 300 and -60 (or 360 and 0) must land on the very
// same pixels, so the angle is brought into [0, 360) before anyone draws it.
double normalisedDegrees(double degrees) {
    if (!std::isfinite(degrees)) return 0;
    double a = std::fmod(degrees, 360.0);
    if (a < 0) a += 360.0;
    if (a >= 360.0) a = 0;  // -1e-17 + 360 rounds up to 360
    return a;
}

}  // namespace gyrock::render::pixels
