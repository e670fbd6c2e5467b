#pragma once
// The moves of the game so far as the move-list panel shows them: one text
// per move ("▲７六歩(77)", "△同　奔(33)", "▲５五角打"), and which Position is
// on the board. Row k of the panel is the Position after k moves; row 0 is
// the starting Position.
#include <string>
#include <vector>

#include "core/game_state.h"
#include "core/position.h"
#include "record/game_record.h"
#include "record/move_list.h"

namespace xantu {

struct MoveListView {
    bool game = false;               // false: no game and no record, nothing to list
    std::vector<std::string> moves;  // moves[k - 1] is move k
    int current = 0;                 // moves that led to the Position on the board
    std::string result;              // the result line of a game that has ended, shown after the moves
    // After 棋譜解析: mistakes[k - 1] is the mark of move k ("?", "??", or
    // empty); shorter than moves, or empty, where nothing is known.
    std::vector<std::string> mistakes;
    bool operator==(const MoveListView&) const = default;
};

// The moves of the game that the move list reaches, with its Position on the
// board: how many there are and which is shown come from the list (during
// play the Position after the last move is the board itself, not an entry);
// the moves themselves from the record's current line, which the list
// follows. Moves that can be stepped to with 進 are listed as well when the
// game was stepped back. A move the record does not hold (a record file
// whose Positions are not all one move apart) is listed as "――".
// Moves are written with the real coordinates, as a KIF file numbers them:
// `lowerOrder` is the order value of the player at the bottom of the board
// (see 調査_下側の手番); with the bottom player 後手 the board is seen from
// 後手's seat. The marks follow it as well: ▲ for 先手's moves, △ for 後手's.
// The kings are named as the board's pictures name them: the bottom
// player's "王", the top player's "玉".
MoveListView 作成_棋譜一覧(const GameRecord& record, const MoveList& list, const GameState& g, int lowerOrder);

// How many moves of the game the list reaches: during play up to the board,
// else up to its last entry.
int 調査_一覧の手数(const MoveList& list, const GameState& g);

// The order value (+1 先手, −1 後手) of the player at the bottom of the board,
// whose seat the coordinates on the screen are seen from. In a game it is
// manSide; with no game on the board, 先手. For a viewed record it is
// `recordLowerOrder` when the file said it (a KIF: 先手), else the side that
// made the first move is 先手, as the KIF writer has it.
int 調査_下側の手番(const GameRecord& record, const MoveList& list, const GameState& g, int recordLowerOrder);

}  // namespace xantu
