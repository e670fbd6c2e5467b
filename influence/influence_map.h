#pragma once
#include "core/position.h"

namespace xantu {

// The influence map: per-square tables filled by 勢力調査 from the board alone.
// Indexed [x][y], 1..9 (index 0 unused). The position tables comGuardX/Y and
// comThreatX/Y are never reset by a survey: later readers see what earlier
// surveys left there.
struct InfluenceMap {
    int manInfluence[10][10]{};
    int comInfluence[10][10]{};
    int manGuard[10][10]{};
    int comGuard[10][10]{};
    int comGuardX[10][10]{};
    int comGuardY[10][10]{};
    int manThreat[10][10]{};
    int manThreatX[10][10]{};
    int manThreatY[10][10]{};
    int comThreat[10][10]{};
    int comThreatX[10][10]{};
    int comThreatY[10][10]{};
    int comKingCheckMap[10][10]{};
    int manKingCheckMap[10][10]{};
};

// One survey: resets the tables (except the four position tables), records
// the reach of every piece on the board, and sets the king squares of the
// Position where it meets the kings (a king not on the board leaves its pair).
void 勢力調査(Position& p, InfluenceMap& m);

}  // namespace xantu
