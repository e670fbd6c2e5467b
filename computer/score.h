#pragma once
#include <string>

namespace xantu {

// An evaluation score as an exact decimal with one place, held in tenths:
// 12.5 is 125. The evaluation adds terms like 0.1, 0.5 and 0.6, and whole
// piece values; nothing finer ever occurs, so no binary fraction is needed.
using Score = int;  // tenths

inline constexpr Score kTenth = 1;
inline constexpr Score kPoint = 10;

// A whole number of points (a piece value, a count) as a Score.
inline constexpr Score points(int v) { return v * kPoint; }

// The sentinels of the evaluation.
inline constexpr Score kScoreKingCaptured = points(9999);  // MAN's king taken
inline constexpr Score kScoreMate = points(9998);          // MAN mated
inline constexpr Score kScoreRefused = points(-9998);      // own king left attacked, or a pawn mate
// Start value of the best score of a search: below every result.
inline constexpr Score kScoreNone = points(-99999);

// "-12.5", "0.0", "9998.0": sign, whole part, one decimal.
std::string formatScore(Score s);

}  // namespace xantu
