#pragma once
// The game kept for the next start: everything needed to continue an
// unfinished game after quitting or a crash, in one versioned text file
// beside the settings file. The window rewrites it after every move and
// every change of the game, and removes it once nothing is left to resume.
#include <filesystem>
#include <string>
#include <string_view>

#include "clock/clocks.h"
#include "computer/turn_state.h"
#include "core/game_state.h"
#include "core/position.h"
#include "record/move_list.h"

namespace xantu {

inline constexpr const char* kResumeFileName = "Xantuペカナ将棋.resume";
// The first line of the file; another line there is another format.
inline constexpr std::string_view kResumeHeader = "XantuResume 1";

// What a game record names besides the moves: when the game began, the
// event and the players (texts in UTF-8).
struct ResumeGameInfo {
    std::string startDateTime, event, senteName, goteName, upperName, lowerName;
    int lowerSideOrder = 0;  // -1, 0 or +1
    int winner = 0;          // -1, 0 or +1
};

struct ResumeState {
    GameState game;
    Position position;
    MoveList moves;
    Clocks clocks;
    // The computer player's memory between its turns: its next move reads it.
    TurnState turn;
    ResumeGameInfo info{};
};

// True while a game could be continued: not won, not a record being read
// without playing on, and a game started or a handicap set.
bool 調査_再開可能(const GameState& g);

// Move-list entries worth keeping: 0 .. max(lastEntry, recordLength).
int 調査_保存する手順数(const MoveList& list);

std::string 作成_再開ファイル(const ResumeState& s);

enum class ResumeReadStatus {
    Ok,
    NotFound,      // no file: nothing to resume
    CannotRead,    // a folder, no permission, too large
    OtherFormat,   // not this program's file, or another version of it
    Broken,        // cut short, malformed, or a value out of range
    Inconsistent,  // a Position that cannot stand or a move list that does not fit together
};

struct ResumeReadResult {
    ResumeReadStatus status = ResumeReadStatus::CannotRead;
    ResumeState state;
};

// Parses and checks a whole file content; on any status but Ok the state
// is not to be used.
ResumeReadResult 解析_再開ファイル(std::string_view bytes);
ResumeReadResult 読込_再開ファイル(const std::filesystem::path& file);

// Writes the file whole (temporary file, flushed to the disk, renamed).
bool 書込_再開ファイル(const ResumeState& s, const std::filesystem::path& file);

// The one message shown when a file is there but cannot be used.
std::string_view 再開ファイル破損メッセージ(ResumeReadStatus status);

}  // namespace xantu
