#pragma once
// How long one move may think, planned from the Limits when the search
// starts: a hard deadline where the search stops at once, and a softer one
// after which no new iteration starts (an iteration begun late would rarely
// finish, and its unfinished part is mostly wasted).
#include <chrono>

#include "search/limits.h"

namespace xantu::search {

struct TimeBudget {
    using Clock = std::chrono::steady_clock;

    bool hasDeadline = false;  // false: only depth, nodes or stop end the search
    Clock::time_point hardDeadline;
    double softMs = 0;  // 0: no soft limit

    // The budget of a search starting at `start`. With a fixed movetime the
    // whole time is used; on a clock, about a thirtieth of the main time plus
    // most of the increment and byoyomi, never more than is left.
    static TimeBudget plan(const Limits& limits, Clock::time_point start);

    // The soft limit after an iteration that scored `scoreCp`: a won ending
    // needs less thought than a middle game in the balance, so far ahead on
    // a clock only a third of it is used.
    double softLimitMs(int scoreCp) const;

    bool onClock = false;
};

}  // namespace xantu::search
