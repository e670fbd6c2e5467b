#include "search/eval.h"

#include <cstdlib>

#include "search/weights.h"

namespace xantu::search {

static_assert(sizeof(kTunedWeights) / sizeof(kTunedWeights[0]) == feature::kCount,
              "search/weights.h does not match the feature layout");

int gWeights[feature::kCount];

const int kOrderValue[kTypeCount] = {0, 8, 3, 4, 5, 6, 7, 8, 20, 12, 6, 6, 6, 9, 10};

int gPieceSquare[2][kTypeCount][kSquares];
int gHandValue[8];
int gCaptureValue[kTypeCount];

namespace {

inline int relativeRank(int colour, int sq) { return colour == kLower ? 9 - rankOf(sq) : rankOf(sq) - 1; }
inline int centreDistance(int sq) {
    const int x = fileOf(sq);
    return x - 1 < 9 - x ? x - 1 : 9 - x;
}
// King distance between two squares of the board.
std::uint8_t gDistance[kSquares][kSquares];
inline int chebyshev(int a, int b) { return gDistance[a][b]; }

struct Loader {
    Loader() {
        for (int a = 0; a < kSquares; ++a)
            for (int b = 0; b < kSquares; ++b) {
                const int dx = std::abs(fileOf(a) - fileOf(b)), dy = std::abs(rankOf(a) - rankOf(b));
                gDistance[a][b] = static_cast<std::uint8_t>(dx > dy ? dx : dy);
            }
        for (int i = 0; i < feature::kCount; ++i) gWeights[i] = kTunedWeights[i];
        refreshEvalTables();
    }
} loader;

// One walk over the position feeding a sink; the evaluation and the tuner's
// feature extraction share it, so they cannot disagree.
template <class Sink>
inline void scan(const Board& b, Sink& sink) {
    int attackers[2] = {0, 0};
    for (int y = 1; y <= 9; ++y)
        for (int s = squareOf(1, y), end = squareOf(9, y); s <= end; ++s) {
            const int pc = b.sq[s];
            if (pc == 0) continue;
            const int c = colourOf(pc), t = typeOf(pc);
            sink.piece(c, t, s);
            const int enemyKing = b.king[c ^ 1];
            if (enemyKing != 0 && t != kK && chebyshev(s, enemyKing) <= 2) {
                sink.add(c, feature::kKingAttack + t, 1);
                ++attackers[c];
            }
            const int ownKing = b.king[c];
            if (ownKing != 0 && t != kK && chebyshev(s, ownKing) <= 1) sink.add(c, feature::kKingDefence + t, 1);
            const int slides = kTypeMoves[t].slides;
            if (slides) {
                int reach = 0;
                for (int d = 0; d < 8; ++d) {
                    if (!(slides & (1 << d))) continue;
                    const int delta = c == kLower ? kDelta[d] : -kDelta[d];
                    for (int to = s + delta;; to += delta) {
                        const int q = b.sq[to];
                        if (q == 0) {
                            ++reach;
                            continue;
                        }
                        if (q != kWall && colourOf(q) != c) ++reach;
                        break;
                    }
                }
                sink.add(c, feature::kMobility + t, reach);
            }
        }
    for (int c = 0; c < 2; ++c) {
        int inHand = 0;
        for (int k = 1; k <= 7; ++k) {
            if (b.hand[c][k]) sink.hand(c, k, b.hand[c][k]);
            inHand += b.hand[c][k];
        }
        const int a = attackers[c] + (inHand < 6 ? inHand : 6);
        sink.add(c, feature::kAttackSquared, a * a);
    }
}

// Material and piece-square terms come from the board's running sums.
struct ScoreSink {
    int total[2] = {0, 0};
    void piece(int, int, int) {}
    void hand(int, int, int) {}
    void add(int c, int index, int n) { total[c] += gWeights[index] * n; }
};

struct FeatureSink {
    int value[feature::kCount] = {};
    void piece(int c, int t, int s) {
        const int sign = c == kLower ? 1 : -1;
        value[feature::kMaterial + t] += sign;
        value[feature::kRank + t * 9 + relativeRank(c, s)] += sign;
        value[feature::kFile + t * 5 + centreDistance(s)] += sign;
    }
    void hand(int c, int k, int n) { add(c, feature::kHand + k, n); }
    void add(int c, int index, int n) { value[index] += c == kLower ? n : -n; }
};

}  // namespace

void refreshEvalTables() {
    for (int k = 0; k < 8; ++k) gHandValue[k] = gWeights[feature::kHand + k];
    for (int t = 1; t < kTypeCount; ++t)
        gCaptureValue[t] = t == kK ? 30000 : gWeights[feature::kMaterial + t] + gHandValue[kUnpromoted[t]];
    for (int c = 0; c < 2; ++c)
        for (int t = 1; t < kTypeCount; ++t)
            for (int y = 1; y <= 9; ++y)
                for (int x = 1; x <= 9; ++x) {
                    const int s = squareOf(x, y);
                    gPieceSquare[c][t][s] = gWeights[feature::kMaterial + t] +
                                            gWeights[feature::kRank + t * 9 + relativeRank(c, s)] +
                                            gWeights[feature::kFile + t * 5 + centreDistance(s)];
                }
}

int evaluate(const Board& b) {
    ScoreSink sink;
    scan(b, sink);
    const int us = b.side;
    return sink.total[us] - sink.total[us ^ 1] + b.psq[us] - b.psq[us ^ 1] + gWeights[feature::kTempo];
}

int extractFeatures(const Board& b, std::int16_t* index, std::int16_t* value) {
    FeatureSink sink;
    scan(b, sink);
    int n = 0;
    for (int i = 0; i < feature::kCount; ++i)
        if (sink.value[i] != 0) {
            index[n] = static_cast<std::int16_t>(i);
            value[n] = static_cast<std::int16_t>(sink.value[i]);
            ++n;
        }
    return n;
}

}  // namespace xantu::search
