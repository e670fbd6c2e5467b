#include "text/record_wording.h"

#include "record/notation.h"
#include "record/record_text.h"

namespace xantu {

namespace {

// The name a reason gives a format's files ("KIFファイル…"): the format's own
// name, the same in every language.
std::string_view formatName(RecordTextFormat f) {
    switch (f) {
    case RecordTextFormat::Kif: return "KIF";
    case RecordTextFormat::Csa: return "CSA";
    case RecordTextFormat::Sfen: return "SFEN";
    }
    return {};
}

// The message of the reason alone.
Msg reasonMessage(RecordProblemCode code) {
    using C = RecordProblemCode;
    switch (code) {
    case C::None: break;
    case C::BytesTooLarge: return Msg::ProblemBytesTooLarge;
    case C::FileNotFound: return Msg::ProblemFileNotFound;
    case C::FileTooLarge: return Msg::ProblemFileTooLarge;
    case C::FileCannotRead: return Msg::ProblemFileCannotRead;
    case C::BadEncoding: return Msg::ProblemBadEncoding;
    case C::ControlCharacter: return Msg::ProblemControlCharacter;
    case C::Empty: return Msg::ProblemEmpty;
    case C::NoMovesNorBoard: return Msg::ProblemNoMovesNorBoard;
    case C::NotCsa: return Msg::ProblemNotCsa;
    case C::SfenTooLong: return Msg::ProblemSfenTooLong;
    case C::SfenBadPosition: return Msg::ProblemSfenBadPosition;
    case C::SfenTrailing: return Msg::ProblemSfenTrailing;
    case C::LineTooLong: return Msg::ProblemLineTooLong;
    case C::UnreadableLine: return Msg::ProblemUnreadableLine;
    case C::NotAMoveAmongMoves: return Msg::ProblemNotAMoveAmongMoves;
    case C::BoardAfterMoves: return Msg::ProblemBoardAfterMoves;
    case C::BadBoardRow: return Msg::ProblemBadBoardRow;
    case C::BadHand: return Msg::ProblemBadHand;
    case C::UnknownHandicap: return Msg::ProblemUnknownHandicap;
    case C::BoardRowCount: return Msg::ProblemBoardRowCount;
    case C::BoardKings: return Msg::ProblemBoardKings;
    case C::BoardStrandedPiece: return Msg::ProblemBoardStrandedPiece;
    case C::BoardTooManyPieces: return Msg::ProblemBoardTooManyPieces;
    case C::BoardInvalid: return Msg::ProblemBoardInvalid;
    case C::BadPieceName: return Msg::ProblemBadPieceName;
    case C::BadOrigin: return Msg::ProblemBadOrigin;
    case C::TrailingText: return Msg::ProblemTrailingText;
    case C::MoveNumberOrder: return Msg::ProblemMoveNumberOrder;
    case C::BadVariation: return Msg::ProblemBadVariation;
    case C::TooManyMoves: return Msg::ProblemTooManyMoves;
    case C::MoveAfterKingTaken: return Msg::ProblemMoveAfterKingTaken;
    case C::SameOnFirstMove: return Msg::ProblemSameOnFirstMove;
    case C::DropWithOrigin: return Msg::ProblemDropWithOrigin;
    case C::NoOwnPieceAtOrigin: return Msg::ProblemNoOwnPieceAtOrigin;
    case C::OriginPieceDiffers: return Msg::ProblemOriginPieceDiffers;
    case C::CannotDropPiece: return Msg::ProblemCannotDropPiece;
    case C::CannotMoveThere: return Msg::ProblemCannotMoveThere;
    case C::DropNotInHand: return Msg::ProblemDropNotInHand;
    case C::CannotDropThere: return Msg::ProblemCannotDropThere;
    case C::AmbiguousMove: return Msg::ProblemAmbiguousMove;
    case C::CannotPromote: return Msg::ProblemCannotPromote;
    case C::MustPromote: return Msg::ProblemMustPromote;
    case C::BadPiecePlace: return Msg::ProblemBadPiecePlace;
    case C::NotAHandPiece: return Msg::ProblemNotAHandPiece;
    case C::StartTooManyPieces: return Msg::ProblemStartTooManyPieces;
    case C::TwoPiecesOnSquare: return Msg::ProblemTwoPiecesOnSquare;
    case C::StartTwice: return Msg::ProblemStartTwice;
    case C::BadRemovalSquare: return Msg::ProblemBadRemovalSquare;
    case C::RemovalNotInLayout: return Msg::ProblemRemovalNotInLayout;
    case C::RowOrder: return Msg::ProblemRowOrder;
    case C::BadRow: return Msg::ProblemBadRow;
    case C::RowCount: return Msg::ProblemRowCount;
    case C::StartStrandedPiece: return Msg::ProblemStartStrandedPiece;
    case C::StartKings: return Msg::ProblemStartKings;
    case C::StartInvalid: return Msg::ProblemStartInvalid;
    case C::NotSideToMove: return Msg::ProblemNotSideToMove;
    case C::BadMoveSquares: return Msg::ProblemBadMoveSquares;
    case C::TimeBeforeMove: return Msg::ProblemTimeBeforeMove;
    case C::TwoTimes: return Msg::ProblemTwoTimes;
    case C::BadTime: return Msg::ProblemBadTime;
    case C::BadEnding: return Msg::ProblemBadEnding;
    case C::VersionNotFirst: return Msg::ProblemVersionNotFirst;
    case C::UnknownVersion: return Msg::ProblemUnknownVersion;
    case C::BadInfoLine: return Msg::ProblemBadInfoLine;
    case C::StartAfterMoves: return Msg::ProblemStartAfterMoves;
    case C::BadStartLine: return Msg::ProblemBadStartLine;
    case C::TwoTurnLines: return Msg::ProblemTwoTurnLines;
    case C::BadMove: return Msg::ProblemBadMove;
    }
    return Msg::Count;
}

std::string reason(const Translator& t, const RecordProblem& p) {
    const Msg m = reasonMessage(p.code);
    if (m == Msg::Count) return {};
    return 文言(t, m, {{"format", formatName(p.format)}, {"detail", p.detail}, {"text", p.text}});
}

// The start of a refused line as it is quoted: 30 characters at most, with
// the blanks around them left out.
std::string lineStart(std::string_view text) {
    std::size_t end = 0;
    for (std::size_t chars = 0; end < text.size() && chars < 30; ++chars) end += utf8CharBytes(text, end);
    return std::string(trimRecord(text.substr(0, end)));
}

}  // namespace

std::string 読込問題メッセージ(const Translator& t, const RecordProblem& p) {
    const std::string why = reason(t, p);
    if (p.move > 0) return 文言(t, Msg::RecordProblemAtMove, {{"move", p.move}, {"text", p.text}, {"reason", why}});
    if (p.line <= 0) return why;
    const std::string shown = lineStart(p.text);
    if (shown.empty()) return 文言(t, Msg::RecordProblemAtLineNoText, {{"line", p.line}, {"reason", why}});
    return 文言(t, Msg::RecordProblemAtLine, {{"line", p.line}, {"text", shown}, {"reason", why}});
}

std::string 読込完了メッセージ(const Translator& t, const GameRecord& game) {
    const int count = 手順の手数(game);
    if (game.ending.empty()) return 文言(t, Msg::RecordLoaded, {{"count", count}});
    return 文言(t, Msg::RecordLoadedWithEnding, {{"count", count}, {"ending", game.ending}});
}

std::string KIF書出しメッセージ(const Translator& t, KifWriteStatus status) {
    switch (status) {
    case KifWriteStatus::Ok: return 文言(t, Msg::KifWritten);
    case KifWriteStatus::NoMoves: return 文言(t, Msg::NoMovesToWrite);
    case KifWriteStatus::BadMove: return 文言(t, Msg::MovesUnreadable);
    case KifWriteStatus::NotCp932: return 文言(t, Msg::KifNotCp932);
    case KifWriteStatus::CannotWrite: return 文言(t, Msg::KifCannotWrite);
    }
    return {};
}

std::string CSA書出しメッセージ(const Translator& t, CsaWriteStatus status) {
    switch (status) {
    case CsaWriteStatus::Ok: return 文言(t, Msg::CsaWritten);
    case CsaWriteStatus::NoMoves: return 文言(t, Msg::NoMovesToWrite);
    case CsaWriteStatus::BadMove: return 文言(t, Msg::MovesUnreadable);
    case CsaWriteStatus::CannotWrite: return 文言(t, Msg::CsaCannotWrite);
    }
    return {};
}

std::string 棋譜書込メッセージ(const Translator& t, RecordWriteStatus status) {
    switch (status) {
    case RecordWriteStatus::Ok: return 文言(t, Msg::RecordFileWritten);
    case RecordWriteStatus::NoFileName: return 文言(t, Msg::RecordFileNoName);
    case RecordWriteStatus::BadFileName: return 文言(t, Msg::RecordFileBadName);
    case RecordWriteStatus::NoData: return 文言(t, Msg::RecordFileNoData);
    case RecordWriteStatus::BadHeaderText: return 文言(t, Msg::RecordFileBadHeaderText);
    case RecordWriteStatus::InvalidEntry: return 文言(t, Msg::RecordFileInvalidEntry);
    case RecordWriteStatus::CannotWrite: return 文言(t, Msg::RecordFileCannotWrite);
    }
    return {};
}

std::string 棋譜書込タイトル(const Translator& t, RecordWriteStatus status) {
    switch (status) {
    case RecordWriteStatus::Ok:
    case RecordWriteStatus::NoFileName: return 文言(t, Msg::TitleBlank);
    default: return 文言(t, Msg::TitleRecordSave);
    }
}

std::string 棋譜読込メッセージ(const Translator& t, RecordReadStatus status) {
    switch (status) {
    case RecordReadStatus::Ok: return 文言(t, Msg::RecordRead);
    case RecordReadStatus::NoEntries: return 文言(t, Msg::RecordFileNoEntries);
    case RecordReadStatus::NotFound: return 文言(t, Msg::RecordFileNotFound);
    case RecordReadStatus::CannotRead: return 文言(t, Msg::RecordFileCannotRead);
    case RecordReadStatus::TooLarge: return 文言(t, Msg::RecordFileTooLarge);
    case RecordReadStatus::NotRecord: return 文言(t, Msg::RecordFileNotRecord);
    case RecordReadStatus::BadPieceCode: return 文言(t, Msg::RecordFileBadPieceCode);
    case RecordReadStatus::BadHandCount: return 文言(t, Msg::RecordFileBadHandCount);
    case RecordReadStatus::BadPosition: return 文言(t, Msg::RecordFileBadPosition);
    case RecordReadStatus::BadClock: return 文言(t, Msg::RecordFileBadClock);
    }
    return {};
}

std::string 棋譜読込メッセージ(const Translator& t, const RecordReadResult& result) {
    if (result.status != RecordReadStatus::BadPosition || result.badLine == 0)
        return 棋譜読込メッセージ(t, result.status);
    const PositionFault& f = result.fault;
    std::string why;
    if (f.rule == PositionRule::KingCount)
        why = 文言(t, Msg::RecordFileKingCount, {{"found", f.found}});
    else if (f.rule == PositionRule::PieceSet)
        why = 文言(t, Msg::RecordFilePieceCount,
                   {{"piece", 文字列変換(kHandKindCode[f.kind])}, {"found", f.found}, {"allowed", f.allowed}});
    if (why.empty()) return 棋譜読込メッセージ(t, result.status);
    return 文言(t, Msg::RecordFileBadPositionAt, {{"line", result.badLine}, {"reason", why}});
}

}  // namespace xantu
