#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

#include "art.h"

namespace xantu::tools {
namespace {

// Piece outline sizes by rank, pawn first: width and height in pixels.
constexpr double kWidth[6] = {24.0, 25.0, 26.0, 27.0, 28.0, 29.0};
constexpr double kHeight[6] = {31.5, 32.5, 33.0, 34.0, 35.0, 36.0};
constexpr double kBottom = kPieceBottom;

}  // namespace

double pieceWidth(int size) { return kWidth[size]; }
double pieceHeight(int size) { return kHeight[size]; }

QPolygonF pieceOutline(int size) {
    const double w = kWidth[size], h = kHeight[size], cx = kCellW / 2.0;
    const double top = kBottom - h;
    return QPolygonF({QPointF(cx, top), QPointF(cx + 0.41 * w, top + 0.22 * h), QPointF(cx + 0.5 * w, kBottom),
                      QPointF(cx - 0.5 * w, kBottom), QPointF(cx - 0.41 * w, top + 0.22 * h)});
}

QTransform pieceTurn(bool upper) {
    QTransform turn;
    if (upper) {
        turn.translate(kCellW, kCellH);
        turn.rotate(180);
    }
    return turn;
}

void paintPieceBody(QPainter& p, int size, const QTransform& turn) {
    const QPolygonF body = turn.map(pieceOutline(size));
    const QRectF box = body.boundingRect();

    // A soft shadow below and to the right, where the piece stands on the board.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 55, 20, 70));
    p.drawPolygon(body.translated(0.7, 0.6));

    // Boxwood, lit from the upper left; the edge darker.
    QLinearGradient wood(box.topLeft(), box.bottomRight());
    wood.setColorAt(0.0, QColor(252, 232, 182));
    wood.setColorAt(0.55, QColor(242, 212, 150));
    wood.setColorAt(1.0, QColor(222, 180, 112));
    p.setBrush(wood);
    p.setPen(QPen(QColor(128, 82, 38), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(body);
    // A thin highlight just inside the edges that face the light gives the bevel.
    const QPointF centre = box.center();
    p.setPen(QPen(QColor(255, 244, 214, 150), 0.7, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < body.size(); ++i) {
        const QPointF a = body[i], b = body[(i + 1) % body.size()];
        const QPointF mid = (a + b) / 2;
        const QPointF outward = mid - centre;
        if (outward.x() + outward.y() * 1.2 >= 0) continue;  // faces down or right
        p.drawLine(centre + (a - centre) * 0.90, centre + (b - centre) * 0.90);
    }
}

namespace {

// The piece on a transparent ground. The upper side's piece is the lower
// side's turned about; the light still falls from the upper left.
QImage pieceOnly(const PieceSpec& def, int scale) {
    QImage image = blankImage(kCellW, kCellH, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    const QTransform turn = pieceTurn(def.upper);
    paintPieceBody(p, def.size, turn);

    // The character, centred on the body below the shoulders.
    QFont font(minchoFamily());
    font.setPixelSize(100);
    QPainterPath glyph;
    glyph.addText(0, 0, font, def.kanji);
    const QRectF g = glyph.boundingRect();
    const double target = kWidth[def.size] * 0.62;  // the glyph's larger side
    const double k = target / std::max(g.width(), g.height());
    QTransform t;
    t.translate(kCellW / 2.0, kBottom - 0.43 * kHeight[def.size]);
    t.scale(k, k);
    t.translate(-g.center().x(), -g.center().y());
    const QPainterPath placed = (t * turn).map(glyph);
    const QColor ink = def.promoted ? QColor(196, 18, 18) : QColor(22, 14, 8);
    p.setPen(QPen(ink, 0.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));  // a touch of weight
    p.setBrush(ink);
    p.drawPath(placed);
    return image;
}

}  // namespace

QImage drawPieceOnly(const PieceSpec& def, int scale) { return pieceOnly(def, scale); }

std::vector<PieceSpec> pieceSpecs() {
    struct Kind {
        const char* name;
        const char* plain;
        const char* promoted;  // "" for gold and king
        int size;
    };
    const Kind kinds[] = {
        {"HU", "歩", "奔", 0}, {"KYOU", "香", "杏", 1}, {"KEI", "桂", "圭", 2}, {"GIN", "銀", "全", 3},
        {"KIN", "金", "", 3},  {"KAKU", "角", "馬", 4}, {"SYA", "飛", "龍", 4}, {"OU", "王", "", 5},
    };
    std::vector<PieceSpec> list;
    for (bool upper : {false, true}) {
        const QString side = upper ? QStringLiteral("UE_") : QStringLiteral("SITA_");
        for (const Kind& k : kinds) {
            QString plain = QString::fromUtf8(k.plain);
            if (upper && plain == QStringLiteral("王")) plain = QStringLiteral("玉");
            if (*k.promoted == '\0') {
                list.push_back({side + k.name, plain, false, upper, k.size});
            } else {
                list.push_back({side + k.name + "_0", plain, false, upper, k.size});
                list.push_back({side + k.name + "_1", QString::fromUtf8(k.promoted), true, upper, k.size});
            }
        }
    }
    return list;
}

QImage drawEmptySquare(int scale) {
    QImage image = blankImage(kCellW, kCellH, scale);
    paintSquare(image, scale);
    return image;
}

QImage drawPiece(const PieceSpec& def, int scale) {
    // Every square's wood runs the same way, under either side's pieces.
    QImage image = drawEmptySquare(scale);
    QPainter p(&image);
    p.drawImage(0, 0, pieceOnly(def, scale));
    return image;
}

}  // namespace xantu::tools
