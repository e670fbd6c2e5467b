#include "record/record_messages.h"

#include "record/notation.h"
#include "record/record_text.h"

namespace xantu {

namespace {

std::string formatName(RecordTextFormat f) {
    switch (f) {
    case RecordTextFormat::Kif: return "KIF";
    case RecordTextFormat::Csa: return "CSA";
    case RecordTextFormat::Sfen: return "SFEN";
    }
    return {};
}

// The reason alone.
std::string reason(const RecordProblem& p) {
    using C = RecordProblemCode;
    const std::string file = formatName(p.format) + "ファイル";
    switch (p.code) {
    case C::None: return {};
    case C::BytesTooLarge: return "ファイルが大きすぎます";
    case C::FileNotFound: return file + "が見つかりません";
    case C::FileTooLarge: return file + "が大きすぎます";
    case C::FileCannotRead: return file + "を読み込めません";
    case C::BadEncoding: return "文字コードが正しくありません（UTF-8でもShift-JISでもありません）";
    case C::ControlCharacter: return file + "ではありません（制御文字があります）";
    case C::Empty: return file + "が空です";
    case C::NoMovesNorBoard: return "KIFファイルに指し手も局面図もありません";
    case C::NotCsa: return "CSAファイルではありません（開始局面も指し手もありません）";
    case C::SfenTooLong: return "局面の文字列が長すぎます";
    case C::SfenBadPosition: return "局面が読めません（" + p.detail + "）";
    case C::SfenTrailing: return "局面の後ろに読めない文字があります「" + p.text + "」";
    case C::LineTooLong: return "行が長すぎます";
    case C::UnreadableLine: return "読めない行です";
    case C::NotAMoveAmongMoves: return "指し手の間に指し手でない行があります";
    case C::BoardAfterMoves: return "指し手の後に局面図があります";
    case C::BadBoardRow: return "局面図の段が読めません";
    case C::BadHand: return "持駒が読めません";
    case C::UnknownHandicap: return "この手合割は読めません";
    case C::BoardRowCount: return "局面図の段の数が9ではありません";
    case C::BoardKings: return "局面図の玉がそれぞれ1枚ではありません";
    case C::BoardStrandedPiece: return "局面図に動けない駒があります";
    case C::BoardTooManyPieces: return "局面図の駒の数が多すぎます";
    case C::BoardInvalid: return "局面図が正しくありません";
    case C::BadPieceName: return "駒の名前が読めません";
    case C::BadOrigin: return "移動元のマスが読めません";
    case C::TrailingText: return "指し手の後ろに読めない文字があります";
    case C::MoveNumberOrder: return "手数が順番どおりではありません";
    case C::BadVariation: return "変化の手数が正しくありません";
    case C::TooManyMoves: return "指し手が多すぎます";
    case C::MoveAfterKingTaken: return "玉が取られた後に指し手があります";
    case C::SameOnFirstMove: return "最初の指し手に「同」は使えません";
    case C::DropWithOrigin: return "打つ駒に移動元があります";
    case C::NoOwnPieceAtOrigin: return "移動元に手番の駒がありません";
    case C::OriginPieceDiffers: return "移動元の駒が指し手の駒と違います";
    case C::CannotDropPiece: return "この駒は打てません";
    case C::CannotMoveThere: return "その駒はそこへ動けません";
    case C::DropNotInHand: return "持駒にない駒は打てません";
    case C::CannotDropThere: return "そこへは打てません";
    case C::AmbiguousMove: return "どの駒が動いたのか分かりません（移動元を書いて下さい）";
    case C::CannotPromote: return "この駒は成れません";
    case C::MustPromote: return "成らなければ動けない駒です";
    case C::BadPiecePlace: return "駒の位置が読めません";
    case C::NotAHandPiece: return "持駒に置けない駒です";
    case C::StartTooManyPieces: return "開始局面の駒の数が多すぎます";
    case C::TwoPiecesOnSquare: return "同じマスに駒が二つあります";
    case C::StartTwice: return "開始局面が二度書かれています";
    case C::BadRemovalSquare: return "落とす駒の位置が読めません";
    case C::RemovalNotInLayout: return "落とす駒が初期配置にありません";
    case C::RowOrder: return "盤面の段が順番どおりではありません";
    case C::BadRow: return "盤面の段が読めません";
    case C::RowCount: return "盤面の段の数が9ではありません";
    case C::StartStrandedPiece: return "開始局面に動けない駒があります";
    case C::StartKings: return "開始局面の玉がそれぞれ1枚ではありません";
    case C::StartInvalid: return "開始局面が正しくありません";
    case C::NotSideToMove: return "手番ではない側の指し手です";
    case C::BadMoveSquares: return "指し手のマスが読めません";
    case C::TimeBeforeMove: return "指し手の前に消費時間があります";
    case C::TwoTimes: return "一つの指し手に消費時間が二つあります";
    case C::BadTime: return "消費時間が読めません";
    case C::BadEnding: return "終局の表記が読めません";
    case C::VersionNotFirst: return "版の行は最初に書きます";
    case C::UnknownVersion: return "このCSAの版は読めません";
    case C::BadInfoLine: return "棋譜情報の行が読めません";
    case C::StartAfterMoves: return "指し手の後に開始局面があります";
    case C::BadStartLine: return "開始局面の行が読めません";
    case C::TwoTurnLines: return "手番の行が二つあります";
    case C::BadMove: return "指し手が読めません";
    }
    return {};
}

// "12行目「…」：why": the line number, the start of the line (30 characters
// at most; left out when empty) and the reason.
std::string lineMessage(int line, std::string_view text, std::string_view why) {
    std::string quoted;
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size() && chars < 30; ++chars) {
        const std::size_t len = utf8CharBytes(text, i);
        quoted.append(text.substr(i, len));
        i += len;
    }
    const std::string_view shown = trimRecord(quoted);
    std::string s = std::to_string(line) + "行目";
    if (!shown.empty()) s += "「" + std::string(shown) + "」";
    return s + "：" + std::string(why);
}

}  // namespace

