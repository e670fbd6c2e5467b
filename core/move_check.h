#pragma once
#include "core/position.h"

namespace xantu {

// The single rule authority. Looks only at the piece code given and the board
// (and the two-pawn flags for drops): not at whose turn it is, nor whether the
// origin really holds the piece. A move leaving one's own king attacked is
// allowed. 移動元X = 11 or -1 is a drop. Returns 1 (allowed) or 0.
int 移動チェック(const Position& p, const PawnFiles& f, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y,
                 int 移動駒種類);
// Rook geometry: same row or column, nothing strictly between.
int 移動チェック飛車(const Position& p, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
// Bishop geometry: same diagonal, nothing strictly between.
int 移動チェック角(const Position& p, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);

}  // namespace xantu
