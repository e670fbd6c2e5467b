#pragma once
// The moves of the game so far as the move-list panel shows them: one text
// per move ("▲７六歩(77)", "△同　奔(33)", "▲５五角打"), and which Position is
// on the board. Row k of the panel is the Position after k moves; row 0 is
// the starting Position.
#include <string>
#include <vector>

#include "core/game_state.h"
#include "core/position.h"
#include "record/move_list.h"

namespace xantu {

struct MoveListView {
    bool game = false;               // false: no game and no record, nothing to list
    std::vector<std::string> moves;  // moves[k - 1] is move k
    int current = 0;                 // moves that led to the Position on the board
};

// Built from the move list alone (and the board, for the last move of a game
// played up to now, whose Position after is not in the list). Moves that can
// be stepped to with 進 are listed as well when the game was stepped back.
// A move that no single move explains (a record whose first entry was never
// read) is listed as "――".
MoveListView 作成_棋譜一覧(const MoveList& list, const Position& board, const GameState& g);

}  // namespace xantu
