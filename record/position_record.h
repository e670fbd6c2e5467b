#pragma once
// A game known only by its Positions, made into a game record. A record file
// (.棋譜) holds a Position per move and no moves, and so does the unfinished
// game kept for the next start; their moves are found here, once, when such a
// game is loaded, by comparing each Position with the next. Everything else
// takes its moves from the game record.
#include "record/game_record.h"
#include "record/move_list.h"

namespace xantu {

struct PositionRecord {
    GameRecord game;
    // The first step (from 1) that is not one move of the rules' kind (a
    // file made by hand, say): the game's current line ends before it. 0
    // when every step is a move.
    int badMove = 0;
};

// Entries 0 … `last` of the list, then `end` when given (the Position after
// the last move of a game under way, which the list does not hold). Each
// move keeps the clock values of the entry it was made from. The start is
// entry 0; who sat where is set as 設定_先手 does with `lowerSideOrder`.
PositionRecord 作成_局面列の棋譜(const MoveList& list, int last, const Position* end, int lowerSideOrder);

}  // namespace xantu
