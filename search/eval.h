#pragma once
// The LEVEL4 evaluation: a weighted sum of features, each counted for both
// sides and taken as "own minus enemy" from the side to move's view.
// Features: material on the board and in hand, piece-square terms by rank
// (counted from the owner's back rank) and by distance from the centre file,
// attackers near the enemy king and defenders beside one's own, a squared
// king-attack count, slider mobility, and the move itself (tempo). The
// weights live in search/weights.h, written by the tuning tool.
#include <cstdint>

#include "search/board.h"

namespace xantu::search {

namespace feature {
inline constexpr int kMaterial = 0;                            // by type (15)
inline constexpr int kHand = kMaterial + kTypeCount;           // by hand kind (8)
inline constexpr int kRank = kHand + 8;                        // type * 9 + rank from own back rank
inline constexpr int kFile = kRank + kTypeCount * 9;           // type * 5 + distance from the centre file
inline constexpr int kKingAttack = kFile + kTypeCount * 5;     // own pieces within 2 of the enemy king, by type
inline constexpr int kKingDefence = kKingAttack + kTypeCount;  // own pieces beside one's own king, by type
inline constexpr int kMobility = kKingDefence + kTypeCount;    // squares a slider reaches, by type
inline constexpr int kAttackSquared = kMobility + kTypeCount;  // (attackers near the enemy king + hand)^2
inline constexpr int kTempo = kAttackSquared + 1;
inline constexpr int kCount = kTempo + 1;
}  // namespace feature

// Score in centipawns from the side to move's view.
int evaluate(const Board& b);
// Material and piece-square terms alone (kept by the board), plus tempo.
inline int evaluateFast(const Board& b);

// The feature counts of a position as (index, own minus enemy from the lower
// side's view) pairs, for the tuner; returns how many were written (at most
// feature::kCount). The evaluation equals the dot product with the weights,
// negated when the upper side is to move (and the tempo term added).
int extractFeatures(const Board& b, std::int16_t* index, std::int16_t* value);

// Material values by type, for move ordering.
extern const int kOrderValue[kTypeCount];

// The weights in use; the tuner may replace them in its own process.
extern int gWeights[feature::kCount];
// Derived from the weights: piece value plus piece-square terms by colour,
// type and square, and the value of a piece in hand by kind.
extern int gPieceSquare[2][kTypeCount][kSquares];
extern int gHandValue[8];
extern int gCaptureValue[kTypeCount];  // what a capture of the type gains in material
void refreshEvalTables();              // after changing gWeights

}  // namespace xantu::search

namespace xantu::search {
inline int evaluateFast(const Board& b) { return b.psq[b.side] - b.psq[b.side ^ 1] + gWeights[feature::kTempo]; }
}  // namespace xantu::search
