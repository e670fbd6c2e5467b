#include "tools/engine/match_stats.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace xantu::engine {

namespace {
double eloOf(double score) {
    if (score <= 0) return -std::numeric_limits<double>::infinity();
    if (score >= 1) return std::numeric_limits<double>::infinity();
    return -400.0 * std::log10(1.0 / score - 1.0);
}
}  // namespace

EloEstimate estimateElo(long wins, long losses, long draws) {
    EloEstimate e;
    const double n = static_cast<double>(wins + losses + draws);
    if (n <= 0) return e;
    const double s = (static_cast<double>(wins) + 0.5 * static_cast<double>(draws)) / n;
    const double var = (static_cast<double>(wins) * (1 - s) * (1 - s) +
                        static_cast<double>(draws) * (0.5 - s) * (0.5 - s) + static_cast<double>(losses) * s * s) /
                       n;
    const double margin = 1.959964 * std::sqrt(var / n);
    e.score = s;
    e.elo = eloOf(s);
    e.low = eloOf(s - margin);
    e.high = eloOf(s + margin);
    return e;
}

std::string formatElo(double elo) {
    if (std::isinf(elo)) return elo > 0 ? "+inf" : "-inf";
    char b[32];
    std::snprintf(b, sizeof b, "%.1f", std::fabs(elo) < 0.05 ? 0.0 : elo);
    return b;
}

}  // namespace xantu::engine
