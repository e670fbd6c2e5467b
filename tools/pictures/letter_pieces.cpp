// The international piece set: the kanji set's wooden pieces with a Latin
// letter and marks that show how each piece moves, for players who do not
// read kanji.
#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>

#include "art.h"

namespace xantu::tools {
namespace {

// Directions as bits, forward first and then clockwise by 45°.
constexpr int kForward = 1 << 0, kForwardRight = 1 << 1, kRight = 1 << 2, kBackRight = 1 << 3, kBack = 1 << 4,
              kBackLeft = 1 << 5, kLeft = 1 << 6, kForwardLeft = 1 << 7;
constexpr int kLines = kForward | kRight | kBack | kLeft;
constexpr int kDiagonals = kForwardRight | kBackRight | kBackLeft | kForwardLeft;
constexpr int kAll = kLines | kDiagonals;
constexpr int kGoldSteps = kForward | kForwardRight | kForwardLeft | kRight | kLeft | kBack;
constexpr int kSilverSteps = kForward | kForwardRight | kForwardLeft | kBackRight | kBackLeft;

const QColor kInk(22, 14, 8);
const QColor kPromotedInk(196, 18, 18);

// Unit vector of direction d on the screen, forward being up.
QPointF unit(int d) {
    constexpr double kPi = 3.14159265358979323846;
    return {std::sin(d * kPi / 4), -std::cos(d * kPi / 4)};
}

// How far a ray from `from` along `u` runs inside the outline.
double distanceToEdge(const QPolygonF& outline, QPointF from, QPointF u) {
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < outline.size(); ++i) {
        const QPointF a = outline[i], b = outline[(i + 1) % outline.size()];
        const QPointF e = b - a;
        const double den = u.x() * e.y() - u.y() * e.x();
        if (std::abs(den) < 1e-12) continue;
        const QPointF w = a - from;
        const double t = (w.x() * e.y() - w.y() * e.x()) / den;  // along the ray
        const double s = (w.x() * u.y() - w.y() * u.x()) / den;  // along the edge
        if (t > 0 && s >= 0 && s <= 1) best = std::min(best, t);
    }
    return best;
}

// The letter as a path centred on the origin, its capitals `capHeight` tall.
QPainterPath letterPath(const QString& letter, double capHeight) {
    static const QString family = [] {
        for (const QString& f : QFontDatabase::families())
            if (f == QStringLiteral("DejaVu Sans")) return f;
        qWarning("DejaVu Sans is not installed (fonts-dejavu-core); the letters will look wrong");
        return QStringLiteral("sans-serif");
    }();
    QFont font(family);
    font.setPixelSize(100);
    font.setBold(true);
    font.setStretch(QFont::SemiCondensed);
    QPainterPath cap;
    cap.addText(0, 0, font, QStringLiteral("H"));
    QPainterPath glyph;
    glyph.addText(0, 0, font, letter);
    const QRectF g = glyph.boundingRect();
    const double k = capHeight / cap.boundingRect().height();
    QTransform t;
    t.scale(k, k);
    t.translate(-g.center().x(), -g.center().y());
    return t.map(glyph);
}

// The piece, upright, on a transparent ground; the painter's transform turns
// it about for the upper side. The letter stands in the middle and the marks
// ring it near the edge: a dot for one step, an arrow for any distance.
void paintLetterPiece(QPainter& p, const LetterPieceSpec& def) {
    const QPolygonF outline = pieceOutline(def.size);
    const double w = pieceWidth(def.size), h = pieceHeight(def.size);
    const QPointF centre(kCellW / 2.0, kPieceBottom - 0.45 * h);
    const QColor ink = def.promoted ? kPromotedInk : kInk;
    constexpr double kMargin = 1.9;  // between a mark and the piece's edge
    constexpr double kDot = 1.3;     // a step's dot, radius

    // The letter, with "+" before it on a promoted piece, as the notation writes it.
    const double capHeight = 10.4 + 0.3 * def.size;
    QPainterPath letter = letterPath(def.letter, capHeight);
    if (def.promoted) {
        const double arm = 2.0, bar = 1.3, gap = 0.6;
        const QRectF box = letter.boundingRect();
        const double plusCentre = box.left() - gap - arm;
        QPainterPath both = letter;
        both.addRect(QRectF(plusCentre - arm, -bar / 2, 2 * arm, bar));
        both.addRect(QRectF(plusCentre - bar / 2, -arm, bar, 2 * arm));
        both.setFillRule(Qt::WindingFill);
        letter = QTransform::fromTranslate(-(plusCentre - arm + box.right()) / 2, 0).map(both);
    }
    p.setPen(QPen(ink, 0.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ink);
    p.drawPath(QTransform::fromTranslate(centre.x(), centre.y()).map(letter));
    // How far from the centre a mark must stay along u to keep clear of the letter.
    const QRectF clear = letter.boundingRect().adjusted(-1.1, -1.1, 1.1, 1.1);
    auto clearOfLetter = [&](QPointF u) {
        double t = std::numeric_limits<double>::max();
        if (u.x() > 1e-9) t = std::min(t, clear.right() / u.x());
        if (u.x() < -1e-9) t = std::min(t, clear.left() / u.x());
        if (u.y() > 1e-9) t = std::min(t, clear.bottom() / u.y());
        if (u.y() < -1e-9) t = std::min(t, clear.top() / u.y());
        return t;
    };

    // The moves.
    for (int d = 0; d < 8; ++d) {
        const int bit = 1 << d;
        const QPointF u = unit(d);
        const double room = distanceToEdge(outline, centre, u) - kMargin;
        if (def.ranges & bit) {
            // An arrow that ends at the edge: any distance this way.
            const double head = 2.5, half = 1.5, tail = 3.0;
            const QPointF tip = centre + u * room;
            const QPointF base = centre + u * (room - head);
            const QPointF side(-u.y(), u.x());
            const double from = std::max(room - head - tail, clearOfLetter(u));
            p.setPen(QPen(ink, 1.0, Qt::SolidLine, Qt::FlatCap));
            if (from < room - head) p.drawLine(centre + u * from, base + u * 0.3);
            p.setPen(Qt::NoPen);
            p.drawPolygon(QPolygonF({tip, base + side * half, base - side * half}));
        } else if (def.steps & bit) {
            const double along = (d % 2 == 1) ? 0.78 * w / std::sqrt(2.0) * 0.62 : 0.36 * w;
            const double reach = std::max(along, clearOfLetter(u) + kDot);
            const QPointF at = centre + u * std::min(reach, room - kDot);
            p.setPen(Qt::NoPen);
            p.drawEllipse(at, kDot, kDot);
        }
    }
    if (def.jumps) {
        // The knight's two squares, two forward and one aside: beyond where
        // the forward steps would be.
        for (double side : {-1.0, 1.0}) {
            const QPointF at(centre.x() + side * 0.16 * w, kPieceBottom - h + 0.19 * h);
            p.setPen(Qt::NoPen);
            p.drawEllipse(at, kDot, kDot);
        }
    }
}

}  // namespace

std::vector<LetterPieceSpec> letterPieceSpecs() {
    struct Kind {
        const char* kanjiName;  // the kanji set's name without side and element
        const char* letter;
        int size;
        int steps, ranges;
        bool jumps;
        bool promotes;
        int promotedSteps, promotedRanges;
    };
    const Kind kinds[] = {
        {"HU", "J", 0, 0, kLines, false, true, 0, kAll},
        {"KYOU", "L", 1, 0, kForward, false, true, kGoldSteps, 0},
        {"KEI", "N", 2, 0, 0, true, true, kGoldSteps, 0},
        {"GIN", "S", 3, kSilverSteps, 0, false, true, kGoldSteps, 0},
        {"KIN", "G", 3, kGoldSteps, 0, false, false, 0, 0},
        {"KAKU", "B", 4, 0, kDiagonals, false, true, kLines, kDiagonals},
        {"SYA", "R", 4, 0, kLines, false, true, kDiagonals, kLines},
        {"OU", "K", 5, kAll, 0, false, false, 0, 0},
    };
    std::vector<LetterPieceSpec> list;
    const QString prefix = QString::fromLatin1(kLetterSetPrefix);
    for (bool upper : {false, true}) {
        const QString side = prefix + (upper ? QStringLiteral("UE_") : QStringLiteral("SITA_"));
        for (const Kind& k : kinds) {
            const QString name = side + QString::fromLatin1(k.kanjiName);
            const QString letter = QString::fromLatin1(k.letter);
            if (!k.promotes) {
                list.push_back({name, letter, false, upper, k.size, k.steps, k.ranges, k.jumps});
            } else {
                list.push_back({name + "_0", letter, false, upper, k.size, k.steps, k.ranges, k.jumps});
                list.push_back({name + "_1", letter, true, upper, k.size, k.promotedSteps, k.promotedRanges, false});
            }
        }
    }
    return list;
}

QImage drawLetterPiece(const LetterPieceSpec& def, int scale) {
    QImage image = drawEmptySquare(scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    const QTransform turn = pieceTurn(def.upper);
    paintPieceBody(p, def.size, turn);
    p.setTransform(turn, true);
    paintLetterPiece(p, def);
    return image;
}

}  // namespace xantu::tools
