#pragma once
// Record files ("*.棋譜"): three header lines, then one fixed-column line of
// 358 characters per move-list entry, in CP932 with CR LF line ends.
//
//   line 1   match name
//   line 2   the upper side's player
//   line 3   the lower side's player
//   line 4…  entries 1, 2, … : the Position after 1, 2, … moves
//
// Entry line columns (from 1):
//   1–324    81 board codes, x = 1..9 outer, y = 1..9 inner, 4 wide, right-aligned
//   325–338  hand counts, kind 1..7, own then enemy: one character,
//            "0"–"9" for 0–9 and "A"–"I" for 10–18
//   339–358  manSecondsBefore, manSecondsAfter, comSecondsBefore,
//            comSecondsAfter: whole seconds 0–99999, 5 wide, right-aligned
//
// A game of n moves is written as n entry lines: the list's entries 1 …
// lastEntry, followed, when the list does not hold it, by the Position
// after the last move. Entry 0 (the starting layout) is never written;
// reading puts the starting layout there.
//
// Blank lines after the last entry line are left out; a blank line between
// entry lines is refused like any other line that is not an entry.
//
// Reading parses the whole file into a result of its own, so a refused file
// leaves the game untouched; writing goes through a temporary file, so a
// failed write leaves no half-written record.
#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/position.h"
#include "record/move_list.h"

