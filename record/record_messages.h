#pragma once
// Every sentence the player reads about a game record: what reading a KIF,
// CSA, SFEN or record (.棋譜) file found wrong, what writing one gave, what
// loading one says, and the titles of their boxes. The readers and writers
// give codes and places; the words are made here, and only here.
#include <string>
#include <string_view>

#include "record/csa_writer.h"
#include "record/kif_writer.h"
#include "record/record_file.h"
#include "record/record_read.h"

namespace xantu {

inline constexpr const char* kKifReadTitle = "KIF読込";
inline constexpr const char* kCsaReadTitle = "CSA読込";
inline constexpr const char* kKifWriteTitle = "KIF書出し";
inline constexpr const char* kCsaWriteTitle = "CSA書出し";
inline constexpr const char* kRecordReadTitle = "棋譜";

// Why a KIF, CSA or SFEN text was refused: "5行目「3 ５五飛(28)」：その駒はそこへ
// 動けません", "3手目「7f6e」：その駒はそこへ動けません", "CSAファイルが空です".
std::string 読込問題メッセージ(const RecordProblem& problem);

// What loading a game read says: "11手を読み込みました", with the ending in
// brackets when the file names one ("…（投了）").
std::string 読込完了メッセージ(const GameRecord& game);

// What loading a file of that format with no move says.
std::string_view 指し手なしメッセージ(RecordTextFormat format);

// Writing a KIF or CSA file.
std::string_view KIF書出しメッセージ(KifWriteStatus status);
std::string_view CSA書出しメッセージ(CsaWriteStatus status);

// Writing a record (.棋譜) file: the box's text and title (Ok included).
std::string_view 棋譜書込メッセージ(RecordWriteStatus status);
std::string_view 棋譜書込タイトル(RecordWriteStatus status);

// Reading a record (.棋譜) file (title kRecordReadTitle for all): Ok gives
// " 読み込みました"; the second box after a load, "棋譜を '進 'で進めて下さい", is
// the window's.
std::string_view 棋譜読込メッセージ(RecordReadStatus status);
// The same naming the line and what is wrong with its Position where the
// file was refused for that, e.g. "棋譜ﾌｧｲﾙの局面が正しくありません" + CR CR +
// "5行目: 飛が3枚あります（2枚まで）".
std::string 棋譜読込メッセージ(const RecordReadResult& result);

}  // namespace xantu
