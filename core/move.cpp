#include "core/move.h"

#include "core/hand_rows.h"
#include "core/sfen.h"

namespace xantu {

Move Move::boardMove(int fromX, int fromY, int toX, int toY, int placed, bool promotes) {
    Move m;
    m.fromX = fromX;
    m.fromY = fromY;
    m.toX = toX;
    m.toY = toY;
    m.placed = placed;
    m.promotes = promotes;
    return m;
}

Move Move::drop(Side side, int kind, int toX, int toY) {
    Move m;
    m.dropKind = kind;
    m.toX = toX;
    m.toY = toY;
    m.placed = sign(side) * kHandKindCode[kind];
    return m;
}

int Move::originX() const {
    if (!isDrop()) return fromX;
    return side() == Side::Lower ? kLowerHandCol : kUpperHandCol;
}

int Move::originY() const { return isDrop() ? dropFromY(originX(), dropKind) : fromY; }

std::string Move::usi() const {
    if (isDrop()) {
        std::string s;
        s += usiHandLetter(dropKind);
        s += '*';
        return s + usiSquare(toX, toY);
    }
    std::string s = usiSquare(fromX, fromY) + usiSquare(toX, toY);
    if (promotes) s += '+';
    return s;
}

Move turnedAbout(const Move& m) {
    Move t = m;
    if (!m.isDrop()) {
        t.fromX = 10 - m.fromX;
        t.fromY = 10 - m.fromY;
    }
    t.toX = 10 - m.toX;
    t.toY = 10 - m.toY;
    t.placed = -m.placed;
    return t;
}

}  // namespace xantu
