#pragma once
#include "core/pieces.h"

namespace xantu {

// Where each hand kind (1 pawn .. 7 rook) stands in the two hand areas, and
// how a drop names its origin.
//
// The lower hand area (pseudo-column 11) shows kind k on row k + 2, pawn at
// the top; a drop from it names that row as its origin.
inline constexpr int lowerHandRow(int kind) { return kind + 2; }
inline constexpr int lowerHandKind(int row) { return row - 2; }

// The upper hand area (pseudo-column -1) shows kind k on row 8 - k, rook at
// the top; a drop from it names the kind itself as its origin, so a click
// on that area converts the screen row before the move is made.
inline constexpr int upperHandRow(int kind) { return 8 - kind; }
inline constexpr int upperHandKind(int row) { return 8 - row; }

// The 移動元Y a drop of `kind` from the hand area `handCol` names, and back.
inline constexpr int dropFromY(int handCol, int kind) { return handCol == kLowerHandCol ? lowerHandRow(kind) : kind; }
inline constexpr int dropKind(int fromX, int fromY) { return fromX == kLowerHandCol ? lowerHandKind(fromY) : fromY; }

}  // namespace xantu
