#include "search/time_budget.h"

#include <algorithm>

#include "search/mate_score.h"

namespace xantu::search {

TimeBudget TimeBudget::plan(const Limits& limits, Clock::time_point start, double lagMs) {
    TimeBudget t;
    if (limits.infinite) return t;
    if (limits.movetimeMs > 0) {
        // A few milliseconds are kept back for answering.
        t.hasDeadline = true;
        t.hardDeadline = start + std::chrono::milliseconds(std::max(1, limits.movetimeMs - 3));
        t.softMs = limits.movetimeMs;
    } else if (limits.timeLeftMs >= 0) {
        // This move may use the main time left and the byoyomi; the
        // increment comes only after the move, so it is planned with but
        // never spent ahead. The margin covers what passes between the
        // deadline and the answer being read (the last node, the pipe, a
        // busy machine): a match on a two-core machine loaded sixteen-fold
        // saw answers up to 125 ms late. The lag seen on this game's moves
        // comes on top, twice over: it varies from move to move.
        const double left = limits.timeLeftMs;
        const double margin = std::min(1000.0, 250.0 + (left + limits.byoyomiMs) / 20.0) + 2 * lagMs;
        double budget = left / 30.0 + limits.incrementMs * 0.8 + limits.byoyomiMs * 0.9;
        const double most = std::max(1.0, left + limits.byoyomiMs - margin);
        if (budget > most) budget = most;
        // An iteration under way may run on to three times the budget, or to
        // the end of the byoyomi, which is lost if not used.
        const double hard = std::min(most, std::max(budget * 3.0, limits.byoyomiMs - margin));
        t.hasDeadline = true;
        t.hardDeadline = start + std::chrono::milliseconds(static_cast<long>(std::max(1.0, hard)));
        t.softMs = budget * 0.6;
        t.onClock = true;
    }
    return t;
}

double ClockLag::observe(const Limits& limits) {
    if (limits.timeLeftMs >= 0 && expectedLeftMs_ >= 0) {
        // A new high is taken at once; a smaller one only slowly lowers it.
        const double seen = std::clamp(expectedLeftMs_ - limits.timeLeftMs, 0.0, 2000.0);
        lagMs_ = seen > lagMs_ ? seen : lagMs_ * 0.9 + seen * 0.1;
    }
    expectedLeftMs_ = -1;
    return lagMs_;
}

void ClockLag::searched(const Limits& limits, double ms) {
    // Only while main time is left does the next move's main time show the
    // lag; in byoyomi it stays at 0 whatever the move took.
    const double rest = limits.timeLeftMs - ms;
    expectedLeftMs_ = limits.timeLeftMs >= 0 && rest > 0 ? rest + limits.incrementMs : -1;
}

double TimeBudget::softLimitMs(int scoreCp) const {
    const bool farAhead = scoreCp > 1500 && scoreCp < kMateBound;
    return onClock && farAhead ? softMs / 3 : softMs;
}

}  // namespace xantu::search
