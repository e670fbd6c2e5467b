#include "display/move_list_panel.h"

#include <algorithm>
#include <cmath>

namespace xantu {

namespace {

constexpr double kWindowWithoutPanel = 9200;
constexpr double kTextInset = 90;
constexpr double kDigitWidth = 100;  // a half-width digit at the list's size, near enough
constexpr double kMoveInset = kTextInset + 4 * kDigitWidth;
constexpr int kListSize = 10;
constexpr int kTitleSize = 12;
constexpr int kDubiousColour = 13;  // a move marked "?"; "??" in light red
// Rows kept in view above and below the current one, where the list allows.
constexpr int kContext = 2;
constexpr double kTitleTop = 150;
constexpr double kMarkInset = 400;  // from the panel's right edge

constexpr double kBelowRight =
    MoveListPanel::kBelowLeft + MoveListPanel::kBelowColumns * MoveListPanel::kBelowColumnWidth;
constexpr double kBelowTitleInset = 60;

}  // namespace

MoveListPanel::Geometry MoveListPanel::geometry() const {
    if (!below_)
        return {kLeft,
                0,
                kAreaWidth,
                kFirstRowTop + kRows * kRowHeight + kRowHeight,
                kWidth,
                1,
                kRows,
                kFirstRowTop,
                kAreaWidth - kMarkInset,
                kTitleTop,
                kAreaWidth - kMarkInset,
                kFirstRowTop + kRows * kRowHeight};
    // Below, both marks share the title's line: under the last line there is
    // no room left.
    const double title = belowTop_ + kBelowTitleInset;
    return {kBelowLeft,
            belowTop_,
            kBelowRight,
            belowBottom(),
            kBelowColumnWidth,
            kBelowColumns,
            kBelowRowsPerColumn,
            title + 380,
            kBelowRight - 2 * kMarkInset,
            title,
            kBelowRight - kMarkInset,
            title};
}

void MoveListPanel::placeBelow(bool below, double top) {
    if (below == below_ && top == belowTop_) return;
    below_ = below;
    belowTop_ = top;
    shown_ = false;
}

bool MoveListPanel::contains(double xTwips, double yTwips) const {
    const Geometry g = geometry();
    return below_ ? yTwips >= g.top && yTwips < g.bottom : xTwips >= g.left && yTwips >= 0;
}

int MoveListPanel::rowsInView() const { return geometry().columns * geometry().rowsPerColumn; }

double MoveListPanel::lineLeft(int i) const {
    const Geometry g = geometry();
    return g.left + (i / g.rowsPerColumn) * g.columnWidth;
}

double MoveListPanel::lineTop(int i) const {
    const Geometry g = geometry();
    return g.firstRowTop + (i % g.rowsPerColumn) * kRowHeight;
}

void MoveListPanel::scrollTo(const MoveListView& view, int rows) {
    const int inView = rowsInView();
    const bool moved =
        !shown_ || view.current != drawn_.current || view.moves != drawn_.moves || view.game != drawn_.game;
    if (moved) {
        if (view.current - kContext < top_) top_ = view.current - kContext;
        if (view.current + kContext > top_ + inView - 1) top_ = view.current + kContext - (inView - 1);
    }
    top_ = std::clamp(top_, 0, std::max(0, rows - inView));
}

void MoveListPanel::scrollPage(int direction) { scrollRows(direction * (rowsInView() - 2)); }

void MoveListPanel::scrollRows(int rows) { top_ = std::clamp(top_ + rows, 0, std::max(0, rows_ - rowsInView())); }

int MoveListPanel::scrollMarkAt(double xTwips, double yTwips) const {
    if (!shown_) return 0;
    const Geometry g = geometry();
    const auto on = [&](double markX, double markY) {
        return xTwips >= markX - 100 && xTwips < markX + kMarkInset - 100 && yTwips >= markY - 100 &&
               yTwips < markY + kRowHeight;
    };
    if (!below_ && xTwips >= kAreaWidth) return 0;
    if (top_ > 0 && (below_ ? on(g.upMarkX, g.upMarkY)
                            : xTwips >= g.upMarkX - 100 && yTwips >= kTitleTop - 100 && yTwips < kFirstRowTop - 40))
        return -1;
    if (top_ + rowsInView() < rows_ &&
        (below_ ? on(g.downMarkX, g.downMarkY)
                : xTwips >= g.downMarkX - 100 && yTwips >= g.downMarkY - 40 && yTwips < g.downMarkY + kRowHeight))
        return 1;
    return 0;
}

void MoveListPanel::erase() {
    if (below_) {
        // The grid rows from the panel's top down, across the board's width.
        const int firstRow = static_cast<int>(std::lround((belowTop_ - boardTop) / squareHeight));
        const int lastRow = static_cast<int>(std::ceil((belowBottom() - boardTop) / squareHeight)) - 1;
        const int firstColumn = static_cast<int>(std::floor((0 - boardLeft) / squareWidth));
        const int lastColumn = static_cast<int>(std::ceil((kWindowWithoutPanel - boardLeft) / squareWidth)) - 1;
        for (int x = firstColumn; x <= lastColumn; ++x)
            for (int y = firstRow; y <= lastRow; ++y) screen_.背景桝(x, y);
        return;
    }
    // From the column the narrower window's edge cuts, which that window
    // never showed whole.
    const int firstColumn = static_cast<int>(std::floor((kWindowWithoutPanel - boardLeft) / squareWidth));
    const int lastColumn = static_cast<int>(std::ceil((kAreaWidth - boardLeft) / squareWidth));
    for (int x = firstColumn; x <= lastColumn; ++x)
        for (int y = -1; y <= 13; ++y) screen_.背景桝(x, y);
}

void MoveListPanel::描画_棋譜一覧(const MoveListView& view, bool force) {
    const Geometry g = geometry();
    const int inView = rowsInView();
    // The starting Position, the moves and the result line of a game that has ended.
    const int moveRows = view.game ? static_cast<int>(view.moves.size()) + 1 : 0;
    const int rows = moveRows + (view.game && !view.result.empty() ? 1 : 0);
    const int oldTop = top_;
    scrollTo(view, rows);
    if (!force && shown_ && top_ == oldTop && drawn_ == view) return;
    erase();
    const double titleTop = g.upMarkY;
    screen_.printOutlined(g.left + kTextInset, titleTop, screen_.文言(Msg::MoveListHeading), colourWhite, kTitleSize);
    for (int i = 0; i < inView && top_ + i < rows; ++i) {
        const int row = top_ + i;
        const bool current = row == view.current;
        const int colour = current ? colourYellow : colourWhite;
        const double x = lineLeft(i);
        const double y = lineTop(i);
        if (row == moveRows) {
            screen_.printOutlined(x + kTextInset, y, view.result, colourYellow, kListSize);
            continue;
        }
        if (row == 0) {
            screen_.printOutlined(x + kTextInset, y, screen_.文言(Msg::StartPosition), colour, kListSize);
        } else {
            const std::string number = std::to_string(row);
            const double digits = static_cast<double>(std::min<std::size_t>(number.size(), 3));
            screen_.printOutlined(x + kTextInset + (3 - digits) * kDigitWidth, y, number, colour, kListSize);
            const std::size_t k = static_cast<std::size_t>(row - 1);
            // A mistake: its mark in the colour of its weight, the move in it too.
            const std::string mistake = k < view.mistakes.size() ? view.mistakes[k] : std::string();
            const int mistakeColour = mistake == "??" ? colourLightRed : kDubiousColour;
            screen_.printOutlined(x + kMoveInset, y, view.moves[k], mistake.empty() || current ? colour : mistakeColour,
                                  kListSize);
            if (!mistake.empty())
                screen_.printOutlined(x + g.columnWidth - kMarkInset + 100, y, mistake, mistakeColour, kListSize);
        }
        if (current) screen_.描画_枠(colourYellow, x + 20, y - 40, x + g.columnWidth - 60, y + kRowHeight - 40);
    }
    // More rows than fit: a mark at the end that has more.
    if (top_ > 0) screen_.printOutlined(g.upMarkX, g.upMarkY, "▲", colourWhite, kListSize);
    if (top_ + inView < rows) screen_.printOutlined(g.downMarkX, g.downMarkY, "▼", colourWhite, kListSize);
    drawn_ = view;
    rows_ = rows;
    shown_ = true;
}

int MoveListPanel::rowAt(double xTwips, double yTwips) const {
    if (!shown_ || !drawn_.game) return -1;
    const Geometry g = geometry();
    if (xTwips < g.left || xTwips >= g.right || yTwips < g.top) return -1;
    const double fromFirst = yTwips - (g.firstRowTop - 40);
    if (fromFirst < 0) return -1;
    const int line = static_cast<int>(fromFirst / kRowHeight);
    const int column = static_cast<int>((xTwips - g.left) / g.columnWidth);
    if (line >= g.rowsPerColumn || column >= g.columns) return -1;
    const int row = top_ + column * g.rowsPerColumn + line;
    if (row > static_cast<int>(drawn_.moves.size())) return -1;
    return row;
}

}  // namespace xantu
