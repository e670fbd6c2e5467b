#pragma once
// Reading CSA files (the standard format of computer shogi and of game
// servers, version 2.2): "V2.2", the players "N+"/"N-", "$" information, the
// start as "PI" (with the pieces a handicap removes) or "P1"…"P9" with "P+"/
// "P-" pieces and hands, the side to move "+"/"-", moves such as "+7776FU",
// times "T12", comments "'", endings "%TORYO" and the other "%" words, and
// several statements on one line separated by ",". Only the first game of a
// file with "/" separators is read.
//
// As with KIF, every move is checked with the game's own move rules; the
// first move that is not allowed, or a line that cannot be read, refuses the
// whole file with the line named. A promoted pawn is "TO" (this game's 奔).
#include <filesystem>
#include <string_view>

#include "record/record_read.h"

namespace xantu {

// Reads a whole CSA text: UTF-8 (with or without a byte-order mark) or CP932.
RecordRead 解析_CSA(std::string_view bytes);

// Reads and parses the file.
RecordRead 読込_CSA(const std::filesystem::path& file);

// Whether a text looks like CSA rather than KIF: its first line that is not
// blank or a comment is a version, a player, a start or a move in CSA form.
bool isCsaText(std::string_view text);

}  // namespace xantu
