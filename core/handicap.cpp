#include "core/handicap.h"

namespace xantu {

void applyHandicap(Position& p, int level) {
    for (int step = 1; step <= kHandicapSteps; ++step) {
        if (level <= -step) p.board[kLowerHandicap[step].x][kLowerHandicap[step].y] = kEmpty;
        if (level >= step) p.board[kUpperHandicap[step].x][kUpperHandicap[step].y] = kEmpty;
    }
}

}  // namespace xantu
