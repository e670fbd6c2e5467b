#pragma once
// The computer's measuring tools: turn-start analyses of the Position and
// the per-candidate examinations the evaluation adds or subtracts.
// In the names 自 means MAN (the lower side) and COM the computer.
#include "computer/eval_context.h"
#include "computer/score.h"
#include "computer/turn_state.h"
#include "core/position.h"
#include "influence/influence_map.h"

namespace xantu {

// --- Turn-start analyses (they also serve single evaluations) ---

// Empty squares around MAN's king that no COM piece reaches (0..8).
int 調査_自王逃道(const Position& p, const InfluenceMap& m);

// Fills t.manBishopCheckSquares: 1 on each empty square that COM does not
// reach and from which a MAN bishop would reach COM's king; every other
// square (occupied ones included) gets 0. Needs t.pawnFiles.
void 調査_持角狙座標(const Position& p, const InfluenceMap& m, TurnState& t);

// Fills t.manPinned, t.comPinned and t.comPinExists: a piece is pinned when,
// lifted off, an opposing lance, bishop, horse, rook or dragon would reach
// its own king. The board is restored before the return.
void 調査_移動不可駒(Position& p, TurnState& t);

// --- Per-candidate examinations (on the Position after the candidate) ---

// Destinations of 移動駒 from (移動元X, 移動元Y) that the other side does
// not reach. The piece need not stand on the origin.
int 調査_移動可場所数(const EvalContext& e, int 移動元X, int 移動元Y, int 移動駒);

// Minus one point for each COM bishop, horse, rook, dragon or king on the
// eight squares around (≤ 0).
Score 調査_周辺状況(const EvalContext& e, int 移動先X, int 移動先Y);

// What a COM knight drop could fork beside a COM pawn or lance just moved
// to the square while a MAN major piece attacks it (≥ 0).
Score 調査_桂狙い(const EvalContext& e, int 移動先X, int 移動先Y);

// What a COM lance could win down the file from a COM pawn just moved to
// the square (≥ 0).
Score 調査_香狙い(const EvalContext& e, int 移動先X, int 移動先Y);

// Is the square backed by a MAN lance, rook or dragon further down its
// column? The piece on the square is lifted during the test.
bool 調査_自守駒MAN_直進駒(const EvalContext& e, int 入力X, int 入力Y);

// Penalty (≥ 0, the piece's value) when a MAN bishop or horse standing on
// (移動元X, 移動元Y) could go on to a square from which a MAN bishop would
// check COM's king (along a free diagonal, or by one horse step), and MAN
// can bring a bishop there from the board or from its hand.
Score 盤評価_自角注意_COM(const EvalContext& e, int 移動元X, int 移動元Y, int 移動駒);

// The scan of all 81 squares for COM's weaknesses and hanging MAN pieces.
Score 盤評価_COM危険座標(const EvalContext& e, int 移動駒, int COM移動先X, int COM移動先Y);

}  // namespace xantu
