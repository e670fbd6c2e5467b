#pragma once
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

}  // namespace xantu
