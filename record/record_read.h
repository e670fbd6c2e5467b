#pragma once
// What reading a game record gives: the game, or why it was refused. A
// refusal is a code with the place it was found (the line, and the text
// there); the words the player reads are made from it by
// text/record_wording.h, never by the readers.
#include <string>

#include "record/game_record.h"

namespace xantu {

// The record formats read from text.
enum class RecordTextFormat { Kif, Csa, Sfen };

enum class RecordProblemCode {
    None,
    // The whole text or file.
    BytesTooLarge,   // more bytes than any record has
    FileNotFound,    // the file is not there
    FileTooLarge,    // the file is larger than any record
    FileCannotRead,  // a folder, no permission, an input error
    BadEncoding,     // neither UTF-8 nor CP932
    ControlCharacter,
    Empty,            // no line at all
    NoMovesNorBoard,  // KIF: no move, no board block, no handicap
    NotCsa,           // CSA: no start and no move
    SfenTooLong,
    SfenBadPosition,  // the SFEN itself (detail: what is wrong with it)
    SfenTrailing,     // words after the SFEN that are not "moves" (text: the first)
    // A line (or, for an SFEN, a move).
    LineTooLong,
    UnreadableLine,
    NotAMoveAmongMoves,
    BoardAfterMoves,
    BadBoardRow,
    BadHand,
    UnknownHandicap,
    BoardRowCount,
    BoardKings,
    BoardStrandedPiece,
    BoardTooManyPieces,
    BoardInvalid,
    BadPieceName,
    BadOrigin,
    TrailingText,
    MoveNumberOrder,
    BadVariation,  // a 変化 mark that names no move of the lines before it
    TooManyMoves,
    MoveAfterKingTaken,
    SameOnFirstMove,
    DropWithOrigin,
    NoOwnPieceAtOrigin,
    OriginPieceDiffers,
    CannotDropPiece,
    CannotMoveThere,
    DropNotInHand,
    CannotDropThere,
    AmbiguousMove,
    CannotPromote,
    MustPromote,
    // CSA and the start of a game named by its squares.
    BadPiecePlace,
    NotAHandPiece,
    StartTooManyPieces,
    TwoPiecesOnSquare,
    StartTwice,
    BadRemovalSquare,
    RemovalNotInLayout,
    RowOrder,
    BadRow,
    RowCount,
    StartStrandedPiece,
    StartKings,
    StartInvalid,
    NotSideToMove,
    BadMoveSquares,
    TimeBeforeMove,
    TwoTimes,
    BadTime,
    BadEnding,
    VersionNotFirst,
    UnknownVersion,
    BadInfoLine,
    StartAfterMoves,
    BadStartLine,
    TwoTurnLines,
    BadMove,
};

struct RecordProblem {
    RecordProblemCode code = RecordProblemCode::None;
    RecordTextFormat format = RecordTextFormat::Kif;
    int line = 0;        // the line refused (from 1); 0 when it is the whole text
    int move = 0;        // an SFEN's move refused (from 1); 0 when none
    std::string text;    // the line or the word refused, as written
    std::string detail;  // more about it where the code needs it
};

struct RecordRead {
    RecordProblem problem;  // code None when the game was read
    GameRecord game;        // the game; empty (no move) when refused
    bool ok() const { return problem.code == RecordProblemCode::None; }
};

}  // namespace xantu
