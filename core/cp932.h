#pragma once
// The program's text files: the Japanese ANSI code page (CP932, the Windows
// form of Shift-JIS) with CR LF line ends. In memory all text is UTF-8.
//
// "CP932" rather than "SHIFT_JIS": the latter refuses ～, －, ∥, ① and other
// characters that Japanese users type every day.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace xantu {

// UTF-8 → CP932. No value when the input is not valid UTF-8 or holds a
// character CP932 cannot encode: a text is never written half converted.
std::optional<std::string> utf8ToCp932(std::string_view utf8);

// CP932 → UTF-8. No value when the input holds a byte sequence that is not
// CP932 (for example a lead byte cut off at the end).
std::optional<std::string> cp932ToUtf8(std::string_view cp932);

// Whether every character of a UTF-8 text has a CP932 form.
bool canEncodeCp932(std::string_view utf8);

// Number of characters (code points) of a UTF-8 text.
std::size_t utf8Length(std::string_view utf8);

// The lines of a text, split at LF with the CR of a CR LF removed. The line
// end after the last line does not start another line: "a\r\nb\r\n" and
// "a\r\nb" both give {"a", "b"}; "" gives no line at all.
std::vector<std::string_view> splitLines(std::string_view text);

// Outcome of reading a whole file.
enum class FileReadStatus {
    Ok,
    NotFound,    // nothing by that name
    CannotRead,  // a folder, no permission, an input error
    TooLarge,    // more than the caller's limit
};

struct FileReadResult {
    FileReadStatus status = FileReadStatus::CannotRead;
    std::string bytes;
};

// Reads the whole file as bytes, refusing (before reading) one larger than
// maxBytes.
FileReadResult readWholeFile(const std::filesystem::path& file, std::uintmax_t maxBytes);

// Writes `bytes` as the whole new content of `file`: they go to a fresh
// temporary file in the same folder, flushed to the disk, which then
// replaces `file` in one step.
// On failure (folder missing or not writable, disk full, `file` is a
// folder) returns false, removes the temporary file and leaves any earlier
// `file` exactly as it was.
bool writeWholeFile(const std::filesystem::path& file, std::string_view bytes);

// The same, with the reason of a failure (none on success). With `previous`
// given, the file replaced stays under that name as well (put there in one
// step before the new content takes its place).
std::error_code replaceWholeFile(const std::filesystem::path& file, std::string_view bytes,
                                 const std::filesystem::path& previous = {});

// Removes the temporary files that writes of `file` cut short by a crash
// left beside it (no one else makes files of their names).
void removeLeftOverTemporaries(const std::filesystem::path& file);

}  // namespace xantu
