#pragma once
// A game given as an SFEN with USI moves, as shogi programs copy it:
// "SFEN", "sfen SFEN", "startpos", each optionally after "position" and
// followed by "moves 7g7f 3c3d …". Uppercase pieces are 先手's, put on the
// lower side as every record is.
#include <string_view>

#include "record/record_read.h"

namespace xantu {

// Whether the text starts like an SFEN (or "position", "sfen", "startpos").
bool isSfenText(std::string_view text);

// Reads the game; every move is checked with the game's move rules. A
// refusal names the move by its number and its text.
RecordRead 解析_SFEN棋譜(std::string_view text);

}  // namespace xantu
