#pragma once
// A game read from a text that names every move by its squares (CSA, an
// SFEN with USI moves): the start is checked as a Position a game can have,
// then every move is looked up among the allowed moves (legalMoves, as the
// KIF reader does) and made. The
// result is the same as a KIF file gives, so the window loads all of them
// the same way.
//
// 先手 is the lower side (negative codes), as in every record format.
#include <string>

#include "core/game_state.h"
#include "core/move.h"
#include "core/position.h"
#include "record/kif_reader.h"
#include "record/kif_writer.h"

namespace xantu {

class GameBuilder {
public:
    GameBuilder();

    // Fixes the start and the side that makes move 1 (+1 先手, −1 後手).
    // Returns an empty text, or the reason the start cannot be a game's:
    // not one king of each side, a piece that could never move again, more
    // pieces of a kind than the set holds.
    std::string start(const Position& start, int firstMover);
    bool started() const { return started_; }

    // The order value of the side that makes the next move.
    int sideToMove() const;
    const Position& position() const { return pos_; }
    int moveCount() const { return result_.moveCount; }

    // A board move of the side to move, squares as drawn (x from the left,
    // y from the top); `promote` promotes the piece. Returns an empty text or
    // the reason the move is refused; a refused move changes nothing.
    std::string boardMove(int fromX, int fromY, int toX, int toY, bool promote);
    // A drop of hand kind 1..7 by the side to move.
    std::string drop(int kind, int toX, int toY);
    // The seconds the last move took, added to its mover's total.
    void addSeconds(double seconds);

    // The game read: entry 0 the start, entry i the Position after move i
    // with the clocks of move i + 1; recordLength 0, lastEntry = the moves.
    // The header fields of the result are the caller's.
    KifReadResult finish();

private:
    std::string play(const Move& m);
    void saveEntry(int k);

    KifReadResult result_;
    Position pos_;
    bool kingTaken_ = false;
    bool started_ = false;
    int firstMover_ = kSente;
    double total_[2]{};  // 0 the lower side (先手), 1 the upper
};

// A game read from a file, as the writers take it: its Positions and
// clocks, the header fields and the winner the file names (or, when it
// names none, the side whose king is gone at the end).
KifGame 作成_読込対局(const KifReadResult& r);

}  // namespace xantu
