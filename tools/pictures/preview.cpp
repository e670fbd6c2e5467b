#include <QFont>
#include <QPainter>

#include <cmath>
#include <map>

#include "art.h"

namespace xantu::tools {
namespace {

// The window: 9200 × 8000 twips at 15 twips a pixel; cell (x, y) starts at
// (1050 + 495·x, 100 + 615·y) twips.
constexpr int kWindowW = 613, kWindowH = 533;
QPointF cellAt(double x, double y) { return {(1050 + 495 * x) / 15.0, std::round((100 + 615 * y) / 15.0)}; }

struct Pictures {
    int scale;
    std::map<QString, QImage> byName;
    const QImage& get(const QString& name) {
        auto it = byName.find(name);
        if (it != byName.end()) return it->second;
        for (const PieceSpec& s : pieceSpecs())
            if (s.name == name) return byName[name] = drawPiece(s, scale);
        for (const LetterPieceSpec& s : letterPieceSpecs())
            if (s.name == name) return byName[name] = drawLetterPiece(s, scale);
        for (const TileSpec& s : tileSpecs())
            if (s.name == name) return byName[name] = drawTile(s.tile, scale);
        if (name == QStringLiteral("KARA_MASU")) return byName[name] = drawEmptySquare(scale);
        return byName[name] = drawTitle(scale);
    }
};

QString pieceName(int code, const QString& set) {
    static const std::map<int, QString> kinds = {{10, "HU"},   {20, "KYOU"},  {30, "KEI"},  {100, "GIN"},
                                                 {110, "KIN"}, {800, "KAKU"}, {900, "SYA"}, {950, "OU"}};
    const int m = std::abs(code);
    const bool promoted = kinds.count(m) == 0;
    const int kind = promoted ? m - 1 : m;
    const QString side = set + (code < 0 ? QStringLiteral("SITA_") : QStringLiteral("UE_"));
    const QString k = kinds.at(kind);
    if (kind == 110 || kind == 950) return side + k;
    return side + k + (promoted ? "_1" : "_0");
}

}  // namespace

QImage drawPreview(int theme, int scale, const QString& pieceSet) {
    Pictures pics{scale, {}};
    QImage screen = blankImage(kWindowW, kWindowH, scale, QColor(0, 128, 0));
    QPainter p(&screen);
    auto paint = [&](const QString& name, double x, double y) {
        const QPointF at = cellAt(x, y) * scale;
        p.drawImage(QPointF(std::round(at.x()), std::round(at.y())), pics.get(name));
    };
    auto onBoard = [](double x, double y) { return x >= 1 && x <= 9 && y >= 1 && y <= 9; };
    const QString pekana[3] = {"HAIKEI_HU", "HAIKEI_KEI", "HAIKEI_KI"};
    if (theme == 6) {
        for (int x = -5; x <= 28; x += 3)
            for (int y = -2; y <= 17; y += 3) {
                if (onBoard(x, y)) continue;
                const int cells[9][3] = {{7, 0, 0}, {8, 1, 0}, {9, 2, 0}, {7, 2, 1}, {8, 3, 1},
                                         {9, 1, 1}, {7, 1, 2}, {8, 2, 2}, {9, 3, 2}};
                for (const auto& c : cells) paint(pekana[c[0] - 7], x + c[1], y + c[2]);
            }
        for (int y : {2, 5, 8}) {
            paint("HAIKEI_KEI", 10, y);
            paint("HAIKEI_KI", 10, y + 1);
        }
    } else {
        const QString names[6] = {"", "", "HAIKEI_TATAMI", "HAIKEI_TAKE", "HAIKEI_UCHU", "HAIKEI_RENGA"};
        for (int x = -3; x <= 28; ++x)
            for (int y = -2; y <= 17; ++y)
                if (!onBoard(x, y)) paint(names[theme], x, y);
    }

    // The start layout, with a few pieces in hand and some promoted ones.
    const int back[9] = {20, 30, 100, 110, 950, 110, 100, 30, 20};
    std::map<std::pair<int, int>, int> board;
    for (int x = 1; x <= 9; ++x) {
        board[{x, 1}] = back[x - 1];
        board[{x, 3}] = 10;
        board[{x, 7}] = -10;
        board[{x, 9}] = -back[x - 1];
    }
    board[{2, 2}] = 900;
    board[{8, 2}] = 800;
    board[{2, 8}] = -800;
    board[{8, 8}] = -900;
    board[{5, 5}] = -11;
    board[{4, 5}] = 21;
    board[{6, 4}] = -101;
    board[{3, 6}] = 31;
    board[{7, 5}] = -801;
    board[{5, 4}] = 901;
    const QPen outline(QColor(0, 128, 0), scale);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            auto it = board.find({x, y});
            paint(it == board.end() ? QStringLiteral("KARA_MASU") : pieceName(it->second, pieceSet), x, y);
        }
    for (int k = 1; k <= 7; ++k) {
        paint("KARA_MASU", 11, k + 2);
        paint("KARA_MASU", -1, k);
    }
    paint(pieceSet + "SITA_HU_0", 11, 3);
    paint(pieceSet + "SITA_SYA_0", 11, 9);
    paint(pieceSet + "UE_KIN", -1, 3);
    paint(pieceSet + "UE_KAKU_0", -1, 2);
    p.setPen(outline);
    auto box = [&](double x, double y) {
        const QPointF a = cellAt(x, y) * scale, b = cellAt(x + 1, y + 1) * scale;
        p.drawRect(QRectF(a, b));
    };
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) box(x, y);
    for (int k = 1; k <= 7; ++k) {
        box(11, k + 2);
        box(-1, k);
    }
    paint("XANTUSHOGI", 10.8, 0);

    // Coordinate labels and counts as the game prints them: black, then yellow 0.1 cell up-left.
    QFont font(QStringLiteral("IPAPMincho"));
    font.setBold(true);
    auto text = [&](const QString& s, double x, double y, int points, QColor colour) {
        font.setPixelSize(points * 4 / 3 * scale);
        p.setFont(font);
        QPointF at = cellAt(x, y) * scale;
        at.ry() += QFontMetricsF(font).ascent();
        p.setPen(Qt::black);
        p.drawText(at, s);
        at = cellAt(x - 0.1, y - 0.1) * scale;
        at.ry() += QFontMetricsF(font).ascent();
        p.setPen(colour);
        p.drawText(at, s);
    };
    const QString numerals = QStringLiteral("一二三四五六七八九");
    for (int i = 1; i <= 9; ++i) {
        text(QString::number(10 - i), i + 0.2, 0.5, 16, QColor(255, 255, 0));
        text(numerals.mid(i - 1, 1), 10.2, i + 0.4, 12, QColor(255, 255, 0));
    }
    text("2", 12.1, 3.3, 14, QColor(255, 96, 96));
    text("1", 12.1, 9.3, 14, QColor(255, 96, 96));
    text("1", 0.1, 3.3, 14, QColor(255, 96, 96));
    text("1", 0.1, 2.3, 14, QColor(255, 96, 96));
    return screen;
}

}  // namespace xantu::tools
