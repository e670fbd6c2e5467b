#include "search/movegen.h"

namespace xantu::search {

namespace {

inline bool inZone(int colour, int sq) {
    const int r = rankOf(sq);
    return colour == kLower ? r <= 3 : r >= 7;
}

// Ranks counted from the mover's far edge: 1 is the last rank.
inline int farRank(int colour, int sq) { return colour == kLower ? rankOf(sq) : 10 - rankOf(sq); }

inline bool canPromote(int type) { return type <= kR && type != kG && type != kNoType; }

inline bool mustPromote(int colour, int type, int to) {
    if (type == kL) return farRank(colour, to) == 1;
    if (type == kN) return farRank(colour, to) <= 2;
    return false;
}

template <bool Tactical>
inline void addBoardMove(int us, int type, int from, int to, bool capture, bool promotions, MoveBuffer& out) {
    if (canPromote(type) && (inZone(us, to) || inZone(us, from))) {
        if (Tactical) {
            // Quiescence takes the promoted choice only, and promotes without
            // a capture only the pieces that gain most by it.
            if (capture || (promotions && (type == kP || type == kB || type == kR))) out.add(makeMove(from, to, true));
            return;
        }
        out.add(makeMove(from, to, true));
        if (!mustPromote(us, type, to)) out.add(makeMove(from, to, false));
        return;
    }
    if (!Tactical || capture) out.add(makeMove(from, to, false));
}

template <bool Tactical>
void generate(const Board& b, MoveBuffer& out, bool promotions) {
    const int us = b.side;
    const int knightBase = us == kLower ? -22 : 22;
    for (int y = 1; y <= 9; ++y)
        for (int from = squareOf(1, y), end = squareOf(9, y); from <= end; ++from) {
            const int pc = b.sq[from];
            if (pc == 0 || colourOf(pc) != us) continue;
            const int type = typeOf(pc);
            if (type == kN) {
                for (int to : {from + knightBase - 1, from + knightBase + 1}) {
                    const int t = b.sq[to];
                    if (t == kWall || (t != 0 && colourOf(t) == us)) continue;
                    addBoardMove<Tactical>(us, type, from, to, t != 0, promotions, out);
                }
                continue;
            }
            const TypeMoves& tm = kTypeMoves[type];
            for (int d = 0; d < 8; ++d) {
                const int bit = 1 << d;
                if (!((tm.steps | tm.slides) & bit)) continue;
                const int delta = us == kLower ? kDelta[d] : -kDelta[d];
                const bool slide = tm.slides & bit;
                for (int to = from + delta;; to += delta) {
                    const int t = b.sq[to];
                    if (t == kWall || (t != 0 && colourOf(t) == us)) break;
                    // Captures only: a step onto an empty square adds nothing.
                    if (!Tactical || t != 0 || promotions)
                        addBoardMove<Tactical>(us, type, from, to, t != 0, promotions, out);
                    if (t != 0 || !slide) break;
                }
            }
        }
    if (Tactical) return;
    const std::uint8_t* hand = b.hand[us];
    int kinds[7], nk = 0;
    for (int t = kR; t >= kP; --t)
        if (hand[t]) kinds[nk++] = t;
    if (nk == 0) return;
    for (int y = 1; y <= 9; ++y) {
        const int far = us == kLower ? y : 10 - y;
        for (int x = 1; x <= 9; ++x) {
            const int to = squareOf(x, y);
            if (b.sq[to] != 0) continue;
            for (int i = 0; i < nk; ++i) {
                const int t = kinds[i];
                if (t == kP && b.pawnsOnFile[us][x]) continue;
                if (t == kL && far == 1) continue;
                if (t == kN && far <= 2) continue;
                out.add(makeDrop(t, to));
            }
        }
    }
}

}  // namespace

void generateAll(const Board& b, MoveBuffer& out) {
    out.size = 0;
    generate<false>(b, out, true);
}

void generateTactical(const Board& b, MoveBuffer& out, bool withPromotions) {
    out.size = 0;
    generate<true>(b, out, withPromotions);
}

bool reaches(const Board& b, int colour, int type, int from, int to) {
    if (type == kN) {
        const int base = from + (colour == kLower ? -22 : 22);
        return to == base - 1 || to == base + 1;
    }
    const TypeMoves& tm = kTypeMoves[type];
    for (int d = 0; d < 8; ++d) {
        const int bit = 1 << d;
        if (!((tm.steps | tm.slides) & bit)) continue;
        const int delta = colour == kLower ? kDelta[d] : -kDelta[d];
        for (int s = from + delta;; s += delta) {
            if (s == to) return true;
            if (b.sq[s] != 0 || !(tm.slides & bit)) break;
        }
    }
    return false;
}

bool isPseudoLegal(const Board& b, Move m) {
    const int us = b.side, to = moveTo(m);
    const auto onBoard = [&](int s) { return s < kSquares && b.sq[s] != kWall; };
    if (!onBoard(to)) return false;
    const int far = farRank(us, to);
    if (isDrop(m)) {
        const int t = moveDropType(m);
        if (t > kR || m != makeDrop(t, to) || !b.hand[us][t] || b.sq[to] != 0) return false;
        if (t == kP && b.pawnsOnFile[us][fileOf(to)]) return false;
        return !(t == kL && far == 1) && !(t == kN && far <= 2);
    }
    const int from = moveFrom(m);
    if (from == 0 || !onBoard(from) || m != makeMove(from, to, isPromotion(m))) return false;
    const int pc = b.sq[from], target = b.sq[to];
    if (pc == 0 || colourOf(pc) != us || (target != 0 && colourOf(target) == us)) return false;
    const int type = typeOf(pc);
    if (isPromotion(m) ? !(canPromote(type) && (inZone(us, to) || inZone(us, from))) : mustPromote(us, type, to))
        return false;
    return reaches(b, us, type, from, to);
}

void keepEvasions(Board& b, MoveBuffer& list) {
    const int us = b.side, them = us ^ 1;
    const int k = b.king[us];
    // A drop cannot take the attacker, only stand in a slider's way.
    bool block[kSquares] = {};
    for (int d = 0; d < 8; ++d) {
        const int delta = kDelta[d];
        int t = k + delta;
        while (b.sq[t] == 0) t += delta;
        const int pc = b.sq[t];
        if (t == k + delta || pc == kWall || colourOf(pc) != them) continue;
        const int bit = 1 << (them == kLower ? kOpposite[d] : d);
        if (!(kTypeMoves[typeOf(pc)].slides & bit)) continue;
        for (int u = k + delta; u != t; u += delta) block[u] = true;
    }
    int kept = 0;
    for (int i = 0; i < list.size; ++i) {
        const Move m = list.moves[i];
        if (isDrop(m) && !block[moveTo(m)]) continue;
        b.make(m);
        const bool safe = !b.attacked(b.king[us], them);
        b.unmake(m);
        if (safe) list.moves[kept++] = m;
    }
    list.size = kept;
}

Move kingCapture(const Board& b) {
    const int them = b.side ^ 1;
    const int target = b.king[them];
    if (target == 0 || !b.attacked(target, b.side)) return 0;
    MoveBuffer list;
    generateTactical(b, list, false);
    for (int i = 0; i < list.size; ++i)
        if (moveTo(list.moves[i]) == target) return list.moves[i];
    return 0;
}

Move parseUsiMove(const Board& b, const std::string& text) {
    MoveBuffer list;
    generateAll(b, list);
    for (int i = 0; i < list.size; ++i)
        if (b.usi(list.moves[i]) == text) return list.moves[i];
    return 0;
}

}  // namespace xantu::search
