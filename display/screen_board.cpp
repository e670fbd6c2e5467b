#include <algorithm>
#include <array>
#include <cmath>

#include "display/screen.h"

namespace xantu {

void Screen::描画_桝輪郭(int 描画色, double 座標X, double 座標Y) {
    // The grid's own colour one pixel wide (at 100 %); every other outline
    // (selection, guidance, the computer's move) two, so that it stands out.
    const double pen = 描画色 == outlineColour ? 15 : 30;
    plat_.canvas.drawBox(描画色, cellX(座標X), cellY(座標Y), cellX(座標X + 1), cellY(座標Y + 1), pen);
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
    // Around the area the window shows the theme's tiles on the same grid;
    // far from the board the ペカナ pattern repeats along the diagonals.
    Surround around;
    around.originX = cellX(0);
    around.originY = cellY(0);
    around.cellWidth = squareWidth;
    around.cellHeight = squareHeight;
    if (IN_背景種類 == kThemePekana) {
        around.codes = {kPicHu, kPicKei, kPicKi};
        around.phase = 1;
    } else {
        around.codes = {IN_背景種類};
    }
    plat_.canvas.setSurround(around);
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

namespace xantu {

void Screen::描画_手番と直前の手(int 手番, const LastMove& 直前の手) {
    // No turn mark while a record is viewed: its header lines take that row.
    if (g_.recordMode != 0) 手番 = 0;
    if (marksShown_ && 手番 == shownTurn_ && 直前の手 == shownMove_ && overlayOn_ == marksOverOverlay_) return;
    marksShown_ = true;
    marksOverOverlay_ = overlayOn_;
    shownTurn_ = 手番;
    shownMove_ = 直前の手;
    std::vector<Mark> marks;
    // Over the influence counts, which sit in the corners, the frame keeps
    // to the square's edge.
    const int inset = overlayOn_ ? 0 : 3;
    auto square = [&marks, inset](int x, int y) {
        if (x < 1 || x > boardSize || y < 1 || y > boardSize) return;
        marks.push_back({Mark::Kind::Square, cellX(x), cellY(y), cellX(x + 1), cellY(y + 1), colourYellow, {}, inset});
    };
    square(直前の手.fromX, 直前の手.fromY);
    square(直前の手.toX, 直前の手.toY);
    // Under the clock of the side to move, in the empty row below the board's
    // last rank: the lower side's on the right, the upper side's on the left.
    if (手番 != 0 && (手番 == g_.manSide || 手番 == g_.comSide)) {
        const double left = 手番 == g_.manSide ? 13.0 : -1.6;
        marks.push_back({Mark::Kind::Badge, cellX(left), cellY(10.1), cellX(left + 1.4), cellY(10.6), colourSelect,
                         文言(Msg::TurnBadge), 3});
    }
    if (saveFailing_)
        marks.push_back({Mark::Kind::Badge, cellX(-1.6), cellY(10.7), cellX(-0.2), cellY(11.2), colourSelect,
                         文言(Msg::UnsavedBadge)});
    for (Mark& m : arrowMarks(arrow_)) marks.push_back(std::move(m));
    marks.insert(marks.end(), extraMarks_.begin(), extraMarks_.end());
    plat_.canvas.setMarks(marks);
}

void Screen::描画_矢印(const Arrow& arrow) {
    if (arrow == arrow_) return;
    arrow_ = arrow;
    marksShown_ = false;
    描画_手番と直前の手(shownTurn_, shownMove_);
}

void Screen::描画_追加印(const std::vector<Mark>& marks) {
    if (marks.size() == extraMarks_.size() &&
        std::equal(marks.begin(), marks.end(), extraMarks_.begin(), [](const Mark& a, const Mark& b) {
            return a.kind == b.kind && a.points == b.points && a.colour == b.colour;
        }))
        return;
    extraMarks_ = marks;
    marksShown_ = false;
    描画_手番と直前の手(shownTurn_, shownMove_);
}

std::vector<Mark> Screen::arrowMarks(const Arrow& a) {
    if (a.toX == 0) return {};
    const Point from{cellX(a.fromX + 0.5), cellY(a.fromY + 0.5)};
    const Point to{cellX(a.toX + 0.5), cellY(a.toY + 0.5)};
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double length = std::hypot(dx, dy);
    if (length < 1) return {};
    // The head is as long as a third of a square and ends a little short of
    // the square's middle, so that the piece there stays readable.
    const double ux = dx / length, uy = dy / length;
    const double headLength = 200, headHalf = 110, shortOf = 60;
    const Point tip{to.x - ux * shortOf, to.y - uy * shortOf};
    const Point base{tip.x - ux * headLength, tip.y - uy * headLength};
    Mark shaft;
    shaft.kind = Mark::Kind::Line;
    shaft.colour = a.colour;
    shaft.pen = 75;
    shaft.points = {from, base};
    Mark head = shaft;
    head.pen = 15;
    head.filled = true;
    head.points = {
        tip, {base.x - uy * headHalf, base.y + ux * headHalf}, {base.x + uy * headHalf, base.y - ux * headHalf}};
    return {shaft, head};
}

void Screen::描画_保存不可(bool failing) {
    if (failing == saveFailing_) return;
    saveFailing_ = failing;
    marksShown_ = false;
    描画_手番と直前の手(shownTurn_, shownMove_);
}

}  // namespace xantu
