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
    // most of the increment and byoyomi, never more than is left less a
    // margin, which grows by twice the lag the clock has shown (ClockLag).
    static TimeBudget plan(const Limits& limits, Clock::time_point start, double lagMs = 0);

    // The soft limit after an iteration that scored `scoreCp`: a won ending
    // needs less thought than a middle game in the balance, so far ahead on
    // a clock only a third of it is used.
    double softLimitMs(int scoreCp) const;

    bool onClock = false;
};

// What the clock charged beyond the search's own time on the moves before:
// the answer's way out, the other side reading it, a busy machine. It shows
// in the main time left at the next move, and on a loaded machine can be
// larger than the increment: a margin that ignores it is eaten away move by
// move until one late answer loses on time.
class ClockLag {
public:
    // The lag to plan the search on `limits` with, after learning from its
    // main time what the previous move really cost.
    double observe(const Limits& limits);
    // The search on `limits` took `ms` by its own clock.
    void searched(const Limits& limits, double ms);
    // A new game: nothing known yet.
    void reset() { *this = ClockLag{}; }

private:
    double expectedLeftMs_ = -1;  // the main time the next move should find; < 0: unknown
    double lagMs_ = 0;
};

}  // namespace xantu::search
