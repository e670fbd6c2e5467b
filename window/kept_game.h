#pragma once
// The unfinished game the window keeps for the next start: the record
// layer's kept-game file with the computer's memory of this program.
#include <filesystem>
#include <string>
#include <string_view>

#include "computer/turn_state.h"
#include "core/cp932.h"
#include "record/resume_file.h"

namespace xantu {

using ResumeState = KeptGame<TurnState>;
using ResumeReadResult = KeptGameRead<TurnState>;

inline std::string 作成_再開ファイル(const ResumeState& s) { return writeKeptGame(s); }

inline ResumeReadResult 解析_再開ファイル(std::string_view bytes) { return parseKeptGame<TurnState>(bytes); }

inline ResumeReadResult 読込_再開ファイル(const std::filesystem::path& file) { return readKeptGame<TurnState>(file); }

// Writes the file whole (temporary file, flushed to the disk, renamed).
inline bool 書込_再開ファイル(const ResumeState& s, const std::filesystem::path& file) {
    return writeWholeFile(file, 作成_再開ファイル(s));
}

}  // namespace xantu
