#include <QFontDatabase>
#include <QPainter>

#include <cmath>

#include "art.h"

namespace xantu::tools {

QImage blankImage(int w, int h, int scale, QColor fill) {
    QImage image(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill.isValid() ? fill : QColor(Qt::transparent));
    return image;
}

void paintSquare(QImage& image, int scale) {
    // Kaya wood: a warm yellow with faint, slightly wavy vertical grain.
    const int w = image.width(), h = image.height();
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double u = (x + 0.5) / scale, v = (y + 0.5) / scale;
            const double wave = u + 0.6 * std::sin(v * 0.21);
            const double grain = 0.55 * std::sin(wave * 1.9) + 0.45 * std::sin(wave * 0.77 + 1.3);
            const int shade = static_cast<int>(std::lround(3.5 * grain));
            line[x] = qRgb(228 + shade, 186 + shade, 110 + shade);
        }
    }
}

QString minchoFamily() {
    static const QString family = [] {
        for (const QString& f : QFontDatabase::families())
            if (f == QStringLiteral("IPAMincho")) return f;
        qWarning("IPAMincho is not installed (fonts-ipafont-mincho); the characters will look wrong");
        return QStringLiteral("serif");
    }();
    return family;
}

}  // namespace xantu::tools
