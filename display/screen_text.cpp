#include "display/screen.h"

#include "core/hand_rows.h"
#include "record/notation.h"

namespace xantu {

Msg handicapRank(int level) {
    // The ranks stand in the catalogue in the ladder's order.
    static_assert(static_cast<int>(Msg::RankKyu12) - static_cast<int>(Msg::RankMeijin) == 20);
    return static_cast<Msg>(static_cast<int>(Msg::RankMeijin) + (level + 10));
}

std::string Screen::handicapLabel(int level) const {
    if (level == 99) return 文言(Msg::MoveCounterLabel);
    if (level < -10 || level > 10) return {};
    return 文言(Msg::HandicapLabel, {{"rank", 文言(handicapRank(level))}});
}

void Screen::printAt(double xTwips, double yTwips, const std::string& text, int colour, int size) {
    if (text.empty()) return;
    plat_.canvas.printText(text, xTwips, yTwips, size, bold_, colour);
}

void Screen::描画_枠(int 描画色, double x1, double y1, double x2, double y2) {
    plat_.canvas.drawBox(描画色, x1, y1, x2, y2, 15);  // one pixel at 100 %
}

void Screen::描画_数値(double 入力X, double 入力Y, const std::string& 数値, int 色, int モード, int フォントサイズ) {
    if (モード != 0) return;  // only numbers 1..9 have a kanji numeral
    printAt(cellX(入力X), cellY(入力Y), 数値, 色, フォントサイズ);
}

namespace {
// The text of a value: the number itself (mode 0), or the kanji numeral of
// 1..9 (any other mode; nothing for other values).
std::string 数値文字(int 数値, int モード) {
    static const char* const kKanji[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
    if (モード == 0) return std::to_string(数値);
    if (数値 >= 1 && 数値 <= 9) return kKanji[数値 - 1];
    return {};
}
}  // namespace

void Screen::描画_数値(double 入力X, double 入力Y, int 数値, int 色, int モード, int フォントサイズ) {
    printAt(cellX(入力X), cellY(入力Y), 数値文字(数値, モード), 色, フォントサイズ);
}

void Screen::printShadowed(double xTwips, double yTwips, const std::string& text, int colour, int size) {
    printAt(xTwips + kShadowTwips, yTwips + kShadowTwips, text, colourBlack, size);
    printAt(xTwips, yTwips, text, colour, size);
}

void Screen::printOutlined(double xTwips, double yTwips, const std::string& text, int colour, int size) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (dx != 0 || dy != 0)
                printAt(xTwips + dx * kShadowTwips, yTwips + dy * kShadowTwips, text, colourBlack, size);
    printAt(xTwips, yTwips, text, colour, size);
}

void Screen::描画_影付き数値(double 入力X, double 入力Y, const std::string& 数値, int 色, int フォントサイズ) {
    printShadowed(cellX(入力X), cellY(入力Y), 数値, 色, フォントサイズ);
}

void Screen::描画_影付き数値(double 入力X, double 入力Y, int 数値, int 色, int モード, int フォントサイズ) {
    printShadowed(cellX(入力X), cellY(入力Y), 数値文字(数値, モード), 色, フォントサイズ);
}

void Screen::描画_文字列(double 入力X, double 入力Y, int 数値, int 色, int サイズ) {
    printAt(cellX(入力X) + 120, cellY(入力Y) + 160, handicapLabel(数値), 色, サイズ);
}

void Screen::描画_桝_数値() {
    bold_ = true;
    labelsShown_ = true;
    const bool fromGote = lowerOrder_ == kGote;
    for (int i = 1; i <= 9; ++i) {
        背景桝(i, 0);
        printOutlined(cellX(i + 0.1), cellY(0.4), 数値文字(fromGote ? i : 10 - i, 0), colourYellow, 16);
        背景桝(10, i);
        printOutlined(cellX(10.1), cellY(i + 0.3), 数値文字(fromGote ? 10 - i : i, 1), colourYellow, 12);
        描画_桝輪郭(outlineColour, 9, i);
    }
}

void Screen::設定_視点(int 下側の手番) {
    const int order = 下側の手番 == kGote ? kGote : kSente;
    if (order == lowerOrder_) return;
    lowerOrder_ = order;
    if (labelsShown_) 描画_桝_数値();
    const int sides[2] = {g_.comSide, g_.manSide};
    for (int i = 0; i < 2; ++i) {
        const ShownNotation n = notations_[i];
        if (n.shown) 描画_移動結果(sides[i], n.x, n.y, n.piece, n.colour);
    }
}

void Screen::消去_自持盤() {
    for (int k = 1; k <= kHandKinds; ++k) {
        const int r = lowerHandRow(k);
        描画_絵(kEmpty, kLowerHandCol, r);
        背景桝(12, r);
        描画_桝輪郭(outlineColour, kLowerHandCol, r);
    }
}

void Screen::消去_敵持盤() {
    for (int r = 1; r <= kHandKinds; ++r) {
        描画_絵(kEmpty, kUpperHandCol, r);
        背景桝(0, r);
        描画_桝輪郭(outlineColour, kUpperHandCol, r);
    }
}

void Screen::描画_自持盤() {
    消去_自持盤();
    for (int k = 1; k <= kHandKinds; ++k) {
        if (pos_.ownHand[k] <= 0) continue;
        const int r = lowerHandRow(k);
        描画_絵(-kHandKindCode[k], kLowerHandCol, r);
        描画_桝輪郭(outlineColour, kLowerHandCol, r);
        描画_影付き数値(12, r + 0.2, pos_.ownHand[k], colourSelect, 0, 14);
    }
}

void Screen::描画_敵持盤() {
    消去_敵持盤();
    for (int r = 1; r <= kHandKinds; ++r) {
        const int k = upperHandKind(r);
        if (pos_.enemyHand[k] <= 0) continue;
        描画_絵(kHandKindCode[k], kUpperHandCol, r);
        描画_桝輪郭(outlineColour, kUpperHandCol, r);
        描画_影付き数値(0, r + 0.2, pos_.enemyHand[k], colourSelect, 0, 14);
    }
}

void Screen::消去_手数() {
    shownCounter_ = -1;
    背景桝(13, 3);
    背景桝(14, 3);
    描画_桝輪郭(outlineColour, 11, 3);
}

void Screen::描画_手数(int 数値, int /*色*/) {
    消去_手数();
    const double x = 数値 < 10 ? 13.3 : (数値 < 100 ? 13.2 : 13.1);
    描画_影付き数値(x - 0.1, 3.3, 数値, colourWhite, 0, 12);
    printShadowed(cellX(13.8) + 120, cellY(3.1) + 160, handicapLabel(99), colourWhite, 10);
    shownCounter_ = 数値;
}

void Screen::描画_レベル(int IN_LEVEL) {
    描画_影付き数値(-1.5, 0.1, 文言(Msg::LevelLabel), colourWhite, 10);
    描画_影付き数値(0, 0, IN_LEVEL, colourWhite, 0, 12);
}

void Screen::消去_ハンディキャップ() {
    for (int x = 11; x <= 14; ++x) 背景桝(x, 1);
}

void Screen::描画_ハンデレベル(int IN_ハンデレベル) {
    消去_ハンディキャップ();
    printShadowed(cellX(11) + 120, cellY(1) + 160, handicapLabel(IN_ハンデレベル), colourWhite, 10);
}

void Screen::描画_移動駒種類(double 入力X, double 入力Y, const std::string& 駒文字, int 色) {
    printAt(cellX(入力X), cellY(入力Y), 駒文字, 色, 12);
}

Screen::ShownNotation* Screen::notationArea(int side) {
    if (side == g_.comSide) return &notations_[0];
    if (side == g_.manSide) return &notations_[1];
    return nullptr;
}

void Screen::消去_移動結果(int IN_手番) {
    if (ShownNotation* area = notationArea(IN_手番)) area->shown = false;
    const bool pekana = opt_.backgroundTheme == kThemePekana;
    const int theme = opt_.backgroundTheme;
    if (IN_手番 == g_.comSide) {
        描画_絵(pekana ? kPicKei : theme, -2, 8);
        描画_絵(pekana ? kPicKi : theme, -1, 8);
        描画_絵(pekana ? kPicHu : theme, 0, 8);
        描画_桝輪郭(colourGreen, -1, 7);
        描画_桝輪郭(colourGreen, 1, 8);
    } else if (IN_手番 == g_.manSide) {
        描画_絵(pekana ? kPicHu : theme, 12, 2);
        描画_絵(pekana ? kPicKei : theme, 13, 2);
        描画_絵(pekana ? kPicKi : theme, 14, 2);
    }
}

void Screen::描画_移動結果(int IN_手番, int 移動先X, int 移動先Y, int 移動駒, int 駒色) {
    消去_移動結果(IN_手番);
    double fx, rx, px, y;
    if (IN_手番 == g_.comSide) {
        fx = -1.5;
        rx = -1.1;
        px = -0.5;
        y = 8.5;
    } else if (IN_手番 == g_.manSide) {
        fx = 12.5;
        rx = 12.9;
        px = 13.5;
        y = 2.5;
    } else {
        return;
    }
    // No piece means no move was found between the two entries: nothing to show.
    if (移動駒 == kEmpty) return;
    // The square's real name as the bottom player sees it (see 描画_桝_数値);
    // the kings as their pictures name them: the bottom player's 王, the top
    // player's 玉.
    const bool fromGote = lowerOrder_ == kGote;
    const int file = fromGote ? 移動先X : 10 - 移動先X;
    const int rank = fromGote ? 10 - 移動先Y : 移動先Y;
    const std::string piece = 移動駒 == kKing ? std::string("玉") : 文字列変換(移動駒);
    const std::string words[3] = {文字列変換(file), 文字列変換(1000 + rank), piece};
    const double xs[3] = {fx, rx, px};
    for (int i = 0; i < 3; ++i) {
        printShadowed(cellX(xs[i] - 0.1), cellY(y - 0.1), words[i], 駒色, 12);
    }
    if (IN_手番 == g_.comSide) 描画_桝輪郭(colourGreen, 1, 8);
    *notationArea(IN_手番) = ShownNotation{true, 移動先X, 移動先Y, 移動駒, 駒色};
}

void Screen::描画_棋譜見出し(double xTwips, double yTwips, const std::string& text, int colour) {
    printAt(xTwips, yTwips, text, colour, 12);
    headers_.push_back({xTwips, yTwips, text, colour});
}

void Screen::forgetNotations() {
    notations_[0].shown = false;
    notations_[1].shown = false;
}

void Screen::forgetShownTexts() {
    shownCounter_ = -1;
    forgetNotations();
    forgetRecordHeaders();
    result_.clear();
}

void Screen::redrawShownTexts() {
    if (shownCounter_ >= 0) 描画_手数(shownCounter_, colourWhite);
    const int sides[2] = {g_.comSide, g_.manSide};
    for (int i = 0; i < 2; ++i) {
        const ShownNotation n = notations_[i];
        if (n.shown) 描画_移動結果(sides[i], n.x, n.y, n.piece, n.colour);
    }
    for (const ShownHeader& h : headers_) printAt(h.x, h.y, h.text, h.colour, 12);
    if (!result_.empty()) 描画_対局結果(result_);
    if (overlayOn_) 描画_利き凡例(true);
}

}  // namespace xantu
