// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Gyrock developers
// The window background: a dark nebula with a star field, quiet where the
// board turns, and the game's name lettered in the free lower right corner.

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "noise.h"
#include "pictures.h"

namespace pictures {
namespace {

constexpr int kWidth = 622, kHeight = 485;
// The board turns about this point and never leaves this radius.
constexpr double kBoardX = 240, kBoardY = 240, kBoardRadius = 224;

// How much of the sky shows at (x, y): little where the board turns.
double openness(double x, double y) {
    const double r = std::hypot(x - kBoardX, y - kBoardY);
    return 0.28 + 0.72 * smoothstep(kBoardRadius - 60, kBoardRadius + 50, r);
}

void paintSky(QImage& image, int detail) {
    for (int py = 0; py < image.height(); ++py) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        const double y = windowPosition(py, detail);
        for (int px = 0; px < image.width(); ++px) {
            const double x = windowPosition(px, detail);
            const double v = y / double(kHeight);
            // Deep indigo at the top falling to near black.
            double r = 9 - 5 * v, g = 10 - 5 * v, b = 26 - 16 * v;
            const double open = openness(x, y);
            const double cloud = fractalNoise(x / 150.0, y / 150.0, 5, 7);
            const double wisp = fractalNoise(x / 60.0 + 11, y / 60.0 - 3, 4, 19);
            const double teal = std::pow(smoothstep(0.42, 0.82, cloud), 1.5) * open;
            const double violet = std::pow(smoothstep(0.45, 0.85, wisp), 2.0) * open *
                                  (0.4 + 0.6 * smoothstep(0.3, 0.7, 1 - cloud));
            r += 10 * teal + 52 * violet;
            g += 62 * teal + 14 * violet;
            b += 70 * teal + 74 * violet;
            line[px] = qRgb(std::clamp(int(r), 0, 255), std::clamp(int(g), 0, 255),
                            std::clamp(int(b), 0, 255));
        }
    }
}

void addLight(QImage& image, int x, int y, double amount, QColor tint) {
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height() || amount <= 0) return;
    const QRgb old = image.pixel(x, y);
    auto add = [amount](int base, int t) {
        return std::min(255, base + int(std::lround(t * amount)));
    };
    image.setPixel(x, y,
                   qRgb(add(qRed(old), tint.red()), add(qGreen(old), tint.green()),
                        add(qBlue(old), tint.blue())));
}

// Light added to window pixel (cx + dx, cy + dy) of a star centred on window
// pixel (cx, cy), in each of its detail x detail picture pixels: how much
// depends on where that picture pixel lies (exactly the window offset at 1).
template <typename Amount>
void lightAround(QImage& image, int cx, int cy, int dx, int dy, int detail, QColor tint,
                 Amount amount) {
    for (int sy = 0; sy < detail; ++sy) {
        for (int sx = 0; sx < detail; ++sx) {
            const int px = (cx + dx) * detail + sx, py = (cy + dy) * detail + sy;
            const double ox = windowPosition(px, detail) - cx, oy = windowPosition(py, detail) - cy;
            addLight(image, px, py, amount(ox, oy), tint);
        }
    }
}

void paintStars(QImage& image, int detail) {
    Prng rng(0x5eed5);
    const QColor tints[] = {QColor(255, 255, 255), QColor(200, 225, 255), QColor(255, 236, 210),
                            QColor(190, 255, 250)};
    for (int i = 0; i < 900; ++i) {
        const double x = rng.between(0, kWidth), y = rng.between(0, kHeight);
        const double size = std::pow(rng.uniform(), 6.0);  // most stars are faint specks
        const QColor tint = tints[rng.range(0, 3)];
        const double bright = (0.15 + 0.85 * size) * (0.35 + 0.65 * openness(x, y));
        const int cx = int(x), cy = int(y);
        lightAround(image, cx, cy, 0, 0, detail, tint, [&](double, double) { return bright; });
        if (size > 0.25) {
            // Larger stars get a soft halo and, the brightest, a small cross.
            for (int dy = -2; dy <= 2; ++dy) {
                for (int dx = -2; dx <= 2; ++dx) {
                    if (dx == 0 && dy == 0) continue;
                    lightAround(image, cx, cy, dx, dy, detail, tint, [&](double ox, double oy) {
                        return bright * std::exp(-(ox * ox + oy * oy) / 1.6) * 0.8;
                    });
                }
            }
        }
        if (size > 0.85) {
            auto arm = [&](double ox, double oy) {
                return bright * 0.5 * (1 - (std::abs(ox) + std::abs(oy) - 2) / 5.0);
            };
            for (int k = 3; k <= 6; ++k) {
                lightAround(image, cx, cy, k, 0, detail, tint, arm);
                lightAround(image, cx, cy, -k, 0, detail, tint, arm);
                lightAround(image, cx, cy, 0, k, detail, tint, arm);
                lightAround(image, cx, cy, 0, -k, detail, tint, arm);
            }
        }
    }
}

