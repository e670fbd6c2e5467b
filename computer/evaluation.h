#pragma once
#include "computer/eval_context.h"
#include "computer/score.h"

namespace xantu {

// Scores one COM candidate already played on e.p (board(移動先) = 移動駒)
// with the influence map of the Position after it. 取得駒 is the code that
// stood on the destination (0 for none and for drops); 移動駒 the code now
// standing there; a drop has 移動元X = -1 and 移動元Y = the hand kind.
// Higher is better for COM. Sentinels: kScoreKingCaptured,
// kScoreMate, kScoreRefused. Leaves the board as it found it.
Score 盤評価(const EvalContext& e, int 取得駒, int 移動駒, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);

}  // namespace xantu
