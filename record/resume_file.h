#pragma once
// The game kept for the next start: everything needed to continue an
// unfinished game after quitting or a crash, in one versioned text file
// beside the settings file. The window rewrites it after every move and
// every change of the game, and removes it once nothing is left to resume.
//
// The file is a list of fields, written and read by one field list per part
// of the game (`fields(archive, part)`), so that no field can be written in
// one order and read in another. The record layer knows the parts it owns
// (the game values, the Position, the clocks, the names, the move list);
// the computer's memory between its turns is whatever type `Memory` the
// caller gives, with its own `fields` found beside that type.
#include <algorithm>
#include <concepts>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <type_traits>

#include "clock/time_control.h"
#include "core/game_state.h"
#include "core/position.h"
#include "record/move_list.h"

namespace xantu {

inline constexpr const char* kResumeFileName = "Xantuペカナ将棋.resume";
// The newest version, read and written; version 1 files (before the
// checksum line, with slots that nothing read), version 2 files (before the
// time controls: their games count up), version 3 files (before the hint
// count: none asked) and version 4 files (before an outside engine could be
// the opponent: a built-in level) are still read.
inline constexpr int kResumeVersion = 5;
// A game against a built-in level is still written as version 4, byte for
// byte as before, so that an older program goes on reading it; only a game
// against an outside engine needs version 5 (which an older program leaves
// alone as newer).
inline constexpr int kResumeVersionBuiltIn = 4;
// The version a game is written as.
inline int 調査_再開ファイル版(const GameState& g) {
    return g.opponent.isEngine() ? kResumeVersion : kResumeVersionBuiltIn;
}

// What a game record names besides the moves: when the game began, the
// event and the players (texts in UTF-8).
struct ResumeGameInfo {
    std::string startDateTime, event, senteName, goteName, upperName, lowerName;
    int lowerSideOrder = 0;  // -1, 0 or +1
    int winner = 0;          // -1, 0 or +1
    int hints = 0;           // hints the player asked for
};

// The clocks as a game keeps them: the running turn, both sides' totals and
// the time controls the game began with. The window takes it from its live
// clocks and puts it back into them.
struct KeptClocks {
    double turnStartTime = 0;
    double turnSeconds = 0;
    double manSeconds = 0;
    double comSeconds = 0;
    long shownSecond = 0;
    TimeControls control{};
};

template <class Memory>
struct KeptGame {
    GameState game;
    Position position;
    MoveList moves;
    KeptClocks clocks;
    // The computer player's memory between its turns: its next move reads it.
    Memory turn;
    ResumeGameInfo info{};
};

// True while a game could be continued: not won, not a record being read
// without playing on, and a game started or a handicap set.
bool 調査_再開可能(const GameState& g);

// Move-list entries worth keeping: 0 .. max(lastEntry, recordLength).
int 調査_保存する手順数(const MoveList& list);

enum class ResumeReadStatus {
    Ok,
    NotFound,      // no file: nothing to resume
    CannotRead,    // a folder, no permission, an input error
    OtherFormat,   // not this program's file (no header of it)
    Newer,         // written by a newer version of the program
    Broken,        // cut short, malformed, a checksum that does not match, a value out of range
    Inconsistent,  // a Position that cannot stand or a move list that does not fit together
};

// ---- The two archives: one field list drives both ----------------------

// Every value goes through integer/real/piece/text (or their runs) with the
// range the reader accepts; a section name starts a line of the file.
class ResumeWriter {
public:
    static constexpr bool reading = false;
    explicit ResumeWriter(int version = kResumeVersion) : version_(version) {}
    int version() const { return version_; }
    bool failed() const { return false; }
    void fail() {}

    void section(const char* name);
    void integer(long long v, long long lo, long long hi);
    void real(double v, double lo, double hi);
    void piece(int v);
    void ints(const int* p, std::size_t n, long long lo, long long hi);
    void pieces(const int* p, std::size_t n);
    void text(const std::string& s);
    // Slots of version 1 that nothing read: not written any more.
    void retired(std::size_t, long long, long long) {}
    void retiredPiece() {}

    // The whole file: header, fields, "end" and the checksum line.
    std::string finish() const;
    // `content` (header to "end" line) with its checksum line added.
    static std::string seal(std::string content);

private:
    std::string text_;
    int version_;
};

class ResumeReader {
public:
    static constexpr bool reading = true;
    // `body`: the file after its header line, line ends as LF.
    ResumeReader(std::string_view body, int version) : text_(body), version_(version) {}
    int version() const { return version_; }
    bool failed() const { return failed_; }
    void fail() { failed_ = true; }