// A separable box blur, three passes, which is close to a Gaussian.
void blurAlpha(std::vector<double>& a, int w, int h, int radius) {
    std::vector<double> tmp(a.size());
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                double s = 0;
                for (int k = -radius; k <= radius; ++k) s += a[y * w + std::clamp(x + k, 0, w - 1)];
                tmp[y * w + x] = s / (2 * radius + 1);
            }
        }
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                double s = 0;
                for (int k = -radius; k <= radius; ++k)
                    s += tmp[std::clamp(y + k, 0, h - 1) * w + x];
                a[y * w + x] = s / (2 * radius + 1);
            }
        }
    }
}

QPainterPath titlePath() {
    QFont font("Liberation Sans");
    font.setBold(true);
    font.setPixelSize(35);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    QPainterPath path;
    path.addText(0, 0, font, "GYROCK");
    // Centre the name in the free corner below the panels.
    const QRectF box = path.boundingRect();
    path.translate(521 - box.center().x(), 414 - box.center().y());
    return path;
}

void paintTitle(QImage& image, int detail) {
    const QPainterPath path = titlePath();
    const int w = image.width(), h = image.height();

    // The glow: the letters' coverage, blurred, added as teal light.
    QImage mask(w, h, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter p(&mask);
        if (detail != 1) p.scale(detail, detail);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::white, 3));
        p.setBrush(Qt::white);
        p.drawPath(path);
    }
    std::vector<double> alpha(std::size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) alpha[y * w + x] = qAlpha(mask.pixel(x, y)) / 255.0;
    }
    std::vector<double> wide = alpha;
    blurAlpha(wide, w, h, 7 * detail);
    blurAlpha(alpha, w, h, 2 * detail);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double glow = 0.9 * wide[y * w + x] + 0.5 * alpha[y * w + x];
            addLight(image, x, y, glow, QColor(30, 190, 200));
        }
    }

    // The letters: a cool metal gradient with a thin dark rim to sharpen them.
    QPainter p(&image);
    if (detail != 1) p.scale(detail, detail);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = path.boundingRect();
    QLinearGradient metal(0, box.top(), 0, box.bottom());
    metal.setColorAt(0.0, QColor(245, 255, 255));
    metal.setColorAt(0.48, QColor(170, 240, 245));
    metal.setColorAt(0.52, QColor(70, 190, 200));
    metal.setColorAt(1.0, QColor(150, 235, 240));
    p.setPen(QPen(QColor(4, 40, 48), 1.2));
    p.setBrush(metal);
    p.drawPath(path);

    // A fine rule under the name, fading out at both ends.
    QLinearGradient rule(box.left(), 0, box.right(), 0);
    rule.setColorAt(0.0, QColor(60, 200, 210, 0));
    rule.setColorAt(0.5, QColor(120, 235, 240, 220));
    rule.setColorAt(1.0, QColor(60, 200, 210, 0));
    p.fillRect(QRectF(box.left() - 6, box.bottom() + 9, box.width() + 12, 1.5), rule);
}

}  // namespace

QImage drawBackground(int detail) {
    QImage image(kWidth * detail, kHeight * detail, QImage::Format_RGB32);
    paintSky(image, detail);
    paintStars(image, detail);
    paintTitle(image, detail);
    return image;
}

}  // namespace pictures
