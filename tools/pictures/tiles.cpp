#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>

#include "art.h"

namespace xantu::tools {
namespace {

constexpr double kTau = 6.28318530717958647692;

// Draws `motif` once for each of the given lattice offsets, so that whatever
// crosses an edge of the periodic area comes back in on the other side.
void drawWrapped(QPainter& p, const std::vector<QPointF>& offsets, const std::function<void(QPainter&)>& motif) {
    for (const QPointF& o : offsets) {
        p.save();
        p.translate(o);
        motif(p);
        p.restore();
    }
}

std::vector<QPointF> cellOffsets() {
    std::vector<QPointF> o;
    for (int i = -1; i <= 1; ++i)
        for (int j = -1; j <= 1; ++j) o.emplace_back(i * kCellW, j * kCellH);
    return o;
}

// Fills every pixel from f(u, v), u and v in logical pixels.
void fillPixels(QImage& image, int scale, const std::function<QRgb(double, double)>& f) {
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) line[x] = f((x + 0.5) / scale, (y + 0.5) / scale);
    }
}

QRgb mix(QColor a, QColor b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return qRgb(static_cast<int>(std::lround(a.red() + (b.red() - a.red()) * t)),
                static_cast<int>(std::lround(a.green() + (b.green() - a.green()) * t)),
                static_cast<int>(std::lround(a.blue() + (b.blue() - a.blue()) * t)));
}

// A tile one column wider than the periodic cell: the extra column repeats
// the first, as the neighbouring tile begins.
QImage widen(const QImage& cell, int scale) {
    QImage tile = blankImage(kTileW, kTileH, scale, Qt::black);
    QPainter p(&tile);
    p.drawImage(0, 0, cell);
    p.drawImage(cell.width(), 0, cell, 0, 0, scale, cell.height());
    return tile;
}

// ---- ペカナ: three tiles of one pattern -------------------------------------
// The tiling puts tile (column + row) mod 3 on every cell, so the three tiles
// are three thirds of one strip 99 pixels wide that repeats along (99, 0) and
// along (-33, 41). Everything below is periodic on that lattice.

constexpr double kStripW = 3.0 * kCellW;

std::vector<QPointF> stripOffsets() {
    std::vector<QPointF> o;
    for (int i = -1; i <= 1; ++i)
        for (int j = -1; j <= 1; ++j) o.emplace_back(i * kStripW - j * kCellW, j * kCellH);
    return o;
}

QImage drawPekanaStrip(int scale) {
    QImage strip = blankImage(3 * kCellW, kCellH, scale, Qt::black);
    // Soft bands running along the diagonals on which the motifs line up.
    const QColor deep(16, 92, 44), light(34, 124, 62);
    fillPixels(strip, scale, [&](double u, double v) {
        const double band = 0.5 + 0.5 * std::cos(kTau * (u / kStripW + v / (3.0 * kCellH)));
        const double fine = 0.5 + 0.5 * std::cos(kTau * 3 * (u / kStripW + v / (3.0 * kCellH)));
        return mix(deep, light, 0.75 * band + 0.25 * fine);
    });

    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    const char* kanji[3] = {"歩", "桂", "金"};
    QFont font(minchoFamily());
    font.setPixelSize(40);
    for (int k = 0; k < 3; ++k) {
        drawWrapped(p, stripOffsets(), [&](QPainter& q) {
            // A small piece, slightly tilted, as on a printed cloth.
            q.translate(k * kCellW + kCellW / 2.0, kCellH / 2.0 + 1);
            q.rotate(-12);
            const double w = 19, h = 24;
            const QPolygonF body({QPointF(0, -h / 2), QPointF(0.41 * w, -h / 2 + 0.22 * h), QPointF(0.5 * w, h / 2),
                                  QPointF(-0.5 * w, h / 2), QPointF(-0.41 * w, -h / 2 + 0.22 * h)});
            q.setPen(QPen(QColor(12, 74, 34), 0.8));
            q.setBrush(QColor(48, 140, 76));
            q.drawPolygon(body);
            QPainterPath glyph;
            glyph.addText(0, 0, font, QString::fromUtf8(kanji[k]));
            const QRectF g = glyph.boundingRect();
            const double s = 11.5 / std::max(g.width(), g.height());
            QTransform t;
            t.translate(0, 2.2);
            t.scale(s, s);
            t.translate(-g.center().x(), -g.center().y());
            q.setPen(Qt::NoPen);
            q.setBrush(QColor(14, 78, 38));
            q.drawPath(t.map(glyph));
        });
    }
    // Tiny light crosses between the pieces, on the same lattice.
    drawWrapped(p, stripOffsets(), [&](QPainter& q) {
        q.setPen(QPen(QColor(120, 196, 130, 150), 0.8, Qt::SolidLine, Qt::RoundCap));
        for (int k = 0; k < 3; ++k) {
            const QPointF c(k * kCellW + 1.5, 3.0);
            q.drawLine(c + QPointF(-1.6, 0), c + QPointF(1.6, 0));
            q.drawLine(c + QPointF(0, -1.6), c + QPointF(0, 1.6));
        }
    });
    return strip;
}