std::string 読込問題メッセージ(const RecordProblem& p) {
    const std::string why = reason(p);
    if (p.move > 0) return std::to_string(p.move) + "手目「" + p.text + "」：" + why;
    if (p.line > 0) return lineMessage(p.line, p.text, why);
    return why;
}

std::string 読込完了メッセージ(const GameRecord& game) {
    std::string s = std::to_string(手順の手数(game)) + "手を読み込みました";
    if (!game.ending.empty()) s += "（" + game.ending + "）";
    return s;
}

std::string_view 指し手なしメッセージ(RecordTextFormat format) {
    switch (format) {
    case RecordTextFormat::Kif: return "KIFファイルに指し手がありません";
    case RecordTextFormat::Csa: return "CSAファイルに指し手がありません";
    case RecordTextFormat::Sfen: return "局面を読み込みました";
    }
    return {};
}

std::string_view KIF書出しメッセージ(KifWriteStatus status) {
    switch (status) {
    case KifWriteStatus::Ok: return "KIFを書き出しました";
    case KifWriteStatus::NoMoves: return "書き出す指し手がありません";
    case KifWriteStatus::BadMove: return "棋譜の指し手を読み取れないため書き出せません";
    case KifWriteStatus::NotCp932:
        return "Shift-JISで書けない文字があります\r名前の終わりを .kifu にするとUTF-8で書き出せます";
    case KifWriteStatus::CannotWrite: return "KIFファイルを書き込めません";
    }
    return {};
}

std::string_view CSA書出しメッセージ(CsaWriteStatus status) {
    switch (status) {
    case CsaWriteStatus::Ok: return "CSAを書き出しました";
    case CsaWriteStatus::NoMoves: return "書き出す指し手がありません";
    case CsaWriteStatus::BadMove: return "棋譜の指し手を読み取れないため書き出せません";
    case CsaWriteStatus::CannotWrite: return "CSAファイルを書き込めません";
    }
    return {};
}

std::string_view 棋譜書込メッセージ(RecordWriteStatus status) {
    switch (status) {
    case RecordWriteStatus::Ok: return "棋譜を書き込みました";
    case RecordWriteStatus::NoFileName: return "ﾌｧｲﾙ名が入力されていません";
    case RecordWriteStatus::BadFileName: return "このﾌｧｲﾙ名では書き込めません";
    case RecordWriteStatus::NoData: return "保存するデータがありません";
    case RecordWriteStatus::BadHeaderText: return "対局名・先手・後手に書き込めない文字があります";
    case RecordWriteStatus::InvalidEntry: return "棋譜のデータが正しくないため書き込めません";
    case RecordWriteStatus::CannotWrite: return "棋譜ﾌｧｲﾙを書き込めません";
    }
    return {};
}

std::string_view 棋譜書込タイトル(RecordWriteStatus status) {
    switch (status) {
    case RecordWriteStatus::Ok:
    case RecordWriteStatus::NoFileName: return "  ";
    default: return "棋譜保存";
    }
}

std::string_view 棋譜読込メッセージ(RecordReadStatus status) {
    switch (status) {
    case RecordReadStatus::Ok: return " 読み込みました";
    case RecordReadStatus::NoEntries: return "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません";
    case RecordReadStatus::NotFound: return "棋譜ﾌｧｲﾙが見つかりません";
    case RecordReadStatus::CannotRead: return "棋譜ﾌｧｲﾙを読み込めません";
    case RecordReadStatus::TooLarge: return "棋譜ﾌｧｲﾙが大きすぎます";
    case RecordReadStatus::NotRecord: return "棋譜ﾌｧｲﾙではありません";
    case RecordReadStatus::BadPieceCode: return "棋譜ﾌｧｲﾙに正しくない駒があります";
    case RecordReadStatus::BadHandCount: return "棋譜ﾌｧｲﾙの持駒の数が正しくありません";
    case RecordReadStatus::BadPosition: return "棋譜ﾌｧｲﾙの局面が正しくありません";
    case RecordReadStatus::BadClock: return "棋譜ﾌｧｲﾙの経過時間が正しくありません";
    }
    return {};
}

std::string 棋譜読込メッセージ(const RecordReadResult& result) {
    std::string text(棋譜読込メッセージ(result.status));
    if (result.status != RecordReadStatus::BadPosition || result.badLine == 0) return text;
    const PositionFault& f = result.fault;
    std::string why;
    if (f.rule == PositionRule::KingCount)
        why = "王が片方に" + std::to_string(f.found) + "枚あります（1枚まで）";
    else if (f.rule == PositionRule::PieceSet)
        why = 文字列変換(kHandKindCode[f.kind]) + "が" + std::to_string(f.found) + "枚あります（" +
              std::to_string(f.allowed) + "枚まで）";
    if (why.empty()) return text;
    return text + "\r\r" + std::to_string(result.badLine) + "行目: " + why;
}

}  // namespace xantu
