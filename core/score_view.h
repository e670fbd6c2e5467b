#pragma once
// A search's judgement of a Position in the two views the program shows it
// in: 先手's view on the screen (the analysis panel, the evaluation graph, the
// mistakes in the move list, the KIF comments, `xantu-engine analyse`) and the
// side to move's view in USI. A search answers from the side to move's view
// (Info, Thought); every place that shows a score turns that answer into a
// ScoreView and prints it from here, so the views can never disagree.
//
// 先手 is the side that moved first in the game, which may sit on either seat:
// the caller names the order of the side to move, never its seat.
#include <string>

#include "core/player.h"
#include "core/side.h"

namespace xantu {

// A king capture counts as this many centipawns less the plies to it, so a
// quicker capture weighs more and any capture outweighs any material count.
inline constexpr int kScoreViewMate = 100000;

// Beyond this many centipawns a game is decided for any player: the graph
// draws such scores at its edge, and a move's loss is measured between scores
// held within it, so that a missed king capture costs a few thousand
// centipawns rather than the hundred thousand of the capture's own value.
inline constexpr int kScoreViewShownLimit = 3000;

struct ScoreView {
    int cp = 0;    // centipawns from 先手's view; 0 when mate != 0
    int mate = 0;  // plies to a king capture: > 0 先手 takes 後手's king, < 0 後手 takes 先手's, 0 none

    // A search's answer, given from the view of the side to move, whose order is `toMove`.
    static ScoreView fromMover(int cpForMover, int mateInForMover, Order toMove);
    static ScoreView of(const Info& info, Order toMove) { return fromMover(info.scoreCp, info.mateIn, toMove); }
    static ScoreView of(const Thought& t, Order toMove) { return fromMover(t.scoreCp, t.mateIn, toMove); }

    // The score from `viewer`'s side: as a search gives it when `viewer` is to move.
    int cpFor(Order viewer) const { return viewer == Order::Sente ? cp : -cp; }
    int mateFor(Order viewer) const { return viewer == Order::Sente ? mate : -mate; }

    // One number to compare and subtract: the centipawns, or ±(kScoreViewMate −
    // plies) for a king capture.
    int value() const;
    int valueFor(Order viewer) const { return viewer == Order::Sente ? value() : -value(); }
    // valueFor held within ±kScoreViewShownLimit.
    int shownValueFor(Order viewer) const;

    // 先手's view in the program's own words: "+123", "-45", "0", "先手勝ち 5手",
    // "後手勝ち 2手" (N is the plies up to and including the move that takes the
    // king). The screen words a king capture through the game's texts instead.
    std::string text() const;
    // The USI words from `viewer`'s side (the side to move): "cp 123", "mate 5", "mate -2".
    std::string usi(Order viewer) const;

    bool operator==(const ScoreView&) const = default;
};

// How USI names the sides: the seat that moves with 'b' in SFEN (the lower
// side) is its sente. The USI view of a score is the side to move's, so only
// the round trip through this order matters.
inline constexpr Order usiOrder(Side toMove) { return toMove == Side::Lower ? Order::Sente : Order::Gote; }

}  // namespace xantu
