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

void paintSky(QImage& image) {
    for (int y = 0; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
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
            line[x] = qRgb(std::clamp(int(r), 0, 255), std::clamp(int(g), 0, 255),
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
    image.setPixel(x, y, qRgb(add(qRed(old), tint.red()), add(qGreen(old), tint.green()),
                              add(qBlue(old), tint.blue())));
}

void paintStars(QImage& image) {
    Prng rng(0x5eed5);
    const QColor tints[] = {QColor(255, 255, 255), QColor(200, 225, 255), QColor(255, 236, 210),
                            QColor(190, 255, 250)};
    for (int i = 0; i < 900; ++i) {
        const double x = rng.between(0, kWidth), y = rng.between(0, kHeight);
        const double size = std::pow(rng.uniform(), 6.0);  // most stars are faint specks
        const QColor tint = tints[rng.range(0, 3)];
        const double bright = (0.15 + 0.85 * size) * (0.35 + 0.65 * openness(x, y));
        const int cx = int(x), cy = int(y);
        addLight(image, cx, cy, bright, tint);
        if (size > 0.25) {
            // Larger stars get a soft halo and, the brightest, a small cross.
            for (int dy = -2; dy <= 2; ++dy) {
                for (int dx = -2; dx <= 2; ++dx) {
                    if (dx == 0 && dy == 0) continue;
                    const double fall = std::exp(-(dx * dx + dy * dy) / 1.6);
                    addLight(image, cx + dx, cy + dy, bright * fall * 0.8, tint);
                }
            }
        }
        if (size > 0.85) {
            for (int k = 3; k <= 6; ++k) {
                const double arm = bright * 0.5 * (1 - (k - 2) / 5.0);
                addLight(image, cx + k, cy, arm, tint);
                addLight(image, cx - k, cy, arm, tint);
                addLight(image, cx, cy + k, arm, tint);
                addLight(image, cx, cy - k, arm, tint);
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
                for (int k = -radius; k <= radius; ++k) s += tmp[std::clamp(y + k, 0, h - 1) * w + x];
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

void paintTitle(QImage& image) {
    const QPainterPath path = titlePath();

    // The glow: the letters' coverage, blurred, added as teal light.
    QImage mask(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::white, 3));
        p.setBrush(Qt::white);
        p.drawPath(path);
    }
    std::vector<double> alpha(std::size_t(kWidth) * kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) alpha[y * kWidth + x] = qAlpha(mask.pixel(x, y)) / 255.0;
    }
    std::vector<double> wide = alpha;
    blurAlpha(wide, kWidth, kHeight, 7);
    blurAlpha(alpha, kWidth, kHeight, 2);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const double glow = 0.9 * wide[y * kWidth + x] + 0.5 * alpha[y * kWidth + x];
            addLight(image, x, y, glow, QColor(30, 190, 200));
        }
    }

    // The letters: a cool metal gradient with a thin dark rim to sharpen them.
    QPainter p(&image);
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

QImage drawBackground() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    paintSky(image);
    paintStars(image);
    paintTitle(image);
    return image;
}

}  // namespace pictures
