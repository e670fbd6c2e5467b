#pragma once
#include "computer/search.h"
#include "core/position.h"

namespace xantu {

struct ThinkOutcome {
    int commated = 0;  // the computer-mated test on the Position as given (1 or 0)
    SearchResult search;
};

// The computer's choice for the upper side from a fresh state, so that the
// result depends on the Position and the level alone: every table of the
// influence map and of the turn state zero, then one survey and the
// computer-mated test as after a human move, then the search. The survey
// count of the result includes that first survey.
ThinkOutcome thinkFromFreshState(const Position& position, int comLevel, const TraceSink* trace = nullptr);

}  // namespace xantu
