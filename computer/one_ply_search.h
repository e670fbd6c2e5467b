#pragma once
#include "computer/score.h"
#include "computer/trace.h"
#include "computer/turn_state.h"
#include "core/move.h"
#include "core/position.h"
#include "influence/influence_map.h"

namespace xantu {

// Called once at the start of each origin column and of each hand kind, so
// that a clock display can keep moving during a long search.
using SearchTick = void (*)(void* context);

struct SearchResult {
    bool found = false;  // false: COM had no move and no drop at all
    Move move;           // the upper side's move
    Score score = kScoreNone;
    long candidates = 0;   // moves and drops scored
    long surveys = 0;      // influence surveys run, the turn's own first one included
    long evaluations = 0;  // evaluations run (two for an optional promotion)
};

// The computer's choice of move for the upper side (COM), without making it.
// Takes the snapshot and the turn-start analyses into t (with the map as the
// last survey left it for the escape count), tries every board move and
// then every drop on p in place, scores each with the evaluation, and keeps
// the first strictly best one. Promotion: forced where the piece would be
// stranded; otherwise both are scored and the larger kept, and a pawn,
// bishop or rook is always played promoted. Capturing MAN's king ends the
// search; a drop that becomes best with a mate or better ends the drops.
// On return p holds the Position it had on entry (its king squares as the
// last survey left them), m describes the last candidate tried, and t holds
// the best move.
SearchResult comSearch(Position& p, InfluenceMap& m, TurnState& t, int comLevel, SearchTick tick = nullptr,
                       void* tickContext = nullptr, const TraceSink* trace = nullptr);

}  // namespace xantu
