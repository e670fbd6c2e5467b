#pragma once
// Reading KIF files, ours and other programs': headers ("key：value"),
// comments ("#", "&", and "*" lines, which are kept as the comments of the
// move above them, or of the start before the first move), a 手合割 name or a
// board block for the start, numbered move lines with or without their times,
// full- or half-width digits, 同, 成/不成, 打, promoted names (成香 or 杏, と or
// 奔, 王 or 玉), and the variations after the main line: "変化：N手", then the
// moves of a line that leaves, at move N, the line read last. A variation
// that leaves it where it has no move (an alternative to the word that ended
// it) is not read, nor are the variations inside it.
//
// Every move is checked with the game's own move rules; the first line that
// looks like a move and is not allowed refuses the whole file, and so does,
// among the moves, a line that is neither a move, a comment, a variation
// mark nor an ending. A numbered line that is not a move ("投了",
// "Time-up", a word the reader does not know) ends its line and keeps the
// moves before it; what follows it up to the next variation is not read.
// Lines may end in LF, CR LF or CR alone.
//
// 先手 is put on the lower side, as KIF numbers squares from 先手's seat.
#include <filesystem>
#include <string_view>

#include "record/record_read.h"

namespace xantu {

// Files larger than this are refused before they are read.
inline constexpr std::size_t kMaxKifBytes = 4 * 1024 * 1024;
// Longer lines are refused (a KIF line is short; comments rarely pass 200 characters).
inline constexpr std::size_t kMaxKifLineBytes = 8192;
// Moves in one record, every line counted.
inline constexpr int kMaxKifMoves = 10000;

// Reads a whole KIF text: UTF-8 (with or without a byte-order mark) or CP932.
RecordRead 解析_KIF(std::string_view bytes);

// Reads and parses the file.
RecordRead 読込_KIF(const std::filesystem::path& file);

// Whether a text (UTF-8) reads as KIF: its first line that is not blank or a
// comment is a header, a board, a move or another line only KIF has.
bool isKifText(std::string_view text);

}  // namespace xantu
