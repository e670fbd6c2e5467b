#include "record/move_notation.h"

#include "core/move_rules.h"
#include "core/sfen.h"

namespace xantu {

namespace {

// Squares as a view numbers them.
int fileOf(int x, NotationView view) { return view == NotationView::UpperSideFirst ? x : 10 - x; }
int rankOf(int y, NotationView view) { return view == NotationView::UpperSideFirst ? 10 - y : y; }

// The Japanese body shared by the screen and KIF: destination (or 同),
// piece, 打 or 成/不成, origin.
std::string japanese(const MoveTokens& t, const std::string& pieceName, bool writeDeclined, NotationView view) {
    std::string s;
    if (t.same)
        s += "同　";
    else
        s += 全角数字(fileOf(t.toX, view)) + 漢数字(rankOf(t.toY, view));
    s += pieceName;
    if (t.drop) return s + "打";
    if (t.promote)
        s += "成";
    else if (t.declined && writeDeclined)
        s += "不成";
    s += '(';
    s += static_cast<char>('0' + fileOf(t.fromX, view));
    s += static_cast<char>('0' + rankOf(t.fromY, view));
    s += ')';
    return s;
}

// The side of a move as a file names it: 先手 is the lower side of the view.
bool byLowerOfView(const MoveTokens& t, NotationView view) { return (t.piece < 0) == (view == NotationView::AsDrawn); }

}  // namespace

std::string 全角数字(int n) {
    static const char* const kDigits[] = {"１", "２", "３", "４", "５", "６", "７", "８", "９"};
    return n >= 1 && n <= 9 ? kDigits[n - 1] : "";
}

std::string 漢数字(int n) {
    static const char* const kRanks[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
    return n >= 1 && n <= 9 ? kRanks[n - 1] : "";
}

std::string 指し手駒名(int code) {
    switch (absCode(code)) {
    case kPawn: return "歩";
    case kPromPawn: return "奔";
    case kLance: return "香";
    case kPromLance: return "成香";
    case kKnight: return "桂";
    case kPromKnight: return "成桂";
    case kSilver: return "銀";
    case kPromSilver: return "成銀";
    case kGold:
    case kGoldAlt: return "金";
    case kBishop: return "角";
    case kHorse: return "馬";
    case kRook: return "飛";
    case kDragon: return "龍";
    case kKing: return "玉";
    default: return {};
    }
}

std::string_view CSA駒名(int code) {
    switch (absCode(code)) {
    case kPawn: return "FU";
    case kLance: return "KY";
    case kKnight: return "KE";
    case kSilver: return "GI";
    case kGold:
    case kGoldAlt: return "KI";
    case kBishop: return "KA";
    case kRook: return "HI";
    case kKing: return "OU";
    case kPromPawn: return "TO";
    case kPromLance: return "NY";
    case kPromKnight: return "NK";
    case kPromSilver: return "NG";
    case kHorse: return "UM";
    case kDragon: return "RY";
    default: return "";
    }
}

MoveTokens 作成_指し手要素(const Position& before, const Move& m, int prevToX, int prevToY) {
    MoveTokens t;
    t.drop = m.isDrop();
    t.toX = m.toX;
    t.toY = m.toY;
    t.same = m.toX == prevToX && m.toY == prevToY;
    t.placed = m.placed;
    if (t.drop) {
        t.piece = m.placed;
        return t;
    }
    t.fromX = m.fromX;
    t.fromY = m.fromY;
    t.piece = before.board[m.fromX][m.fromY];
    t.promote = m.promotes;
    int promoted = 0;
    t.declined = !m.promotes && 調査_駒成(m.fromX, m.fromY, m.toX, m.toY, t.piece, promoted) == 1;
    t.captured = before.board[m.toX][m.toY];
    return t;
}

std::string 表記_画面(const MoveTokens& t, int moverOrder, NotationView view) {
    std::string s = moverOrder > 0 ? "▲" : moverOrder < 0 ? "△" : "";
    return s + japanese(t, 指し手駒名(t.piece), true, view);
}

std::string 表記_KIF(const MoveTokens& t, NotationView view) {
    return japanese(t, absCode(t.piece) == kPromPawn ? std::string("と") : 指し手駒名(t.piece), false, view);
}

std::string 表記_CSA(const MoveTokens& t, NotationView view) {
    auto square = [view](int x, int y) {
        return std::string{static_cast<char>('0' + fileOf(x, view)), static_cast<char>('0' + rankOf(y, view))};
    };
    std::string s(1, byLowerOfView(t, view) ? '+' : '-');
    s += t.drop ? std::string("00") : square(t.fromX, t.fromY);
    s += square(t.toX, t.toY);
    s += CSA駒名(t.placed);
    return s;
}

std::string 表記_USI(const MoveTokens& t, NotationView view) {
    auto square = [view](int x, int y) {
        return std::string{static_cast<char>('0' + fileOf(x, view)), static_cast<char>('a' + rankOf(y, view) - 1)};
    };
    if (t.drop) return std::string{usiHandLetter(handKindOf(t.piece)), '*'} + square(t.toX, t.toY);
    return square(t.fromX, t.fromY) + square(t.toX, t.toY) + (t.promote ? "+" : "");
}

std::string 作成_指し手表記(const Position& before, const Move& m, int moverOrder, int prevToX, int prevToY,
                            NotationView view) {
    return 表記_画面(作成_指し手要素(before, m, prevToX, prevToY), moverOrder, view);
}

}  // namespace xantu
