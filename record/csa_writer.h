#pragma once
// CSA text (version 2.2) of a game, for computer-shogi programs and game
// servers: the players, the start ("PI" with the pieces a handicap removes,
// or the board rows with both hands), the moves of the current line with
// their times, the end. Squares are numbered from 先手's seat as in KIF; a
// promoted pawn is "TO".
#include <string>

#include "record/game_record.h"

namespace xantu {

// UTF-8 with CR LF line ends.
std::string 作成_CSA(const GameRecord& game);

enum class CsaWriteStatus { Ok, NoMoves, BadMove, CannotWrite };

// Writes the game whole (temporary file, then rename), in CP932 (Shift-JIS)
// as CSA files traditionally are; a name CP932 cannot hold makes it UTF-8,
// announced by a first line "'CSA encoding=UTF-8" that older readers take
// for a comment. NoMoves for a game without a move.
CsaWriteStatus 書込_CSA(const std::string& file, const GameRecord& game);

}  // namespace xantu