QImage pekanaTile(int index, int scale) {
    const QImage strip = drawPekanaStrip(scale);
    QImage tile = blankImage(kTileW, kTileH, scale, Qt::black);
    QPainter p(&tile);
    p.drawImage(0, 0, strip, index * kCellW * scale, 0, kCellW * scale, kCellH * scale);
    // The extra column is where the next tile of the row begins.
    p.drawImage(kCellW * scale, 0, strip, ((index + 1) % 3) * kCellW * scale, 0, scale, kCellH * scale);
    return tile;
}

// ---- 畳 ---------------------------------------------------------------------

QImage tatamiCell(int scale) {
    QImage cell = blankImage(kCellW, kCellH, scale, Qt::black);
    // Rush straws three pixels wide, each of a slightly different shade that
    // wanders along its length, bound by two faint warp threads.
    static constexpr int kShade[11] = {0, 5, -3, 2, -6, 4, -1, 6, -4, 1, -2};
    fillPixels(cell, scale, [&](double u, double v) {
        const int straw = static_cast<int>(u / 3.0) % 11;
        const double across = std::fmod(u, 3.0) / 3.0;  // 0..1 within the straw
        int light = across < 0.34 ? 12 : (across < 0.8 ? 0 : -20);
        light += kShade[straw] + static_cast<int>(std::lround(4 * std::sin(kTau * v / kCellH + straw * 1.7)));
        for (double warp : {10.0, 30.5})
            if (std::fabs(v - warp) < 0.6) light -= 16;
        return qRgb(std::clamp(182 + light, 0, 255), std::clamp(182 + light, 0, 255),
                    std::clamp(106 + light / 2, 0, 255));
    });
    return cell;
}

// ---- 竹 ---------------------------------------------------------------------

QImage takeCell(int scale) {
    QImage cell = blankImage(kCellW, kCellH, scale, Qt::black);
    const QColor misty(182, 204, 160), shade(150, 178, 128);
    fillPixels(cell, scale,
               [&](double u, double) { return mix(misty, shade, 0.5 + 0.5 * std::cos(kTau * u / kCellW)); });
    QPainter p(&cell);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    drawWrapped(p, cellOffsets(), [](QPainter& q) {
        // A thin twig from the node with narrow leaves hanging from it, in
        // the gap between the stalks.
        q.setPen(QPen(QColor(96, 122, 56), 0.6));
        q.drawLine(QPointF(16, 11.5), QPointF(3, 15.5));
        q.setPen(Qt::NoPen);
        struct Leaf {
            double x, y, angle, length, shade;
        };
        const Leaf leaves[] = {
            {12.5, 12.6, 18, 12, 0}, {8, 14, 38, 13, 1}, {3.5, 15.4, 62, 11, 0}, {6, 14.6, 8, 10, 1}};
        for (const Leaf& l : leaves) {
            q.save();
            q.translate(l.x, l.y);
            q.rotate(l.angle);
            QPainterPath leaf;
            leaf.moveTo(0, 0);
            leaf.cubicTo(2.5, 0.25 * l.length, 2.0, 0.7 * l.length, 0, l.length);
            leaf.cubicTo(-1.6, 0.7 * l.length, -1.8, 0.25 * l.length, 0, 0);
            q.setBrush(l.shade > 0 ? QColor(70, 124, 56) : QColor(52, 104, 44));
            q.drawPath(leaf);
            q.restore();
        }
        // The stalk: a round green cane lit from the left.
        const double left = 16, right = 28;
        QLinearGradient cane(left, 0, right, 0);
        cane.setColorAt(0.0, QColor(86, 136, 46));
        cane.setColorAt(0.3, QColor(156, 200, 88));
        cane.setColorAt(0.75, QColor(96, 148, 52));
        cane.setColorAt(1.0, QColor(58, 98, 34));
        q.setBrush(cane);
        q.drawRect(QRectF(left, -1, right - left, kCellH + 2));
        // The node: a dark ring with a pale band under it.
        q.setBrush(QColor(52, 84, 30));
        q.drawRoundedRect(QRectF(left - 0.6, 10.2, right - left + 1.2, 1.6), 0.8, 0.8);
        q.setBrush(QColor(196, 222, 150, 160));
        q.drawRect(QRectF(left, 11.8, right - left, 1.0));
    });
    return cell;
}

// ---- 宇宙 -------------------------------------------------------------------

