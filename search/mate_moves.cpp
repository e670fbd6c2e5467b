#include "search/mate_moves.h"

#include <cstring>

namespace xantu::search {

namespace {

// The promotion rules as the move generator applies them.
inline bool inZone(int colour, int s) { return colour == kLower ? rankOf(s) <= 3 : rankOf(s) >= 7; }
inline int farRank(int colour, int s) { return colour == kLower ? rankOf(s) : 10 - rankOf(s); }
inline bool canPromote(int type) { return type != kNoType && type <= kR && type != kG; }
inline bool mustPromote(int colour, int type, int to) {
    return (type == kL && farRank(colour, to) == 1) || (type == kN && farRank(colour, to) <= 2);
}

// Calls emit(move, type after the move) for each form of the board move
// from -> to that the rules allow: promoted, and unpromoted unless the piece
// would be left without a move.
template <class Emit>
void forEachForm(int colour, int type, int from, int to, Emit&& emit) {
    if (canPromote(type) && (inZone(colour, to) || inZone(colour, from))) {
        emit(makeMove(from, to, true), kPromoted[type]);
        if (!mustPromote(colour, type, to)) emit(makeMove(from, to, false), type);
        return;
    }
    emit(makeMove(from, to, false), type);
}

// Calls f(to) for each square the piece on `from` may move to.
template <class F>
void forEachTarget(const Board& b, int from, F&& f) {
    const int pc = b.sq[from];
    const int us = colourOf(pc), type = typeOf(pc);
    if (type == kN) {
        const int base = from + (us == kLower ? -22 : 22);
        for (const int to : {base - 1, base + 1}) {
            const int t = b.sq[to];
            if (t != kWall && (t == 0 || colourOf(t) != us)) f(to);
        }
        return;
    }
    const TypeMoves& tm = kTypeMoves[type];
    for (int d = 0; d < 8; ++d) {
        const int bit = 1 << d;
        if (!((tm.steps | tm.slides) & bit)) continue;
        const int delta = us == kLower ? kDelta[d] : -kDelta[d];
        for (int to = from + delta;; to += delta) {
            const int t = b.sq[to];
            if (t == kWall || (t != 0 && colourOf(t) == us)) break;
            f(to);
            if (t != 0 || !(tm.slides & bit)) break;
        }
    }
}

// Calls f(from) for each piece of `colour` that may move to s (a square that
// is empty or holds a piece of the other side): the same lines as
// Board::attacked looks along.
template <class F>
void forEachMoverTo(const Board& b, int colour, int s, F&& f) {
    for (int d = 0; d < 8; ++d) {
        const int delta = kDelta[d];
        const int bit = 1 << (colour == kLower ? kOpposite[d] : d);
        int t = s + delta;
        const int pc = b.sq[t];
        if (pc != 0) {
            if (pc != kWall && colourOf(pc) == colour) {
                const TypeMoves& tm = kTypeMoves[typeOf(pc)];
                if ((tm.steps | tm.slides) & bit) f(t);
            }
            continue;
        }
        for (t += delta;; t += delta) {
            const int q = b.sq[t];
            if (q == 0) continue;
            if (q != kWall && colourOf(q) == colour && (kTypeMoves[typeOf(q)].slides & bit)) f(t);
            break;
        }
    }
    const int knight = makePiece(colour, kN);
    const int base = s + (colour == kLower ? 22 : -22);
    for (const int from : {base - 1, base + 1})
        if (from > 0 && from < kSquares && b.sq[from] == knight) f(from);
}

// Whether the side to move may drop a piece of `type` on the empty square s.
bool mayDrop(const Board& b, int type, int s) {
    const int us = b.side;
    if (type == kP) return b.pawnsOnFile[us][fileOf(s)] == 0;
    if (type == kL) return farRank(us, s) > 1;
    if (type == kN) return farRank(us, s) > 2;
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

void generateChecks(Board& b, MateChildren& out) {
    out.size = 0;
    const int us = b.side;
    const int king = b.king[us ^ 1];
    // As the king is not attacked, a move checks when its piece attacks the
    // king from its new square (the table below; a piece whose old square
    // lies between the new one and the king would already attack it), or
    // when it leaves a line between the king and a slider of ours.
    CheckSquares checks;
    findCheckSquares(b, checks);
    bool uncovers[kSquares] = {};
    for (int d = 0; d < 8; ++d) {
        const int step = kDelta[d];
        int s = king + step;
        while (b.sq[s] == 0) s += step;
        if (b.sq[s] == kWall || colourOf(b.sq[s]) != us) continue;
        int slider = s + step;
        while (b.sq[slider] == 0) slider += step;
        const int q = b.sq[slider];
        // q moves towards the king by -step.
        if (q == kWall || colourOf(q) != us ||
            !(kTypeMoves[typeOf(q)].slides & (1 << (us == kLower ? kOpposite[d] : d))))
            continue;
        uncovers[s] = true;
        const int from = s, type = typeOf(b.sq[from]);
        forEachTarget(b, from, [&](int to) {
            bool onLine = false;
            for (int u = king + step; u != slider; u += step) onLine = onLine || u == to;
            forEachForm(us, type, from, to, [&](Move m, int placed) {
                if (!onLine || (checks.types[to] & (1 << placed))) keep(b, m, true, out);
            });
        });
    }
    for (int to = 0; to < kSquares; ++to) {
        const int mask = checks.types[to];
        if (mask == 0 || (b.sq[to] != 0 && colourOf(b.sq[to]) == us)) continue;
        forEachMoverTo(b, us, to, [&](int from) {
            if (uncovers[from]) return;
            forEachForm(us, typeOf(b.sq[from]), from, to, [&](Move m, int placed) {
                if (mask & (1 << placed)) keep(b, m, true, out);
            });
        });
    }
    // Drops uncover nothing: a drop checks exactly from the empty squares
    // whence the dropped piece reaches the king.
    for (int t = kR; t >= kP; --t) {
        if (b.hand[us][t] == 0) continue;
        for (int s = 0; s < kSquares; ++s)
            if ((checks.types[s] & (1 << t)) && b.sq[s] == 0 && mayDrop(b, t, s)) keep(b, makeDrop(t, s), true, out);
    }
}

void generateEvasions(Board& b, MateChildren& out) {
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

    forEachTarget(b, k, [&](int to) {
        const Move m = makeMove(k, to, false);
        if (kingStepSafe(b, m)) keep(b, m, false, out);
    });
    for (int to = 0; to < kSquares; ++to) {
        if (!answer[to]) continue;
        forEachMoverTo(b, us, to, [&](int from) {
            if (from == k) return;
            forEachForm(us, typeOf(b.sq[from]), from, to, [&](Move m, int) {
                if (leavesKingSafe(b, m)) keep(b, m, false, out);
            });
        });
    }
    for (int t = kR; t >= kP; --t) {
        if (b.hand[us][t] == 0) continue;
        for (int s = 0; s < kSquares; ++s)
            if (block[s] && mayDrop(b, t, s) && leavesKingSafe(b, makeDrop(t, s))) keep(b, makeDrop(t, s), false, out);
    }
}

bool hasAnyMove(const Board& b, MoveBuffer& scratch) {
    const int k = b.king[b.side];
    bool found = false;
    if (k != 0) forEachTarget(b, k, [&](int) { found = true; });
    if (found) return true;
    generateAll(b, scratch);
    return scratch.size > 0;
}

}  // namespace xantu::search