namespace xantu {

inline constexpr std::size_t kRecordLineWidth = 358;
inline constexpr const char* kRecordExtension = ".棋譜";
// More entry lines than any game reaches; a file with more is refused.
inline constexpr int kMaxRecordEntries = 10000;
// Clock values that do not fit their five columns are written as this.
inline constexpr int kMaxRecordSeconds = 99999;

// ---------------------------------------------------------------- header

// The three texts of the file panel (UTF-8).
struct RecordTexts {
    std::string matchName;  // Text2 "対 局 名："
    std::string senteName;  // Text3 "先    手 ："
    std::string goteName;   // Text4 "後    手 ："
};

// The three header lines in file order: the match name, the upper side's
// player, the lower side's player. With manSide = +1 (the lower side moves
// first) that is match, 後手, 先手; otherwise match, 先手, 後手.
std::array<std::string, 3> 作成_棋譜見出し(const RecordTexts& texts, int manSide);

// x (twips) at which a header text is printed centred beside the board:
// 1050 + ((13 − characters) / 5 + 3) × 495, in real arithmetic.
double 取得_棋譜のX座標(const std::string& IN_文字列);

// ---------------------------------------------------------------- entry lines

// The 358-character entry line of one entry. The entry must be valid (see
// 調査_棋譜に書ける).
std::string 作成_棋譜行(const MoveListEntry& entry);

// Whether an entry can be written: every square a known piece code, every
// hand count 0..18.
bool 調査_棋譜に書ける(const MoveListEntry& entry);

// Outcome of reading one entry line.
enum class RecordLineStatus { Ok, NotRecord, BadPieceCode, BadHandCount, BadPosition, BadClock };

// Reads one entry line (without its line end), as strictly as the writer
// writes it: exactly 358 printable ASCII characters; every numeric field
// right-aligned (leading spaces, an optional "-", then only digits); every
// board code in the piece-code table; at most one king per side and at
// least one on the board; hand counts "0"–"9" or "A"–"I"; clocks 0–99999.
// Anything else is refused. Fills the board, the hands and the four clocks;
// movedPiece is left 0. `out` is changed only on Ok. A Position no game can
// reach (more pieces of a kind than the set has, too) is BadPosition, with
// the rule it breaks in `fault` when given.
RecordLineStatus 解析_棋譜行(std::string_view line, MoveListEntry& out, PositionFault* fault = nullptr);

// ---------------------------------------------------------------- writing

enum class RecordWriteStatus {
    Ok,
    NoFileName,     // Text1 empty
    BadFileName,    // contains "/" or a control character (NUL, line breaks, …), or is "." or ".."
    NoData,         // no entry line to write
    BadHeaderText,  // a header text CP932 cannot encode, or a line break in it
    InvalidEntry,   // an entry holds an unknown code or a count beyond 18
    CannotWrite,    // folder missing or not writable, disk full, …
};

// The Position after the last move of a game, for the case the move list
// does not hold it (see 調査_最終局面が未保存), with both totals at the end.
struct FinalPosition {
    Position position;
    double manSeconds = 0;
    double comSeconds = 0;
};

// Whether the Position on the board is the end of the game that the list
// leads to and is not in the list: true in live play once a move has been
// made (recordLength ≥ 1 and recordLength = lastEntry + 1). Then the writer
// needs the board and the current totals as a FinalPosition. False when
// stepped back or viewing a loaded record: the list's entry lastEntry is
// then the end written (a loaded record already holds the final Position;
// after stepping back from a live game the final Position is kept only if
// the window stored it as entry lastEntry).
bool 調査_最終局面が未保存(const MoveList& list);

// The whole file content: headers and entry lines 1 … list.lastEntry, then
// `finalPosition` as one more line when given (its clocks before = after = the
// totals). Status Ok, NoData, BadHeaderText or InvalidEntry.
struct RecordContent {
    RecordWriteStatus status = RecordWriteStatus::Ok;
    std::string bytes;
};
RecordContent 作成_棋譜(const RecordTexts& texts, int manSide, const MoveList& list,
                        const std::optional<FinalPosition>& finalPosition);

// Writes `folder`/`fileName` + ".棋譜", overwriting an existing record
// without asking. `fileName` is the panel's Text1 (UTF-8; only spaces is a
// valid name). Checks in this order: NoFileName, BadFileName, NoData,
// BadHeaderText, InvalidEntry; nothing is written unless all pass.
RecordWriteStatus 書込_棋譜(const std::filesystem::path& folder, const std::string& fileName, const RecordTexts& texts,
                            int manSide, const MoveList& list, const std::optional<FinalPosition>& finalPosition);

// ---------------------------------------------------------------- reading

enum class RecordReadStatus {
    Ok,            // entries read: load it
    NoEntries,     // no entry line (empty, headers only): nothing to load
    NotFound,      // the file vanished
    CannotRead,    // a folder, no permission, an input error
    TooLarge,      // more than kMaxRecordEntries entry lines
    NotRecord,     // not CP932 text; an entry line not 358 plain ASCII characters or a field not a number
    BadPieceCode,  // a board field outside the piece-code table
    BadHandCount,  // a hand count outside 0–18
    BadPosition,   // two kings of one side, no king at all, or more pieces of a kind than the set has
    BadClock,      // a negative clock
};

// Whether the outcome lets the caller load the record (Ok only); on any
// other outcome the game must stay as it is.
bool 調査_棋譜を読込可能(RecordReadStatus status);

struct RecordReadResult {
    RecordReadStatus status = RecordReadStatus::CannotRead;
    // The header lines (UTF-8). A line missing from a short file repeats the
    // text read last, or is empty when none was read.
    std::array<std::string, 3> headers;
    int headerLinesRead = 0;  // 0..3
    int entryCount = 0;       // entry lines read
    int badLine = 0;          // file line number (from 1) of a refused line, else 0
    PositionFault fault;      // the rule broken, for BadPosition
    // Entry 0 the starting layout (moved piece +10, clocks 0), entries 1 …
    // entryCount from the file; recordLength 0, lastEntry = entryCount.
    // Empty (no entries at all) for a refused file.
    MoveList list;
};

// Parses a whole record file content.
RecordReadResult 解析_棋譜(std::string_view bytes);

// Reads and parses the record file `file`.
RecordReadResult 読込_棋譜(const std::filesystem::path& file);

}  // namespace xantu
