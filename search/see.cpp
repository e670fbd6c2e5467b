#include "search/see.h"

#include "search/eval.h"

namespace xantu::search {

namespace {

// The pieces that reach the target square: on each of the eight rays from it
// the nearest piece not yet used (those behind it wait their turn), and the
// knights on the two squares each side jumps from. Nothing is written to the
// board: a piece that has taken part is skipped by moving its ray's front on.
class Exchange {
public:
    Exchange(const Board& b, int to) : b_(b), to_(to) {
        for (int d = 0; d < 8; ++d) front_[d] = next(to, kDelta[d]);
        knight_[kLower][0] = to + 22 - 1;
        knight_[kLower][1] = to + 22 + 1;
        knight_[kUpper][0] = to - 22 - 1;
        knight_[kUpper][1] = to - 22 + 1;
    }

    // The least valuable piece of `colour` that can take on the target now:
    // a slot (0..7 a ray, 8 and 9 the knight squares), or -1 when none.
    int least(int colour, int& type) const {
        int slot = -1, best = 0;
        for (int d = 0; d < 8; ++d) {
            const int s = front_[d];
            const int pc = b_.sq[s];
            if (pc == kWall || colourOf(pc) != colour) continue;
            // The piece moves from s back towards the target: for the upper
            // side that is direction d itself as seen by the lower side.
            const int bit = 1 << (colour == kLower ? kOpposite[d] : d);
            const TypeMoves& tm = kTypeMoves[typeOf(pc)];
            const int reach = s == to_ + kDelta[d] ? tm.steps | tm.slides : tm.slides;
            if (!(reach & bit)) continue;
            const int v = gCaptureValue[typeOf(pc)];
            if (slot < 0 || v < best) slot = d, best = v;
        }
        const int knight = makePiece(colour, kN);
        for (int k = 0; k < 2; ++k) {
            const int s = knight_[colour][k];
            if (s != 0 && b_.sq[s] == knight && (slot < 0 || gCaptureValue[kN] < best)) {
                slot = 8 + k;
                best = gCaptureValue[kN];
            }
        }
        if (slot >= 0) type = slot < 8 ? typeOf(b_.sq[front_[slot]]) : kN;
        return slot;
    }

    // The piece in `slot` has left for the target square.
    void remove(int colour, int slot) {
        if (slot < 8)
            front_[slot] = next(front_[slot], kDelta[slot]);
        else
            knight_[colour][slot - 8] = 0;
    }

    // The piece on `from` has left (the first move of the exchange).
    void removeSquare(int from) {
        for (int d = 0; d < 8; ++d)
            if (front_[d] == from) {
                front_[d] = next(from, kDelta[d]);
                return;
            }
        for (int c = 0; c < 2; ++c)
            for (int k = 0; k < 2; ++k)
                if (knight_[c][k] == from) knight_[c][k] = 0;
    }

private:
    int next(int s, int delta) const {
        s += delta;
        while (b_.sq[s] == 0) s += delta;
        return s;
    }

    const Board& b_;
    int to_;
    int front_[8];
    int knight_[2][2];
};

}  // namespace

bool seeGE(const Board& b, Move m, int threshold) {
    const int to = moveTo(m);
    int moved;
    int gain = 0;
    if (isDrop(m)) {
        moved = moveDropType(m);
    } else {
        moved = typeOf(b.sq[moveFrom(m)]);
        if (b.sq[to] != 0) gain = gCaptureValue[typeOf(b.sq[to])];
        if (isPromotion(m)) {
            gain += gWeights[feature::kMaterial + kPromoted[moved]] - gWeights[feature::kMaterial + moved];
            moved = kPromoted[moved];
        }
    }
    // `balance` is the side to move's gain over the threshold if the exchange
    // stopped here, negated at each turn so that it is always the view of the
    // side that just moved; `res` is whether that side reaches the threshold.
    int balance = gain - threshold;
    if (balance < 0) return false;  // even unanswered, the move gains too little
    balance = gCaptureValue[moved] - balance;
    if (balance <= 0) return true;  // even losing the piece keeps the threshold

    Exchange x(b, to);
    if (!isDrop(m)) x.removeSquare(moveFrom(m));
    int colour = b.side;
    int res = 1;
    for (;;) {
        colour ^= 1;
        int type = 0;
        const int slot = x.least(colour, type);
        if (slot < 0) break;
        res ^= 1;
        x.remove(colour, slot);
        // The king takes only where nothing can take it back.
        if (type == kK) {
            int unused;
            return x.least(colour ^ 1, unused) >= 0 ? res ^ 1 : res;
        }
        balance = gCaptureValue[type] - balance;
        if (balance < res) break;
    }
    return res != 0;
}

}  // namespace xantu::search
