#pragma once
// Every sentence the player reads about a game record: what reading a KIF,
// CSA or SFEN text found wrong, what loading a game says, what writing a KIF,
// CSA or record (.棋譜) file gave and what reading a record file found. The
// readers and writers give codes and places; the words are the catalogue's,
// as `translator` gives them. The titles of their boxes are the catalogue's
// Title… messages, except the record file's writing box (棋譜書込タイトル).
#include <string>

#include "platform/platform.h"
#include "record/csa_writer.h"
#include "record/kif_writer.h"
#include "record/record_file.h"
#include "record/record_read.h"
#include "text/wording.h"  // sourceTexts(), for a caller that shows the source texts

namespace xantu {

// Why a KIF, CSA or SFEN text was refused: "5行目「3 ５五飛(28)」：その駒はそこへ
// 動けません", "3手目「7f6e」：その駒はそこへ動けません", "CSAファイルが空です".
std::string 読込問題メッセージ(const Translator& translator, const RecordProblem& problem);

// What loading a game read says: "11手を読み込みました", with the ending in
// brackets when the file names one ("…（投了）").
std::string 読込完了メッセージ(const Translator& translator, const GameRecord& game);

// Writing a KIF or CSA file.
std::string KIF書出しメッセージ(const Translator& translator, KifWriteStatus status);
std::string CSA書出しメッセージ(const Translator& translator, CsaWriteStatus status);

// Writing a record (.棋譜) file: the box's text and title (Ok included).
std::string 棋譜書込メッセージ(const Translator& translator, RecordWriteStatus status);
std::string 棋譜書込タイトル(const Translator& translator, RecordWriteStatus status);

// Reading a record (.棋譜) file (title Msg::TitleRecord for all): Ok gives
// " 読み込みました"; the second box after a load, "棋譜を '進 'で進めて下さい", is
// the window's.
std::string 棋譜読込メッセージ(const Translator& translator, RecordReadStatus status);
// The same naming the line and what is wrong with its Position where the
// file was refused for that, e.g. "棋譜ﾌｧｲﾙの局面が正しくありません" + CR CR +
// "5行目: 飛が3枚あります（2枚まで）".
std::string 棋譜読込メッセージ(const Translator& translator, const RecordReadResult& result);

}  // namespace xantu
