#pragma once
// KIF, the game-record text that other shogi programs read and write:
// header lines, one numbered line per move with its time, comments, the
// result, and the variations after the main line. Squares are numbered from
// the first player's (先手's) seat, so a game in which 先手 sat on the upper
// side is written turned about.
#include <string>

#include "core/position.h"
#include "record/game_record.h"

namespace xantu {

// The KIF text of a game (UTF-8 with CR LF line ends): 開始日時, 棋戦,
// 持ち時間, 手合割 "平手" (or, for any other start, the position as a board
// block with both hands), 先手, 後手, a 備考 line naming this variant's rules,
// the comments on the start, the main line's moves with their times, each
// followed by its score ("*評価値 N") and its comments, the ending, "まで…", and
// then every variation: an empty line, "変化：N手" and the variation's moves
// numbered from N, the variations of a line after it from its last branch
// back to its first (a move with another after it at its place ends in "+").
// Pieces carry the names of ordinary shogi that every reader knows (a
// promoted pawn is "と"), and a move that declines promotion is written
// without "不成".
std::string 作成_KIF(const GameRecord& game);

// The board block of a Position seen from 先手's seat: "後手の持駒：…", the
// frame with "v" before 後手's pieces, "先手の持駒：…".
std::string 作成_KIF局面図(const Position& p, bool senteIsUpper);

enum class KifWriteStatus { Ok, NoMoves, BadMove, NotCp932, CannotWrite };

// Writes the game whole (temporary file, then rename): UTF-8 when the name
// ends ".kifu", CP932 (Shift-JIS) otherwise. NoMoves for a game without a move.
KifWriteStatus 書込_KIF(const std::string& file, const GameRecord& game);

}  // namespace xantu
