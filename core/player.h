#pragma once
// The one face of every computer player: the specified one-ply player
// (levels 1..3) and the strong search (LEVEL4). The game, the USI session
// and the benchmark ask a Player for a move without knowing which one it is;
// the call is made once per move, so a virtual call costs nothing here.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "core/move.h"
#include "core/position.h"

namespace xantu {

// What bounds one search. Zero means "no bound" for depth, nodes and
// movetime; a search with no bound at all runs until stop (go infinite).
// The one-ply player reads none of them: it always looks one move ahead.
struct Limits {
    int depth = 0;
    std::uint64_t nodes = 0;
    int movetimeMs = 0;
    // The clock of the side to move (USI btime/wtime, binc/winc, byoyomi):
    // the main time left, the time added after each move (Fischer) and the
    // time each move may take once the main time is spent. timeLeftMs < 0
    // means no clock; 0 with a byoyomi means the main time is spent. These
    // are what a search plans its time on.
    int timeLeftMs = -1;
    int incrementMs = 0;
    int byoyomiMs = 0;
    // The other side's clock, for an engine that is told both (USI sends
    // btime and wtime, binc and winc together); < 0: not known. The byoyomi
    // is the mover's above.
    int opponentTimeLeftMs = -1;
    int opponentIncrementMs = 0;
    bool infinite = false;
};

// One line of progress, sent after each completed iteration.
struct Info {
    int depth = 0;
    int selDepth = 0;
    int scoreCp = 0;  // from the side to move's view
    int mateIn = 0;   // plies to a king capture: > 0 we win, < 0 we lose, 0 none
    std::uint64_t nodes = 0;
    std::uint64_t nps = 0;
    int timeMs = 0;
    bool timed = true;  // false: no speed was measured (nps and time mean nothing)
    std::string pv;     // USI moves separated by single spaces
    int multiPv = 0;    // which of several best lines this is (1 the best); 0 when only one is searched
};

// What went wrong with a player that runs outside this program (an engine
// spoken to over USI); the players of this program never fail.
enum class PlayerFailure {
    None,
    NoStart,      // the engine could not be started
    NoHandshake,  // no usiok or readyok in time
    Timeout,      // no bestmove in time
    Crashed,      // the engine ended or closed its output
    LineTooLong,  // a line past the cap the client reads
    IllegalMove,  // a bestmove the move check refuses (or one that is no move)
    Resigned,     // bestmove resign
};

// A player's answer.
struct Thought {
    bool hasMove = false;  // false: no move at all (USI "bestmove resign")
    Move move;
    int scoreCp = 0;          // from the mover's view (the one-ply player: its evaluation)
    int mateIn = 0;           // plies to a king capture as Info has it, 0 none
    std::uint64_t nodes = 0;  // positions searched (the one-ply player: moves scored)
    int depth = 0;
    // Set with hasMove false when the player failed; failureDetail then
    // holds what it did (the move it gave, the line it stopped at).
    PlayerFailure failure = PlayerFailure::None;
    std::string failureDetail;
};

using InfoSink = std::function<void(const Info&)>;

class Player {
public:
    virtual ~Player() = default;
    // Forgets what was learnt in the last game (tables, history).
    virtual void newGame() {}
    // The move for `side` on p. `stop` may be set from another thread; a
    // player that answers at once may ignore it. onInfo, when given, hears
    // each step of progress on the thinking thread.
    virtual Thought think(const Position& p, Side side, const Limits& limits, const std::atomic<bool>& stop,
                          const InfoSink& onInfo = {}) = 0;
    // True when the player answers at once without a stop (the one-ply
    // player), so that the game may ask it on its own thread.
    virtual bool answersAtOnce() const { return false; }
};

}  // namespace xantu