    void section(const char* name);
    template <std::integral T>
    void integer(T& v, long long lo, long long hi) {
        v = static_cast<T>(readInteger(lo, hi));
    }
    void real(double& v, double lo, double hi);
    void piece(int& v);
    void ints(int* p, std::size_t n, long long lo, long long hi);
    void pieces(int* p, std::size_t n);
    void text(std::string& s);
    void retired(std::size_t n, long long lo, long long hi);
    void retiredPiece();

    // True when every field was read and "end" closes the file.
    bool finish();

private:
    long long readInteger(long long lo, long long hi);
    std::string_view word();

    std::string_view text_;
    std::size_t pos_ = 0;
    int version_ = kResumeVersion;
    bool failed_ = false;
};

// ---- The field lists of the record layer's parts -----------------------

template <class T, class U>
concept KeptPart = std::same_as<std::remove_const_t<T>, U>;

inline constexpr int kResumeCells = 10 * 10;
inline constexpr int kResumeHandSlots = 8;
inline constexpr double kResumeMaxSeconds = 1e9;
inline constexpr int kResumeMaxEntries = 20000;
inline constexpr int kResumeMaxHints = 1000000;

template <class A, KeptPart<GameState> G>
void fields(A& a, G& g) {
    a.section("game");
    a.integer(g.sideToMove, -1, 1);
    a.integer(g.manSide, -1, 1);
    a.integer(g.comSide, -1, 1);
    a.integer(g.winnerSide, -1, 1);
    a.integer(g.vsComputer, 0, 1);
    a.integer(g.moveNumber, 0, 1000000);
    a.retired(1, 0, 1000000);  // the move a game started at
    a.integer(g.handicapLevel, -10, 10);
    a.integer(g.opponent.level, 1, 4);
    if (a.version() >= 5) {
        // The outside engine by its registered name; empty for a built-in level.
        a.text(g.opponent.engine);
        if constexpr (A::reading)
            g.opponent.kind = g.opponent.engine.empty() ? Opponent::Kind::BuiltIn : Opponent::Kind::Engine;
    }
    a.integer(g.handicapSet, 0, 1);
    a.integer(g.flipped, 0, 1);
    a.integer(g.recordMode, 0, 1);
    a.integer(g.paused, 0, 1);
    a.integer(g.selectPhase, 0, 1);
    a.integer(g.selFromX, -2, 11);
    a.integer(g.selFromY, -2, 11);
    a.integer(g.selToX, -2, 11);
    a.integer(g.selToY, -2, 11);
    a.piece(g.selPiece);
    a.retiredPiece();  // the last promotable code
}

// One player's time control: a value out of range is a broken file; a
// clock with no time at all reads as none, as the settings would have it.
template <class A, KeptPart<TimeControl> T>
void fields(A& a, T& t) {
    int kind = static_cast<int>(t.kind);
    a.integer(kind, static_cast<int>(TimeKind::None), static_cast<int>(TimeKind::Increment));
    a.integer(t.mainMinutes, 0, kMaxMainMinutes);
    a.integer(t.periodSeconds, 0, kMaxPeriodSeconds);
    if constexpr (A::reading) {
        t.kind = static_cast<TimeKind>(kind);
        t = 調整_持ち時間(t);
    }
}

// The clocks, and (from version 3) the time controls of both seats: the
// time left is worked out from them and the move list's clock values.
template <class A, KeptPart<KeptClocks> C>
void fields(A& a, C& c) {
    a.section("clocks");
    a.real(c.turnStartTime, 0, kResumeMaxSeconds);
    a.real(c.turnSeconds, 0, kResumeMaxSeconds);
    a.real(c.manSeconds, 0, kResumeMaxSeconds);
    a.real(c.comSeconds, 0, kResumeMaxSeconds);
    a.integer(c.shownSecond, 0, static_cast<long long>(kResumeMaxSeconds));
    if (a.version() >= 3) {
        fields(a, c.control.man);
        fields(a, c.control.com);
    }
}

template <class A, KeptPart<Position> P>
void fields(A& a, P& p) {
    a.section("position");
    a.pieces(&p.board[0][0], kResumeCells);
    a.ints(p.ownHand, kResumeHandSlots, 0, 18);
    a.ints(p.enemyHand, kResumeHandSlots, 0, 18);
    a.integer(p.manKingX, 0, 9);
    a.integer(p.manKingY, 0, 9);
    a.integer(p.comKingX, 0, 9);
    a.integer(p.comKingY, 0, 9);
    if constexpr (A::reading) {
        p.ownHandTotal = p.enemyHandTotal = 0;
        for (int k = 1; k < kResumeHandSlots; ++k) {
            p.ownHandTotal += p.ownHand[k];
            p.enemyHandTotal += p.enemyHand[k];
        }
    }
}

template <class A, KeptPart<ResumeGameInfo> I>
void fields(A& a, I& info) {
    a.section("info");
    a.text(info.startDateTime);
    a.text(info.event);
    a.text(info.senteName);
    a.text(info.goteName);
    a.text(info.upperName);
    a.text(info.lowerName);
    a.integer(info.lowerSideOrder, -1, 1);
    a.integer(info.winner, -1, 1);
    if (a.version() >= 4) a.integer(info.hints, 0, kResumeMaxHints);
}

// The entries worth keeping (調査_保存する手順数), each a Position with its
// clock values and the code of the piece moved.
template <class A, KeptPart<MoveList> M>
void fields(A& a, M& m) {
    a.section("moves");
    a.integer(m.recordLength, 0, kResumeMaxEntries - 1);
    a.integer(m.lastEntry, 0, kResumeMaxEntries - 1);
    int count = 調査_保存する手順数(m);
    a.integer(count, 1, kResumeMaxEntries);
    if constexpr (A::reading) {
        if (a.failed() || count != std::max(m.lastEntry, m.recordLength) + 1) {
            a.fail();
            return;
        }
        m.entries.assign(static_cast<std::size_t>(std::max(count, 501)), MoveListEntry{});
    }
    for (int k = 0; k < count && !a.failed(); ++k) {
        auto& e = m.entries[static_cast<std::size_t>(k)];
        a.section("entry");
        a.pieces(&e.board[0][0], kResumeCells);
        a.ints(e.ownHand, kResumeHandSlots, 0, 18);
        a.ints(e.enemyHand, kResumeHandSlots, 0, 18);
        a.real(e.manSecondsBefore, 0, kResumeMaxSeconds);
        a.real(e.manSecondsAfter, 0, kResumeMaxSeconds);
        a.real(e.comSecondsBefore, 0, kResumeMaxSeconds);
        a.real(e.comSecondsAfter, 0, kResumeMaxSeconds);
        a.piece(e.movedPiece);
    }
}

// The whole game, in the order of the file. `fields(a, s.turn)` is the
// computer's own list, found beside its memory type.
template <class A, class S>
requires requires(S& s) {
    s.turn;
    s.info;
}
void fields(A& a, S& s) {
    fields(a, s.game);
    fields(a, s.clocks);
    fields(a, s.position);
    fields(a, s.turn);
    fields(a, s.info);
    fields(a, s.moves);
}

// ---- Whole files -------------------------------------------------------

// The checks a game read back must pass before any of it is used: a game
// that can go on, a Position that can stand, a move list that fits it.
bool 調査_再開局面の整合(const GameState& g, const Position& p, const MoveList& m);

// A file's bytes made ready for the field list: a leading BOM and every CR
// dropped (an editor of another system may have added them), the header and
// version read, the checksum line checked. On Ok, `body` is what follows the
// header line, ready for a ResumeReader of `version`.
struct ResumeBody {
    ResumeReadStatus status = ResumeReadStatus::Broken;
    int version = 0;
    std::string body;
};
ResumeBody 開封_再開ファイル(std::string_view bytes);

template <class Memory>
struct KeptGameRead {
    ResumeReadStatus status = ResumeReadStatus::CannotRead;
    KeptGame<Memory> state;
};

template <class Memory>
std::string writeKeptGame(const KeptGame<Memory>& s) {
    ResumeWriter w(調査_再開ファイル版(s.game));
    fields(w, s);
    return w.finish();
}

// Parses and checks a whole file content; on any status but Ok the state
// is not to be used.
template <class Memory>
KeptGameRead<Memory> parseKeptGame(std::string_view bytes) {
    KeptGameRead<Memory> result;
    const ResumeBody opened = 開封_再開ファイル(bytes);
    result.status = opened.status;
    if (opened.status != ResumeReadStatus::Ok) return result;
    ResumeReader r(opened.body, opened.version);
    fields(r, result.state);
    if (!r.finish()) {
        result.status = ResumeReadStatus::Broken;
        return result;
    }
    const KeptGame<Memory>& s = result.state;
    if (!調査_再開局面の整合(s.game, s.position, s.moves)) result.status = ResumeReadStatus::Inconsistent;
    return result;
}

// The bytes of a kept file: Ok, NotFound, or CannotRead (a folder, no
// permission; a file far larger than any game is Broken).
struct ResumeBytes {
    ResumeReadStatus status = ResumeReadStatus::CannotRead;
    std::string bytes;
};
ResumeBytes 読込_再開ファイルの中身(const std::filesystem::path& file);

template <class Memory>
KeptGameRead<Memory> readKeptGame(const std::filesystem::path& file) {
    ResumeBytes read = 読込_再開ファイルの中身(file);
    if (read.status != ResumeReadStatus::Ok) {
        KeptGameRead<Memory> result;
        result.status = read.status;
        return result;
    }
    return parseKeptGame<Memory>(read.bytes);
}

}  // namespace xantu
