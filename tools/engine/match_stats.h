#pragma once
// Score and Elo difference of a match from one engine's wins, losses and draws.
#include <string>

namespace xantu::engine {

struct EloEstimate {
    double score = 0;          // (wins + draws / 2) / games
    double elo = 0;            // difference in the first engine's favour
    double low = 0, high = 0;  // the 95 % interval
};

// The interval comes from the spread of the per-game scores (normal
// approximation). A score of 0 or 1 gives an infinite difference.
EloEstimate estimateElo(long wins, long losses, long draws);

// "12.3", "+inf" or "-inf".
std::string formatElo(double elo);

}  // namespace xantu::engine
