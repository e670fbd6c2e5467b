#pragma once
// The unfinished game the window keeps for the next start: the record
// layer's kept-game file with the computer's memory of this program.
#include <filesystem>
#include <string>
#include <string_view>

#include "clock/clocks.h"
#include "computer/turn_state.h"
#include "core/cp932.h"
#include "record/resume_file.h"

namespace xantu {

using ResumeState = KeptGame<TurnState>;
using ResumeReadResult = KeptGameRead<TurnState>;

// The live clocks as the kept game holds them, and back (the countdown last
// drawn is not kept: it is drawn again).
inline KeptClocks 保存用時計(const Clocks& c) {
    return KeptClocks{c.turnStartTime, c.turnSeconds, c.manSeconds, c.comSeconds, c.shownSecond, c.control};
}
inline Clocks 復元_時計(const KeptClocks& k) {
    Clocks c;
    c.turnStartTime = k.turnStartTime;
    c.turnSeconds = k.turnSeconds;
    c.manSeconds = k.manSeconds;
    c.comSeconds = k.comSeconds;
    c.shownSecond = k.shownSecond;
    c.control = k.control;
    return c;
}

inline std::string 作成_再開ファイル(const ResumeState& s) { return writeKeptGame(s); }

inline ResumeReadResult 解析_再開ファイル(std::string_view bytes) { return parseKeptGame<TurnState>(bytes); }

inline ResumeReadResult 読込_再開ファイル(const std::filesystem::path& file) { return readKeptGame<TurnState>(file); }

// Writes the file whole (temporary file, flushed to the disk, renamed).
inline bool 書込_再開ファイル(const ResumeState& s, const std::filesystem::path& file) {
    return writeWholeFile(file, 作成_再開ファイル(s));
}

}  // namespace xantu
