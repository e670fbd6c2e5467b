#include <array>

#include "display/screen.h"

namespace xantu {

void Screen::描画_桝輪郭(int 描画色, double 座標X, double 座標Y) {
    plat_.canvas.drawBox(描画色, cellX(座標X), cellY(座標Y), cellX(座標X + 1), cellY(座標Y + 1));
}

void Screen::描画_将棋盤桝() {
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) 描画_桝輪郭(outlineColour, x, y);
}

void Screen::描画_盤() {
    for (int x = 1; x <= boardSize; ++x)
        for (int y = 1; y <= boardSize; ++y) {
            描画_絵(pos_.board[x][y], x, y);
            描画_桝輪郭(outlineColour, x, y);
        }
}

namespace {
bool outsideBoard(int x, int y) { return x < 1 || x > 9 || y < 1 || y > 9; }

// Calls paint(code, x, y) for every tile of the ペカナ pattern in order.
template <typename Paint>
void pekanaPattern(Paint paint) {
    for (int x = -5; x <= 28; x += 3)
        for (int y = -2; y <= 17; y += 3) {
            if (!outsideBoard(x, y)) continue;
            paint(kPicHu, x, y);
            paint(kPicKei, x + 1, y);
            paint(kPicKi, x + 2, y);
            paint(kPicHu, x + 2, y + 1);
            paint(kPicKei, x + 3, y + 1);
            paint(kPicKi, x + 1, y + 1);
            paint(kPicHu, x + 1, y + 2);
            paint(kPicKei, x + 2, y + 2);
            paint(kPicKi, x + 3, y + 2);
        }
    for (int y = 2; y <= 8; y += 3) {
        paint(kPicKei, 10, y);
        paint(kPicKi, 10, y + 1);
    }
}

constexpr int kMinX = -5, kMaxX = 31, kMinY = -2, kMaxY = 19;
using TileTable = std::array<std::array<int, kMaxY - kMinY + 1>, kMaxX - kMinX + 1>;

const TileTable& pekanaTiles() {
    static const TileTable table = [] {
        TileTable t{};
        for (auto& column : t) column.fill(kThemePekana);  // uncovered cells paint nothing
        pekanaPattern([&t](int code, int x, int y) { t[x - kMinX][y - kMinY] = code; });
        return t;
    }();
    return table;
}
}  // namespace

int Screen::pekanaTileAt(int x, int y) {
    if (x < kMinX || x > kMaxX || y < kMinY || y > kMaxY) return kThemePekana;  // paints nothing
    return pekanaTiles()[x - kMinX][y - kMinY];
}

void Screen::描画_背景(int IN_背景種類) {
    if (IN_背景種類 == kThemePekana) {
        pekanaPattern([this](int code, int x, int y) { 描画_絵(code, x, y); });
        return;
    }
    for (int x = -3; x <= 28; ++x)
        for (int y = -2; y <= 17; ++y)
            if (outsideBoard(x, y)) 描画_絵(IN_背景種類, x, y);
}

void Screen::背景桝(int x, int y) {
    if (opt_.backgroundTheme == kThemePekana)
        描画_絵(pekanaTileAt(x, y), x, y);
    else
        描画_絵(opt_.backgroundTheme, x, y);
}

}  // namespace xantu
