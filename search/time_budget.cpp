#include "search/time_budget.h"

#include <algorithm>

namespace xantu::search {

TimeBudget TimeBudget::plan(const Limits& limits, Clock::time_point start) {
    TimeBudget t;
    if (limits.infinite) return t;
    if (limits.movetimeMs > 0) {
        // A few milliseconds are kept back for answering.
        t.hasDeadline = true;
        t.hardDeadline = start + std::chrono::milliseconds(std::max(1, limits.movetimeMs - 3));
        t.softMs = limits.movetimeMs;
    } else if (limits.timeLeftMs >= 0) {
        const double left = limits.timeLeftMs;
        const double margin = 30;  // for the answer to reach the other side
        double budget = left / 30.0 + limits.incrementMs * 0.8 + limits.byoyomiMs * 0.9;
        const double most = std::max(1.0, left + limits.byoyomiMs + limits.incrementMs - margin);
        if (budget > most) budget = most;
        // An iteration under way may run on to three times the budget, or to
        // the end of the byoyomi, which is lost if not used.
        const double hard = std::min(most, std::max(budget * 3.0, limits.byoyomiMs - margin));
        t.hasDeadline = true;
        t.hardDeadline = start + std::chrono::milliseconds(static_cast<long>(std::max(1.0, hard)));
        t.softMs = budget * 0.6;
    }
    return t;
}

}  // namespace xantu::search
