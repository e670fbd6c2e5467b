#include "display/move_list_panel.h"

#include <algorithm>
#include <cmath>

namespace xantu {

namespace {

constexpr double kWindowWithoutPanel = 9200;
constexpr double kTextLeft = MoveListPanel::kLeft + 90;
constexpr double kDigitWidth = 100;  // a half-width digit at the list's size, near enough
constexpr double kMoveLeft = kTextLeft + 4 * kDigitWidth;
constexpr int kListSize = 10;
constexpr int kTitleSize = 12;
constexpr int kDubiousColour = 13;  // a move marked "?"; "??" in light red
// Rows kept in view above and below the current one, where the list allows.
constexpr int kContext = 2;

double rowTop(int i) { return MoveListPanel::kFirstRowTop + i * MoveListPanel::kRowHeight; }

}  // namespace

constexpr double kMarkLeft = MoveListPanel::kLeft + MoveListPanel::kWidth - 400;
constexpr double kTitleTop = 150;

void MoveListPanel::scrollTo(const MoveListView& view, int rows) {
    const bool moved =
        !shown_ || view.current != drawn_.current || view.moves != drawn_.moves || view.game != drawn_.game;
    if (moved) {
        if (view.current - kContext < top_) top_ = view.current - kContext;
        if (view.current + kContext > top_ + kRows - 1) top_ = view.current + kContext - (kRows - 1);
    }
    top_ = std::clamp(top_, 0, std::max(0, rows - kRows));
}

void MoveListPanel::scrollPage(int direction) { scrollRows(direction * (kRows - 2)); }

void MoveListPanel::scrollRows(int rows) { top_ = std::clamp(top_ + rows, 0, std::max(0, rows_ - kRows)); }

int MoveListPanel::scrollMarkAt(double xTwips, double yTwips) const {
    if (!shown_ || xTwips < kMarkLeft - 100 || xTwips >= kAreaWidth) return 0;
    if (top_ > 0 && yTwips >= kTitleTop - 100 && yTwips < kFirstRowTop - 40) return -1;
    if (top_ + kRows < rows_ && yTwips >= rowTop(kRows) - 40 && yTwips < rowTop(kRows) + kRowHeight) return 1;
    return 0;
}

void MoveListPanel::erase() {
    // From the column the narrower window's edge cuts, which that window
    // never showed whole.
    const int firstColumn = static_cast<int>(std::floor((kWindowWithoutPanel - boardLeft) / squareWidth));
    const int lastColumn = static_cast<int>(std::ceil((kAreaWidth - boardLeft) / squareWidth));
    for (int x = firstColumn; x <= lastColumn; ++x)
        for (int y = -1; y <= 13; ++y) screen_.背景桝(x, y);
}

void MoveListPanel::描画_棋譜一覧(const MoveListView& view, bool force) {
    // The starting Position, the moves and the result line of a game that has ended.
    const int moveRows = view.game ? static_cast<int>(view.moves.size()) + 1 : 0;
    const int rows = moveRows + (view.game && !view.result.empty() ? 1 : 0);
    const int oldTop = top_;
    scrollTo(view, rows);
    if (!force && shown_ && top_ == oldTop && drawn_ == view) return;
    erase();
    screen_.printOutlined(kTextLeft, kTitleTop, "棋譜", colourWhite, kTitleSize);
    for (int i = 0; i < kRows && top_ + i < rows; ++i) {
        const int row = top_ + i;
        const bool current = row == view.current;
        const int colour = current ? colourYellow : colourWhite;
        const double y = rowTop(i);
        if (row == moveRows) {
            screen_.printOutlined(kTextLeft, y, view.result, colourYellow, kListSize);
            continue;
        }
        if (row == 0) {
            screen_.printOutlined(kTextLeft, y, "開始局面", colour, kListSize);
        } else {
            const std::string number = std::to_string(row);
            const double digits = static_cast<double>(std::min<std::size_t>(number.size(), 3));
            screen_.printOutlined(kTextLeft + (3 - digits) * kDigitWidth, y, number, colour, kListSize);
            const std::size_t k = static_cast<std::size_t>(row - 1);
            // A mistake: its mark in the colour of its weight, the move in it too.
            const std::string mistake = k < view.mistakes.size() ? view.mistakes[k] : std::string();
            const int mistakeColour = mistake == "??" ? colourLightRed : kDubiousColour;
            screen_.printOutlined(kMoveLeft, y, view.moves[k], mistake.empty() || current ? colour : mistakeColour,
                                  kListSize);
            if (!mistake.empty()) screen_.printOutlined(kMarkLeft + 100, y, mistake, mistakeColour, kListSize);
        }
        if (current) screen_.描画_枠(colourYellow, kLeft + 20, y - 40, kAreaWidth - 60, y + kRowHeight - 40);
    }
    // More rows than fit: a mark at the end that has more.
    if (top_ > 0) screen_.printOutlined(kMarkLeft, kTitleTop, "▲", colourWhite, kListSize);
    if (top_ + kRows < rows) screen_.printOutlined(kMarkLeft, rowTop(kRows), "▼", colourWhite, kListSize);
    drawn_ = view;
    rows_ = rows;
    shown_ = true;
}

int MoveListPanel::rowAt(double xTwips, double yTwips) const {
    if (!shown_ || !drawn_.game || xTwips < kLeft || xTwips >= kAreaWidth) return -1;
    const double fromFirst = yTwips - (kFirstRowTop - 40);
    if (fromFirst < 0) return -1;
    const int i = static_cast<int>(fromFirst / kRowHeight);
    const int row = top_ + i;
    if (i >= kRows || row > static_cast<int>(drawn_.moves.size())) return -1;
    return row;
}

}  // namespace xantu