QImage uchuCell(int scale) {
    QImage cell = blankImage(kCellW, kCellH, scale, Qt::black);
    const QColor night(6, 8, 28), dusk(16, 12, 44);
    fillPixels(cell, scale, [&](double u, double v) {
        const double glow = 0.5 + 0.5 * std::sin(kTau * (u / kCellW + 2 * v / kCellH));
        return mix(night, dusk, 0.35 * glow);
    });
    QPainter p(&cell);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    struct Star {
        double x, y, r;
        QColor colour;
    };
    const Star stars[] = {
        {4.5, 6.0, 0.55, QColor(255, 255, 255)},  {21.0, 3.5, 0.4, QColor(200, 210, 255)},
        {28.5, 15.0, 0.5, QColor(255, 240, 200)}, {11.0, 19.5, 0.35, QColor(220, 220, 255)},
        {6.0, 31.0, 0.45, QColor(255, 220, 200)}, {25.0, 35.5, 0.35, QColor(255, 255, 255)},
        {16.5, 27.0, 0.3, QColor(180, 200, 255)}, {31.5, 25.5, 0.3, QColor(255, 255, 255)},
    };
    drawWrapped(p, cellOffsets(), [&](QPainter& q) {
        q.setPen(Qt::NoPen);
        for (const Star& s : stars) {
            QRadialGradient halo(QPointF(s.x, s.y), s.r * 3.2);
            QColor c = s.colour;
            halo.setColorAt(0.0, c);
            c.setAlpha(0);
            halo.setColorAt(1.0, c);
            q.setBrush(halo);
            q.drawEllipse(QPointF(s.x, s.y), s.r * 3.2, s.r * 3.2);
        }
        // One bright star with a glint.
        const QPointF b(19.0, 12.5);
        q.setPen(QPen(QColor(230, 236, 255, 170), 0.45, Qt::SolidLine, Qt::RoundCap));
        q.drawLine(b + QPointF(-3.5, 0), b + QPointF(3.5, 0));
        q.drawLine(b + QPointF(0, -3.5), b + QPointF(0, 3.5));
        q.setPen(Qt::NoPen);
        QRadialGradient core(b, 2.2);
        core.setColorAt(0.0, QColor(255, 255, 255));
        core.setColorAt(0.35, QColor(220, 230, 255, 200));
        core.setColorAt(1.0, QColor(160, 180, 255, 0));
        q.setBrush(core);
        q.drawEllipse(b, 2.2, 2.2);
    });
    return cell;
}

// ---- 煉瓦 -------------------------------------------------------------------

QImage rengaCell(int scale) {
    QImage cell = blankImage(kCellW, kCellH, scale, QColor(178, 170, 156));  // mortar
    QPainter p(&cell);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    // Four courses, the joints of alternate courses half a brick apart.
    const double rows[5] = {0, 10, 20.5, 30.5, 41};
    const QColor shades[8] = {QColor(164, 66, 42), QColor(150, 58, 38), QColor(174, 78, 50), QColor(142, 54, 36),
                              QColor(160, 70, 46), QColor(170, 62, 40), QColor(148, 64, 44), QColor(166, 74, 46)};
    drawWrapped(p, cellOffsets(), [&](QPainter& q) {
        int n = 0;
        for (int c = 0; c < 4; ++c) {
            const double offset = (c % 2) ? kCellW / 2.0 : 0.0;
            for (int b = -1; b <= 0; ++b) {
                const QRectF brick(offset + b * kCellW + 0.8, rows[c] + 0.8, kCellW - 1.6, rows[c + 1] - rows[c] - 1.6);
                QLinearGradient face(brick.topLeft(), brick.bottomRight());
                const QColor base = shades[(n++) % 8];
                face.setColorAt(0.0, base.lighter(112));
                face.setColorAt(1.0, base.darker(112));
                q.setPen(Qt::NoPen);
                q.setBrush(face);
                q.drawRoundedRect(brick, 0.8, 0.8);
                // Lit top edge, shaded bottom edge.
                q.setPen(QPen(QColor(222, 140, 110, 120), 0.6));
                q.drawLine(brick.topLeft() + QPointF(0.6, 0.3), brick.topRight() + QPointF(-0.6, 0.3));
                q.setPen(QPen(QColor(70, 26, 16, 110), 0.6));
                q.drawLine(brick.bottomLeft() + QPointF(0.6, -0.3), brick.bottomRight() + QPointF(-0.6, -0.3));
            }
        }
    });
    return cell;
}

}  // namespace

std::vector<TileSpec> tileSpecs() {
    return {{Tile::Hu, "HAIKEI_HU"},         {Tile::Kei, "HAIKEI_KEI"},   {Tile::Ki, "HAIKEI_KI"},
            {Tile::Tatami, "HAIKEI_TATAMI"}, {Tile::Take, "HAIKEI_TAKE"}, {Tile::Uchu, "HAIKEI_UCHU"},
            {Tile::Renga, "HAIKEI_RENGA"}};
}

QImage drawTile(Tile tile, int scale) {
    switch (tile) {
    case Tile::Hu: return pekanaTile(0, scale);
    case Tile::Kei: return pekanaTile(1, scale);
    case Tile::Ki: return pekanaTile(2, scale);
    case Tile::Tatami: return widen(tatamiCell(scale), scale);
    case Tile::Take: return widen(takeCell(scale), scale);
    case Tile::Uchu: return widen(uchuCell(scale), scale);
    case Tile::Renga: return widen(rengaCell(scale), scale);
    }
    return {};
}

}  // namespace xantu::tools
