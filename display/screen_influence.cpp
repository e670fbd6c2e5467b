#include <cmath>
#include <string>

#include "display/screen.h"

namespace xantu {

namespace {

// Palette colours of the counts: blue for the lower side, red for the upper,
// the darker shade for the side that outnumbers the other on the square.
constexpr int kLowerColour = 9, kLowerStrongColour = 1;
constexpr int kUpperColour = 12, kUpperStrongColour = 4;
// Small enough to sit in a corner of the square beside the piece's kanji,
// which keeps to the middle third of the picture's width.
constexpr int kCountSize = 7;
constexpr double kDigitWidth = 70;  // a half-width digit at that size, near enough
constexpr double kInset = 30;       // from the square's edge
constexpr double kCountHeight = 140;

bool boardSquare(double x, double y, int& col, int& row) {
    if (x != std::floor(x) || y != std::floor(y)) return false;
    col = static_cast<int>(x);
    row = static_cast<int>(y);
    return col >= 1 && col <= boardSize && row >= 1 && row <= boardSize;
}

}  // namespace

// The upper side's count in the top-left corner, the lower side's in the
// bottom-right one: each side's count stands towards its own side of the board.
void Screen::描画_利き数(int x, int y) {
    const int man = overlay_.man[x][y], com = overlay_.com[x][y];
    if (com > 0) {
        plat_.canvas.printText(std::to_string(com), cellX(x) + kInset, cellY(y) + kInset / 2, kCountSize, true,
                               com > man ? kUpperStrongColour : kUpperColour);
    }
    if (man > 0) {
        const std::string text = std::to_string(man);
        const double width = kDigitWidth * static_cast<double>(text.size());
        plat_.canvas.printText(text, cellX(x + 1) - kInset - width, cellY(y + 1) - kInset / 2 - kCountHeight,
                               kCountSize, true, man > com ? kLowerStrongColour : kLowerColour);
    }
}

void Screen::描画_絵(int 駒種類, double 座標X, double 座標Y) {
    plat_.canvas.paintPicture(駒種類, cellX(座標X), cellY(座標Y));
    int col = 0, row = 0;
    if (overlayOn_ && boardSquare(座標X, 座標Y, col, row)) 描画_利き数(col, row);
}

void Screen::repaintSquare(int x, int y) {
    描画_絵(pos_.board[x][y], x, y);
    描画_桝輪郭(outlineColour, x, y);
}

namespace {
// The legend's place: below the board, under a record's header line.
constexpr double kLegendX = cellX(1), kLegendY = cellY(10.6);
constexpr int kLegendSize = 10;
}  // namespace

void Screen::描画_利き凡例(bool on) {
    if (on) {
        printOutlined(kLegendX, kLegendY, 文言(Msg::InfluenceLegend), colourWhite, kLegendSize);
        return;
    }
    for (int x = 1; x <= boardSize; ++x) 背景桝(x, 10);
    for (const ShownHeader& h : headers_) printAt(h.x, h.y, h.text, h.colour, 12);
}

void Screen::表示_利き(bool on, const InfluenceCounts& counts) {
    if (on != overlayOn_) 描画_利き凡例(on);
    overlayOn_ = on;
    overlay_ = counts;
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) repaintSquare(x, y);
}

void Screen::描画_利き(const InfluenceCounts& counts) {
    if (!overlayOn_) {
        overlay_ = counts;
        return;
    }
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) {
            if (counts.man[x][y] == overlay_.man[x][y] && counts.com[x][y] == overlay_.com[x][y]) continue;
            overlay_.man[x][y] = counts.man[x][y];
            overlay_.com[x][y] = counts.com[x][y];
            repaintSquare(x, y);
        }
}

}  // namespace xantu
