#include "display/screen.h"

namespace xantu {

namespace {
// The result line's cells: right of the board, the row below the lower clock.
constexpr int kResultFirstCol = 11, kResultLastCol = 16, kResultRow = 10;
}  // namespace

void Screen::描画_対局結果(const std::string& text) {
    const std::string shown = text;  // `text` may be result_ itself
    消去_対局結果();
    result_ = shown;
    描画_影付き数値(kResultFirstCol, kResultRow + 0.2, shown, colourYellow, 12);
}

void Screen::消去_対局結果() {
    if (result_.empty()) return;
    result_.clear();
    for (int x = kResultFirstCol; x <= kResultLastCol; ++x) 背景桝(x, kResultRow);
}

}  // namespace xantu
