#pragma once
// One refereed game between two USI engines. Every move is checked against
// our own move generator: a move it does not list, a resignation, a crash,
// a line longer than usi::EngineProcess::kMaxLineBytes or a silence past the
// deadline loses; a captured king ends the game; the same
// position with the same side to move for the fourth time, or the ply limit,
// draws.
#include <string>
#include <vector>

#include "usi/engine_process.h"

namespace xantu::engine {

// A start: "startpos" or an SFEN, and the moves played from it before the
// engines take over.
struct Opening {
    std::string start;
    std::vector<std::string> moves;
};

struct EngineSetup {
    std::string command;
    std::vector<std::string> setoptions;  // "NAME=VALUE"
    std::string goArgs;                   // the words after "go"
    int moveTimeoutMs = 60000;
};

// One engine as a match uses it: the process and what it said of itself.
struct MatchEngine {
    explicit MatchEngine(EngineSetup s) : setup(std::move(s)), process(setup.command) {}
    EngineSetup setup;
    usi::EngineProcess process;
    std::string name;
    std::string failure;  // why the last start failed
    // Starts the process if needed and runs usi / setoption / isready.
    bool ready();
};

// A clock for both engines: main time, then a fixed addition after each move
// (increment) or a period each move may use once the main time is gone
// (byoyomi). Off, every go carries the engine's own fixed arguments.
struct MatchClock {
    bool on = false;
    int mainMs = 0;
    int incrementMs = 0;
    int byoyomiMs = 0;
};

// Reads "MAIN+INC" (seconds, "10+0.1": main time and increment) or
// "MAINbBYO" ("60b5": main time and byoyomi).
bool parseMatchClock(const std::string& text, MatchClock& out);

struct GameResult {
    int winner = 0;  // +1 the side that moved first (b), -1 the other, 0 a draw
    std::string reason;
    std::vector<std::string> moves;  // from the start, the opening's moves included
    double msBlack = 0, msWhite = 0;
    int movesBlack = 0, movesWhite = 0;
    // On a clock: the least time any move of each side left unused
    // (main time and byoyomi of that move), in ms; a negative value is the
    // amount by which a move was late.
    double leastSpareBlack = 1e18, leastSpareWhite = 1e18;
};

// Plays one game: black moves first. maxPlies counts every move from the start.
// On a clock, a move that comes after its side's time is gone loses
// ("time forfeit", with the time taken and the time there was).
GameResult playGame(const Opening& opening, MatchEngine& black, MatchEngine& white, int maxPlies,
                    const MatchClock& clock = {});

}  // namespace xantu::engine
