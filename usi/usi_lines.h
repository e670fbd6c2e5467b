#pragma once
// The lines a USI client writes and reads once the engine is introduced:
// `go` with its limits, the engine's `info` progress and its `bestmove`.
#include <optional>
#include <string>
#include <string_view>

#include "core/player.h"
#include "core/side.h"

namespace xantu::usi {

// "mate +" and "mate -" name no count: they read as this many plies.
inline constexpr int kUncountedMatePlies = 999;

// The words after `go` for `limits`, the mover sitting at `mover` (USI's b
// is the lower seat): "infinite"; or the clock ("btime B wtime W" and
// "byoyomi Y" or "binc I winc J"), "movetime N", "depth N", "nodes N", in
// that order, each that is bounded. An unknown opponent's clock is sent as
// 0. No bound at all is "infinite".
std::string goArguments(const Limits& limits, Side mover);

// The progress an `info` line tells: depth, seldepth, score (cp N, mate N,
// lowerbound and upperbound ignored), nodes, nps, time, multipv and pv.
// Nothing for any other line, and for an info line that tells none of
// depth, score, nodes and pv (`info string …`, `info currmove …`).
std::optional<Info> parseInfo(std::string_view line);

// The move word of a `bestmove` line ("7g7f", "resign", "win"); nothing
// for any other line. An empty word when the line names none.
std::optional<std::string> bestMoveOf(std::string_view line);

}  // namespace xantu::usi
