#pragma once
// Which record format a text is, and reading it as that: a file opened by
// the player and the clipboard pasted go through here alike.
#include <filesystem>
#include <optional>
#include <string_view>

#include "record/record_read.h"

namespace xantu {

// The format of a record's bytes (KIF in UTF-8 or CP932, CSA, an SFEN or
// USI "position" with moves), told by its first line that is not blank or a
// comment; no value when nothing in it says (an empty text, a line of no
// format's kind).
std::optional<RecordTextFormat> detectRecordFormat(std::string_view bytes);

// Reads the bytes as the format they are, or as `otherwise` when they do
// not say.
RecordRead 解析_棋譜テキスト(std::string_view bytes, RecordTextFormat otherwise);

// Reads a file the same way; a file that cannot be read at all is refused in
// the words of `otherwise`.
RecordRead 読込_棋譜テキスト(const std::filesystem::path& file, RecordTextFormat otherwise);

}  // namespace xantu
