#pragma once
// A game read from a text that names every move by its squares (CSA, an
// SFEN with USI moves): the start is checked as a Position a game can have,
// then every move is looked up among the allowed moves (legalMoves, as the
// KIF reader does) and made. The result is a game record like the one a KIF
// file gives, so the window loads all of them the same way.
//
// 先手 is the lower side (negative codes), as in every record format.
#include "core/game_state.h"
#include "core/move.h"
#include "core/position.h"
#include "record/record_read.h"

namespace xantu {

class GameBuilder {
public:
    // Fixes the start and the side that makes move 1 (+1 先手, −1 後手).
    // Returns None, or why the start cannot be a game's: not one king of
    // each side, a piece that could never move again, more pieces of a kind
    // than the set holds.
    RecordProblemCode start(const Position& start, int firstMover);
    bool started() const { return started_; }

    // The order value of the side that makes the next move.
    int sideToMove() const;
    const Position& position() const { return pos_; }
    int moveCount() const { return moves_; }

    // A board move of the side to move, squares as drawn (x from the left,
    // y from the top); `promote` promotes the piece. Returns None or why the
    // move is refused; a refused move changes nothing.
    RecordProblemCode boardMove(int fromX, int fromY, int toX, int toY, bool promote);
    // A drop of hand kind 1..7 by the side to move.
    RecordProblemCode drop(int kind, int toX, int toY);
    // The seconds the last move took, added to its mover's total.
    void addSeconds(double seconds);

    // The game read. The header fields are the caller's to fill.
    GameRecord finish() { return std::move(game_); }

private:
    RecordProblemCode play(const Move& m);

    GameRecord game_;
    Position pos_;
    int last_ = kRecordRoot;  // the node of the last move
    int moves_ = 0;
    bool kingTaken_ = false;
    bool started_ = false;
    double total_[2]{};  // 0 the lower side (先手), 1 the upper
};

}  // namespace xantu
