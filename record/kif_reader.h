#pragma once
// Reading KIF files, ours and other programs': headers ("key：value"),
// comments ("#", "*", "&"), a 手合割 name or a board block for the start,
// numbered move lines with or without their times, full- or half-width
// digits, 同, 成/不成, 打, promoted names (成香 or 杏, と or 奔, 王 or 玉).
// Every move is checked with the game's own move rules; the first line that
// looks like a move and is not allowed refuses the whole file, and so does,
// among the moves, a line that is neither a move, a comment, a variation
// mark nor an ending. A numbered line that is not a move ("投了",
// "Time-up", a word the reader does not know) ends the main line and keeps
// the moves before it. Lines may end in LF, CR LF or CR alone.
//
// 先手 is put on the lower side, as KIF numbers squares from 先手's seat.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "record/move_list.h"
#include "record/move_notation.h"

namespace xantu {

// Files larger than this are refused before they are read.
inline constexpr std::size_t kMaxKifBytes = 4 * 1024 * 1024;
// Longer lines are refused (a KIF line is short; comments rarely pass 200 characters).
inline constexpr std::size_t kMaxKifLineBytes = 8192;
inline constexpr int kMaxKifMoves = 10000;

struct KifReadResult {
    bool ok = false;
    int badLine = 0;      // line (from 1) that was refused, 0 when the whole file was
    std::string message;  // when !ok: the Japanese reason, naming the line
    std::string startDateTime, event, senteName, goteName;
    std::string timeControl;  // the 持ち時間 header as written, or empty
    int firstMover = 1;       // order value of the side that makes move 1
    int winner = 0;  // order value of the winner the file names (投了, 反則勝ち, "まで…の勝ち"), else 0
    int moveCount = 0;
    // How the file says the game ended ("投了", "時間切れ", "終局理由不明" for a
    // word the reader does not know); empty when it names no ending.
    std::string ending;
    // Entry 0 the start, entry i the Position after move i, with the clocks
    // of move i + 1 in entry i (lower side = 先手); recordLength 0,
    // lastEntry = moveCount. Empty when !ok.
    MoveList list;
    std::vector<MoveRecord> moves;
};

// Reads a whole KIF text: UTF-8 (with or without a byte-order mark) or CP932.
KifReadResult 解析_KIF(std::string_view bytes);

// Reads and parses the file.
KifReadResult 読込_KIF(const std::filesystem::path& file);

// What loading a file that was read says: "11手を読み込みました", with the
// ending in brackets when the file names one ("…（投了）").
std::string KIF読込メッセージ(const KifReadResult& kif);

inline constexpr const char* kKifReadTitle = "KIF読込";

}  // namespace xantu
