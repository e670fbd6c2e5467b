#pragma once
// Text helpers shared by the readers of game records written by other
// programs (KIF, CSA): decoding, splitting into lines, trimming.
#include <string>
#include <string_view>
#include <vector>

#include "record/record_read.h"

namespace xantu {

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view s);

// Bytes of the UTF-8 character starting at s[i] (cut short at the end of s).
std::size_t utf8CharBytes(std::string_view s, std::size_t i);

// The text of a record file in UTF-8: a leading byte-order mark is dropped,
// UTF-8 is taken as it is, anything else is decoded as CP932. `problem` is
// BadEncoding (and `text` empty) when the bytes are neither, ControlCharacter
// when they hold a control character other than tab, CR and LF.
struct DecodedText {
    std::string text;
    RecordProblemCode problem = RecordProblemCode::None;
};
DecodedText decodeRecordText(std::string_view bytes);

// The lines of a text whose lines end in LF, CR LF or CR alone, mixed in any
// way (files pass through editors and systems that each write their own).
// The end of the last line does not start another: "a\rb\r\n" gives {"a", "b"}.
std::vector<std::string_view> splitRecordLines(std::string_view text);

// Without the blanks at the front (space, tab, full-width space).
std::string_view trimRecordLeft(std::string_view s);
// Without the blanks at both ends.
std::string_view trimRecord(std::string_view s);

bool textStartsWith(std::string_view s, std::string_view prefix);

}  // namespace xantu
