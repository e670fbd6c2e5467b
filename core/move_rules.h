#pragma once
#include "core/game_state.h"
#include "core/position.h"

namespace xantu {

// Files one captured piece into the capturer's hand (always unpromoted); a
// captured king instead decides the game through winnerSide.
void 駒取得(Position& p, GameState& g, int 取得駒);

// Changes the Position for a move the move check allowed (no drawing): the
// capture with its hand total, the destination, the lower king's square, the
// origin (or the hand the drop came from). 移動駒 is the code that will stand
// on the destination. Returns the captured code (0 for none).
int 駒移動_局面(Position& p, GameState& g, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒);

// 1 when the move may promote (and O_成駒 gets the promoted code), else 0.
// A drop never promotes. 移動先X is not used.
int 調査_駒成(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒種類, int& O_成駒);

// 0 when the piece arriving unpromoted on rank 移動先Y would have no move
// left (a lance on the far rank, a knight on the last two), else 1. The move
// check applies the same rule to drops. Inline: the move check is hot.
inline int 移動後チェック(int 移動先Y, int 移動駒種類) {
    switch (移動駒種類) {
    case kLance: return 移動先Y == 9 ? 0 : 1;
    case kKnight: return 移動先Y >= 8 ? 0 : 1;
    case -kLance: return 移動先Y == 1 ? 0 : 1;
    case -kKnight: return 移動先Y <= 2 ? 0 : 1;
    default: return 1;
    }
}

// Recomputes both sides' two-pawn flags from the board (promoted pawns do not count).
void 調査_2歩フラグ設定(const Position& p, PawnFiles& f);

}  // namespace xantu
