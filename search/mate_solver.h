#pragma once
// 詰み探索: whether the side to move can force the capture of the opponent's
// king by a sequence of checks (a move after which that king is attacked),
// whatever the opponent replies. The opponent may answer a check with any
// move the rules allow; a reply that leaves its king attacked loses it to the
// next move, a reply that takes the attacker's king refutes the check.
//
// Proof-number search (df-pn) over checks and replies, with a table of proof
// and disproof numbers sized once. What it guarantees:
// - A reported mate is real: its whole proof tree is walked again with the
//   game's own move rules (every reply of the defender at every node, each
//   answered), and the line is replayed move by move, before it is reported.
// - It is the shortest mate by checks when `shortest` is set: bounds of 1, 3,
//   5 and 7 plies are searched first in turn; a longer mate, once found, is
//   shortened by searching again under ever smaller bounds while time remains.
//   Without `shortest` a shorter mate may exist. The defender's line is the
//   longest resistance within the proof found, not always the longest there is.
// - "No mate" is reported only when every sequence of checks has been searched
//   to its end: no check left, a reply that refutes it, or a return to a
//   position already on the line (a mate never needs one). "Unknown" when the
//   time runs out first, or a line of checks runs past 125 plies.
// Mates that need a quiet move (a threat that is not a check) are not sought.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/move.h"
#include "core/position.h"

namespace xantu::search {

struct MateLimits {
    int movetimeMs = 10000;   // 0: no time bound (until stop or nodes)
    std::uint64_t nodes = 0;  // 0: no bound
    std::size_t tableMegabytes = 32;
};

enum class MateStatus { Mate, NoMate, Unknown };

struct MateResult {
    MateStatus status = MateStatus::Unknown;
    // A mate: its length in plies up to and including the king's capture,
    // and the line: the attacker's moves and the defender's longest
    // resistance, ending with the capture.
    int plies = 0;
    std::vector<xantu::Move> line;
    bool shortest = false;
    std::uint64_t nodes = 0;
    int timeMs = 0;

    // The line in USI moves separated by single spaces.
    std::string lineUsi() const;
};

// One step of the search, told as it ends: the bound it searched (plies, 0
// for none), what it found ("mate", "none", "open" when it ran out of time
// or found neither) and the mate's length when it found one.
struct MateProgress {
    int boundPlies = 0;
    const char* outcome = "";
    int matePlies = 0;
    std::uint64_t nodes = 0;
    int timeMs = 0;
};
using MateProgressSink = std::function<void(const MateProgress&)>;

// One solver: owns its table and move lists (a few tens of megabytes,
// allocated here once). Not thread-safe: one solve at a time; `stop` may be
// set from another thread and is polled every thousand nodes or so.
class MateSolver {
public:
    explicit MateSolver(std::size_t tableMegabytes = MateLimits{}.tableMegabytes);
    ~MateSolver();
    MateSolver(const MateSolver&) = delete;
    MateSolver& operator=(const MateSolver&) = delete;

    // Solves for `attacker`, the side to move in p. A Position without both
    // kings is "unknown".
    MateResult solve(const Position& p, Side attacker, const MateLimits& limits, const std::atomic<bool>& stop,
                     const MateProgressSink& onProgress = {});

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// A solver of its own for one question (the table sized by the limits).
MateResult solveMate(const Position& p, Side attacker, const MateLimits& limits, const std::atomic<bool>& stop,
                     const MateProgressSink& onProgress = {});

}  // namespace xantu::search
