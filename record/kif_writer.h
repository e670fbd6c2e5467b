#pragma once
// KIF, the game-record text that other shogi programs read and write:
// header lines, one numbered line per move with its time, and the result.
// Squares are numbered from the first player's (先手's) seat, so a game in
// which the upper side moved first is written turned about.
#include <optional>
#include <string>
#include <vector>

#include "core/position.h"
#include "core/score_view.h"
#include "record/move_list.h"
#include "record/record_file.h"

namespace xantu {

// Both sides' thinking-time totals before and after one move, in seconds
// (the four clock values of a move-list entry).
struct KifClock {
    double lowerBefore = 0, lowerAfter = 0;
    double upperBefore = 0, upperAfter = 0;
};

// A game as KIF needs it.
struct KifGame {
    std::vector<Position> positions;  // [0] the start, [i] the Position after move i
    std::vector<KifClock> clocks;     // [i − 1] the clocks of move i (may be shorter: missing times are 0)
    bool senteIsUpper = false;        // 先手 is the upper side (positive codes)
    int firstMover = 1;               // order value of the side that makes move 1 (+1 先手, −1 後手)
    std::string startDateTime;        // "2026/12/07 10:00:00", or empty to leave the line out
    std::string event;                // 棋戦, or empty
    std::string timeControl;          // 持ち時間 ("各10分＋秒読み30秒"), or empty
    std::string senteName, goteName;
    int winner = 0;  // order value of the winner, 0 when the game was not decided
    // How a game ended other than by its last move ("投了", "切れ負け"): a
    // numbered line of its own after the moves; empty for none.
    std::string endWord;
    // After 棋譜解析: the score of the Position after move i (先手's view) at
    // [i], written as a comment line "*評価値 N" under move i; a move without
    // a score (and any game without this list) gets no line.
    std::vector<std::optional<ScoreView>> scores;
    // How many hints the player asked for: a header comment line
    // "# ヒント N回"; 0 writes none.
    int hintCount = 0;
};

// The game in the move list: entries 0 … lastEntry, then `finalPosition`
// when the list does not hold the end of the game. `lowerSideOrder` is the
// lower side's order value (the window's manSide); 0 means "the side that
// made the first move is 先手" (a loaded record). The winner is taken from a
// king missing at the end.
KifGame 作成_KIF対局(const MoveList& list, const std::optional<FinalPosition>& finalPosition, int lowerSideOrder);

struct KifText {
    bool ok = false;
    int badMove = 0;   // when !ok: the move (from 1) that is not one move of the rules' kind
    std::string text;  // UTF-8 with CR LF line ends
};

// The KIF text of a game: 開始日時, 棋戦, 手合割 "平手" (or, for any other start,
// the position as a board block with both hands), 先手, 後手, a 備考 line naming
// this variant's rules, the moves with their times, and "まで…". Pieces carry
// the names of ordinary shogi that every reader knows (a promoted pawn is
// "と"), and a move that declines promotion is written without "不成".
KifText 作成_KIF(const KifGame& game);

// The board block of a Position seen from 先手's seat: "後手の持駒：…", the
// frame with "v" before 後手's pieces, "先手の持駒：…".
std::string 作成_KIF局面図(const Position& p, bool senteIsUpper);

enum class KifWriteStatus { Ok, NoMoves, BadMove, NotCp932, CannotWrite };
std::string_view KIF書出しメッセージ(KifWriteStatus status);

// Writes the game whole (temporary file, then rename): UTF-8 when the name
// ends ".kifu", CP932 (Shift-JIS) otherwise.
KifWriteStatus 書込_KIF(const std::string& file, const KifGame& game);

}  // namespace xantu
