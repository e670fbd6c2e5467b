#pragma once
#include <concepts>
#include <cstddef>
#include <type_traits>

#include "computer/score.h"
#include "core/position.h"

namespace xantu {

// The computer player's state across and within its turns. The window owns
// one for the whole game; the search fills it. Values persist between
// turns: a drop reads the originKingDistance of the last board move scored,
// possibly in an earlier turn, and the best move stays until the next search.
struct TurnState {
    // The Position when the computer began to think.
    int savedBoard[10][10]{};
    int savedEnemyHandTotal = 0;

    // The influence map of that Position (after the turn's first survey).
    int startManInfluence[10][10]{};
    int startComInfluence[10][10]{};
    int startComThreatX[10][10]{};
    int startComThreatY[10][10]{};
    // Escape squares of MAN's king, counted before the turn's own survey.
    int startEscapeCount = 0;

    // Turn-start analyses, read unchanged by every evaluation of the turn.
    int manPinned[10][10]{};              // 1: the MAN piece shields MAN's king from a COM slider
    int comPinned[10][10]{};              // 1: the same for a COM piece and COM's king
    int comPinExists = 0;                 // 1 when some comPinned entry is 1
    int manBishopCheckSquares[10][10]{};  // 1: a MAN bishop there would check COM's king
    PawnFiles pawnFiles;                  // two-pawn flags of the starting Position

    // The candidate being scored.
    int candidatePiece = 0;      // code on the origin (unpromoted) or dropped
    int originKingDistance = 0;  // Chebyshev distance origin - MAN's king (board moves only)

    // The best move so far: origin (-1 and the hand kind for a drop),
    // destination, the code as it will stand there, the code before.
    Score bestScore = kScoreNone;
    int bestFromX = 0, bestFromY = 0, bestToX = 0, bestToY = 0;
    int bestPlaced = 0;
    int bestMovedPiece = 0;
};

// The fields of the memory kept with an unfinished game, for any archive
// with integer/piece runs (the kept-game file): squares and codes within
// their ranges, so that no value read back can lead the next search off the
// board. `retired` marks slots of the first file version that nothing read.
template <class A, class T>
requires std::same_as<std::remove_const_t<T>, TurnState>
void fields(A& a, T& t) {
    constexpr long long kAny = 100000000;
    constexpr std::size_t kCells = 10 * 10;
    a.section("turn");
    a.pieces(&t.savedBoard[0][0], kCells);
    a.retired(8, 0, 18);  // copies of the two hands
    a.retired(8, 0, 18);
    a.retired(2, 0, 9);  // a king square
    a.integer(t.savedEnemyHandTotal, 0, 40);
    a.retired(1, 0, 40);
    a.ints(&t.startManInfluence[0][0], kCells, -kAny, kAny);
    a.ints(&t.startComInfluence[0][0], kCells, -kAny, kAny);
    a.ints(&t.startComThreatX[0][0], kCells, -1, 11);
    a.ints(&t.startComThreatY[0][0], kCells, -1, 11);
    a.integer(t.startEscapeCount, 0, 9);
    a.ints(&t.manPinned[0][0], kCells, 0, 1);
    a.ints(&t.comPinned[0][0], kCells, 0, 1);
    a.integer(t.comPinExists, 0, 1);
    a.ints(&t.manBishopCheckSquares[0][0], kCells, 0, 1);
    a.ints(t.pawnFiles.man, 10, 0, 1);
    a.ints(t.pawnFiles.com, 10, 0, 1);
    a.piece(t.candidatePiece);
    a.integer(t.originKingDistance, 0, 9);
    a.retiredPiece();  // the last promotable code
    a.integer(t.bestScore, kScoreNone, -static_cast<long long>(kScoreNone));
    a.integer(t.bestFromX, -2, 11);
    a.integer(t.bestFromY, -2, 11);
    a.integer(t.bestToX, -2, 11);
    a.integer(t.bestToY, -2, 11);
    a.piece(t.bestPlaced);
    a.piece(t.bestMovedPiece);
}

}  // namespace xantu
