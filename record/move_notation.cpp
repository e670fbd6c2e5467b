#include "record/move_notation.h"

#include "core/move_rules.h"

namespace xantu {

namespace {

bool sameHands(const Position& a, const Position& b) {
    for (int k = 1; k <= kHandKinds; ++k)
        if (a.ownHand[k] != b.ownHand[k] || a.enemyHand[k] != b.enemyHand[k]) return false;
    return true;
}

bool sameBoard(const Position& a, const Position& b) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (a.board[x][y] != b.board[x][y]) return false;
    return true;
}

// Plays the candidate on a copy of `before` and checks it gives `after`.
bool gives(const Position& before, const Position& after, const MoveRecord& m) {
    Position p = before;
    const int placed = m.promote ? (m.piece < 0 ? m.piece - 1 : m.piece + 1) : m.piece;
    int* moverHand = m.piece < 0 ? p.ownHand : p.enemyHand;
    if (m.drop) {
        const int kind = handKindOf(m.piece);
        if (kind == 0 || moverHand[kind] < 1) return false;
        --moverHand[kind];
    } else {
        const int t = p.board[m.toX][m.toY];
        if (t != kEmpty && (t < 0) == (m.piece < 0)) return false;
        if (t != kEmpty && absCode(t) != kKing) ++moverHand[handKindOf(t)];
        p.board[m.fromX][m.fromY] = kEmpty;
    }
    p.board[m.toX][m.toY] = placed;
    return sameBoard(p, after) && sameHands(p, after);
}

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

std::optional<MoveRecord> 調査_指し手(const Position& before, const Position& after) {
    int changed = 0;
    int sx[3]{}, sy[3]{};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (before.board[x][y] != after.board[x][y]) {
                if (changed == 2) return std::nullopt;
                sx[changed] = x;
                sy[changed] = y;
                ++changed;
            }
    MoveRecord m;
    if (changed == 1) {
        const int c = after.board[sx[0]][sy[0]];
        if (before.board[sx[0]][sy[0]] != kEmpty || c == kEmpty || handKindOf(c) == 0) return std::nullopt;
        if (kHandKindCode[handKindOf(c)] != absCode(c)) return std::nullopt;  // dropped pieces are unpromoted
        m.drop = true;
        m.toX = sx[0];
        m.toY = sy[0];
        m.piece = c;
    } else if (changed == 2) {
        // The origin is the square left empty.
        int from = -1;
        for (int i = 0; i < 2; ++i)
            if (after.board[sx[i]][sy[i]] == kEmpty && before.board[sx[i]][sy[i]] != kEmpty) from = i;
        if (from < 0) return std::nullopt;
        const int to = 1 - from;
        m.fromX = sx[from];
        m.fromY = sy[from];
        m.toX = sx[to];
        m.toY = sy[to];
        m.piece = before.board[m.fromX][m.fromY];
        m.captured = before.board[m.toX][m.toY];
        const int placed = after.board[m.toX][m.toY];
        if (placed == kEmpty || (placed < 0) != (m.piece < 0)) return std::nullopt;
        if (placed != m.piece) {
            if (placed != (m.piece < 0 ? m.piece - 1 : m.piece + 1)) return std::nullopt;
            m.promote = true;
        }
        int promoted = 0;
        m.mayPromote = 調査_駒成(m.fromX, m.fromY, m.toX, m.toY, m.piece, promoted) == 1;
        if (m.promote && !m.mayPromote) return std::nullopt;
    } else {
        return std::nullopt;
    }
    if (!gives(before, after, m)) return std::nullopt;
    return m;
}

MoveRecord toMoveRecord(const Position& before, const Move& m) {
    MoveRecord r;
    r.drop = m.isDrop();
    r.toX = m.toX;
    r.toY = m.toY;
    if (r.drop) {
        r.piece = m.placed;
        return r;
    }
    r.fromX = m.fromX;
    r.fromY = m.fromY;
    r.piece = before.board[m.fromX][m.fromY];
    r.promote = m.promotes;
    int promoted = 0;
    r.mayPromote = 調査_駒成(m.fromX, m.fromY, m.toX, m.toY, r.piece, promoted) == 1;
    r.captured = before.board[m.toX][m.toY];
    return r;
}

std::string 作成_指し手表記(const Position& before, const Move& m, int moverOrder, int prevToX, int prevToY,
                            NotationView view) {
    return 作成_指し手表記(toMoveRecord(before, m), moverOrder, prevToX, prevToY, view);
}

std::string 作成_指し手表記(const MoveRecord& m, int moverOrder, int prevToX, int prevToY, NotationView view) {
    const bool turned = view == NotationView::UpperSideFirst;
    auto file = [turned](int x) { return turned ? x : 10 - x; };
    auto rank = [turned](int y) { return turned ? 10 - y : y; };
    std::string s;
    if (moverOrder > 0)
        s = "▲";
    else if (moverOrder < 0)
        s = "△";
    if (m.toX == prevToX && m.toY == prevToY)
        s += "同　";
    else
        s += 全角数字(file(m.toX)) + 漢数字(rank(m.toY));
    s += 指し手駒名(m.piece);
    if (m.drop) return s + "打";
    if (m.promote)
        s += "成";
    else if (m.mayPromote)
        s += "不成";
    s += '(';
    s += static_cast<char>('0' + file(m.fromX));
    s += static_cast<char>('0' + rank(m.fromY));
    s += ')';
    return s;
}

}  // namespace xantu
