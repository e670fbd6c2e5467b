#include "search/mate_moves.h"

#include <cstring>

namespace xantu::search {

namespace {

// The board moves of the side to move, as generateAll gives them, without
// its drops: the hand is hidden while they are generated.
void generateBoardMoves(Board& b, MoveBuffer& out) {
    std::uint8_t hand[8];
    std::memcpy(hand, b.hand[b.side], sizeof hand);
    std::memset(b.hand[b.side], 0, sizeof hand);
    generateAll(b, out);
    std::memcpy(b.hand[b.side], hand, sizeof hand);
}

// Whether the side to move may drop a piece of `type` on the empty square s.
bool mayDrop(const Board& b, int type, int s) {
    const int us = b.side;
    const int far = us == kLower ? rankOf(s) : 10 - rankOf(s);
    if (type == kP) return b.pawnsOnFile[us][fileOf(s)] == 0;
    if (type == kL) return far > 1;
    if (type == kN) return far > 2;
    return true;
}

// Keeps m with the key of the position it leads to; for a check, also
// whether it leaves the checker's own king attacked.
void keep(Board& b, Move m, bool check, MateChildren& out) {
    const int us = b.side;
    b.make(m);
    out.moves[out.size] = m;
    out.keys[out.size] = b.key;
    out.lost[out.size] = check && b.kingAttacked(us);
    ++out.size;
    b.unmake(m);
}

// For each square, the piece types (bit t for type t) that attack the
// opponent's king from there for the side to move, over the board as it
// stands: the first occupied square of each line counts (a piece may take
// what stands there).
struct CheckSquares {
    std::uint16_t types[kSquares];
};

// The types that step or slide in each direction (index into kDelta).
struct DirectionTypes {
    std::uint16_t steps[8] = {}, slides[8] = {};
    DirectionTypes() {
        for (int t = 1; t < kTypeCount; ++t)
            for (int d = 0; d < 8; ++d) {
                if (kTypeMoves[t].steps & (1 << d)) steps[d] |= static_cast<std::uint16_t>(1 << t);
                if (kTypeMoves[t].slides & (1 << d)) slides[d] |= static_cast<std::uint16_t>(1 << t);
            }
    }
};

void findCheckSquares(const Board& b, CheckSquares& out) {
    static const DirectionTypes byDirection;
    std::memset(out.types, 0, sizeof out.types);
    const int us = b.side;
    const int king = b.king[us ^ 1];
    for (int d = 0; d < 8; ++d) {
        // A piece moving by `delta` reaches the king from king - delta * k.
        const int delta = us == kLower ? kDelta[d] : -kDelta[d];
        int s = king - delta;
        if (b.sq[s] == kWall) continue;
        out.types[s] |= byDirection.steps[d] | byDirection.slides[d];
        if (b.sq[s] != 0) continue;
        for (s -= delta; b.sq[s] != kWall; s -= delta) {
            out.types[s] |= byDirection.slides[d];
            if (b.sq[s] != 0) break;
        }
    }
    const int base = king + (us == kLower ? 22 : -22);
    for (const int s : {base - 1, base + 1})
        if (s > 0 && s < kSquares && b.sq[s] != kWall) out.types[s] |= 1 << kN;
}

// Whether the board move m attacks the opponent's king, which is not
// attacked before it: either the piece reaches the king from its new square,
// or it uncovers a slider of its side behind its old square. (A piece whose
// old square lies between its new one and the king on an open line would
// already attack the king if it could from the new one.)
bool boardMoveChecks(const Board& b, const CheckSquares& checks, Move m) {
    const int us = b.side;
    const int king = b.king[us ^ 1];
    const int from = moveFrom(m), to = moveTo(m);
    const int pc = b.sq[from];
    const int type = isPromotion(m) ? kPromoted[typeOf(pc)] : typeOf(pc);
    if (checks.types[to] & (1 << type)) return true;
    const int dx = fileOf(from) - fileOf(king), dy = rankOf(from) - rankOf(king);
    const int ax = dx < 0 ? -dx : dx, ay = dy < 0 ? -dy : dy;
    if (!(ax == 0 || ay == 0 || ax == ay)) return false;
    // Uncovered: the first piece beyond the old square, on the line from the
    // king, is a slider of ours moving towards the king (unless the piece
    // stays on that line between them).
    const int step = (dy > 0 ? 11 : dy < 0 ? -11 : 0) + (dx > 0 ? 1 : dx < 0 ? -1 : 0);
    int s = king + step;
    while (s != to && (s == from || b.sq[s] == 0)) s += step;
    const int q = b.sq[s];
    if (s == to || q == kWall || colourOf(q) != us) return false;
    for (int d = 0; d < 8; ++d)
        if ((us == kLower ? kDelta[d] : -kDelta[d]) == -step) return (kTypeMoves[typeOf(q)].slides & (1 << d)) != 0;
    return false;
}

// Whether the king of the side to move, stepping by m, lands on a square the
// opponent does not reach (lines through the square it leaves included).
bool kingStepSafe(Board& b, Move m) {
    const int from = moveFrom(m);
    const std::uint8_t king = b.sq[from];
    b.sq[from] = 0;
    const bool safe = !b.attacked(moveTo(m), b.side ^ 1);
    b.sq[from] = king;
    return safe;
}

// Whether m leaves the mover's king unattacked, found by playing it.
bool leavesKingSafe(Board& b, Move m) {
    const int us = b.side;
    b.make(m);
    const bool safe = !b.kingAttacked(us);
    b.unmake(m);
    return safe;
}

}  // namespace

void generateChecks(Board& b, MoveBuffer& scratch, MateChildren& out) {
    out.size = 0;
    const int us = b.side;
    CheckSquares checks;
    findCheckSquares(b, checks);
    generateBoardMoves(b, scratch);
    for (int i = 0; i < scratch.size; ++i)
        if (boardMoveChecks(b, checks, scratch.moves[i])) keep(b, scratch.moves[i], true, out);
    // Drops uncover nothing: a drop checks exactly from the empty squares
    // whence the dropped piece reaches the king.
    for (int t = kR; t >= kP; --t) {
        if (b.hand[us][t] == 0) continue;
        for (int s = 0; s < kSquares; ++s)
            if ((checks.types[s] & (1 << t)) && b.sq[s] == 0 && mayDrop(b, t, s)) keep(b, makeDrop(t, s), true, out);
    }
}

void generateEvasions(Board& b, MoveBuffer& scratch, MateChildren& out) {
    out.size = 0;
    const int us = b.side, them = us ^ 1;
    const int k = b.king[us];
    // The squares where a piece other than the king can end an attack: the
    // attackers' own (by taking them) and those between a sliding attacker
    // and the king (by standing in its way; the only squares for a drop).
    bool block[kSquares] = {};
    bool answer[kSquares] = {};
    for (int d = 0; d < 8; ++d) {
        const int delta = kDelta[d];
        int t = k + delta;
        while (b.sq[t] == 0) t += delta;
        const int pc = b.sq[t];
        if (pc == kWall || colourOf(pc) != them) continue;
        const int bit = 1 << (them == kLower ? kOpposite[d] : d);
        const TypeMoves& tm = kTypeMoves[typeOf(pc)];
        if (t == k + delta ? !((tm.steps | tm.slides) & bit) : !(tm.slides & bit)) continue;
        answer[t] = true;
        for (int u = k + delta; u != t; u += delta) block[u] = answer[u] = true;
    }
    const int knight = makePiece(them, kN);
    const int base = k + (them == kLower ? 22 : -22);
    for (const int s : {base - 1, base + 1})
        if (s > 0 && s < kSquares && b.sq[s] == knight) answer[s] = true;

    generateBoardMoves(b, scratch);
    for (int i = 0; i < scratch.size; ++i) {
        const Move m = scratch.moves[i];
        if (moveFrom(m) == k ? kingStepSafe(b, m) : answer[moveTo(m)] && leavesKingSafe(b, m)) keep(b, m, false, out);
    }
    for (int t = kR; t >= kP; --t) {
        if (b.hand[us][t] == 0) continue;
        for (int s = 0; s < kSquares; ++s)
            if (block[s] && mayDrop(b, t, s) && leavesKingSafe(b, makeDrop(t, s))) keep(b, makeDrop(t, s), false, out);
    }
}

}  // namespace xantu::search
