#pragma once
// Static exchange evaluation: what a move wins or loses in material if both
// sides then keep capturing on its destination square, each with its least
// valuable piece first, and each free to stop when going on would cost it.
#include "search/board.h"

namespace xantu::search {

// Whether the exchange that `m` starts (by the side to move) gains at least
// `threshold` centipawns, counted with the evaluation's capture values (the
// piece lost from the board plus the same kind gained in hand).
// - Sliders behind a piece that has taken part join in as it leaves (x-rays);
//   knights jump in from their two squares.
// - The king takes part last, and only where the other side has nothing left
//   to take it with.
// - A drop or a quiet move is an exchange that starts by gaining nothing: the
//   question is then whether the piece is lost where it stands. Only board
//   moves take part after the first move (a drop cannot capture).
// - A promotion counts on the first move only (its gain in material, and the
//   promoted piece's value when it is taken); a recapture never promotes.
// - Pins are not seen: a piece that may not leave its square in a real game
//   still takes part.
bool seeGE(const Board& b, Move m, int threshold);

}  // namespace xantu::search
