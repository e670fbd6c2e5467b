#include <algorithm>
#include <cstring>

#include "influence/influence_map.h"
#include "influence/reach_record.h"

namespace xantu {

namespace {

using reach::kComAll;
using reach::kComCountOnly;
using reach::kComGuardOnly;
using reach::kComGuardWithSquare;

inline void fillTable(int (&t)[10][10], int v) { std::fill(&t[0][0], &t[0][0] + 100, v); }
inline void zeroTable(int (&t)[10][10]) { std::memset(t, 0, sizeof t); }

// Resets every table that a survey starts afresh. comGuardX/Y and
// comThreatX/Y are kept on purpose: they are meaningful only where this
// survey writes them, and later readers rely on what earlier surveys left.
void resetTables(InfluenceMap& m) {
    zeroTable(m.manInfluence);
    zeroTable(m.comInfluence);
    fillTable(m.manGuard, 999);
    fillTable(m.comGuard, 999);
    fillTable(m.manThreat, -999);
    zeroTable(m.manThreatX);
    zeroTable(m.manThreatY);
    fillTable(m.comThreat, 999);
    zeroTable(m.comKingCheckMap);
    zeroTable(m.manKingCheckMap);
}

void lowerPiece(Position& p, InfluenceMap& m, int c, int x, int y) {
    using namespace reach;
    switch (c) {
    case -kPawn:
    case -kRook: orthogonalRays<true>(p, m, c, x, y); break;
    case -kPromPawn:
        orthogonalRays<true>(p, m, c, x, y);
        diagonalRays<true>(p, m, c, x, y);
        break;
    case -kLance: ray<true>(p, m, c, x, y, 0, -1); break;
    case -kPromLance:
    case -kPromKnight:
    case -kPromSilver:
    case -kGold: goldMan(p, m, c, x, y); break;
    case -kKnight:
        if (y > 2) {
            jumpMan(p, m, c, x, y, x - 1, y - 2);
            jumpMan(p, m, c, x, y, x + 1, y - 2);
        }
        break;
    case -kSilver:
        stepMan(p, m, c, x, y, x, y - 1);
        stepMan(p, m, c, x, y, x - 1, y - 1);
        stepMan(p, m, c, x, y, x + 1, y - 1);
        stepMan(p, m, c, x, y, x - 1, y + 1);
        stepMan(p, m, c, x, y, x + 1, y + 1);
        break;
    case -kBishop: diagonalRays<true>(p, m, c, x, y); break;
    case -kHorse:
        stepMan(p, m, c, x, y, x, y - 1);
        stepMan(p, m, c, x, y, x, y + 1);
        stepMan(p, m, c, x, y, x - 1, y);
        stepMan(p, m, c, x, y, x + 1, y);
        // The diagonal rays of the lower horse count as a bishop's.
        diagonalRays<true>(p, m, -kBishop, x, y);
        break;
    case -kDragon:
        orthogonalRays<true>(p, m, c, x, y);
        stepMan(p, m, c, x, y, x - 1, y - 1);
        stepMan(p, m, c, x, y, x + 1, y - 1);
        stepMan(p, m, c, x, y, x - 1, y + 1);
        stepMan(p, m, c, x, y, x + 1, y + 1);
        break;
    case -kKing:
        p.manKingX = x;
        p.manKingY = y;
        // Kings never mark a check.
        for (int sx = x - 1; sx <= x + 1; ++sx)
            for (int sy = y - 1; sy <= y + 1; ++sy)
                if ((sx != x || sy != y) && onBoard(sx, sy)) recordMan(p, m, c, x, y, sx, sy);
        break;
    default: break;
    }
}

void upperPiece(Position& p, InfluenceMap& m, int c, int x, int y) {
    using namespace reach;
    switch (c) {
    case kPawn:
    case kRook: orthogonalRays<false>(p, m, c, x, y); break;
    case kPromPawn:
        orthogonalRays<false>(p, m, c, x, y);
        diagonalRays<false>(p, m, c, x, y);
        break;
    case kLance: ray<false>(p, m, c, x, y, 0, +1); break;
    case kPromLance:
    case kPromKnight:
    case kPromSilver:
    case kGold: goldCom(p, m, x, y); break;
    case kKnight:
        if (y < 8) {
            jumpCom(p, m, c, x, y, x - 1, y + 2);
            jumpCom(p, m, c, x, y, x + 1, y + 2);
        }
        break;
    case kSilver:
        stepCom<kComGuardWithSquare>(p, m, c, x, y, x, y + 1);
        stepCom<kComGuardWithSquare>(p, m, c, x, y, x - 1, y + 1);
        stepCom<kComGuardWithSquare>(p, m, c, x, y, x + 1, y + 1);
        stepCom<kComGuardWithSquare>(p, m, c, x, y, x - 1, y - 1);
        stepCom<kComGuardWithSquare>(p, m, c, x, y, x + 1, y - 1);
        break;
    case kBishop: diagonalRays<false>(p, m, c, x, y); break;
    case kHorse:
        // The upper horse's steps only count; its rays record everything.
        stepCom<kComCountOnly>(p, m, c, x, y, x, y - 1);
        stepCom<kComCountOnly>(p, m, c, x, y, x, y + 1);
        stepCom<kComCountOnly>(p, m, c, x, y, x - 1, y);
        stepCom<kComCountOnly>(p, m, c, x, y, x + 1, y);
        diagonalRays<false>(p, m, c, x, y);
        break;
    case kDragon:
        orthogonalRays<false>(p, m, c, x, y);
        stepCom<kComAll>(p, m, c, x, y, x - 1, y - 1);
        stepCom<kComAll>(p, m, c, x, y, x + 1, y - 1);
        stepCom<kComAll>(p, m, c, x, y, x - 1, y + 1);
        stepCom<kComAll>(p, m, c, x, y, x + 1, y + 1);
        break;
    case kKing:
        p.comKingX = x;
        p.comKingY = y;
        for (int sx = x - 1; sx <= x + 1; ++sx)
            for (int sy = y - 1; sy <= y + 1; ++sy)
                if ((sx != x || sy != y) && onBoard(sx, sy)) recordCom<kComGuardOnly>(p, m, c, x, y, sx, sy);
        break;
    default: break;
    }
}

}  // namespace

void 勢力調査(Position& p, InfluenceMap& m) {
    resetTables(m);
    // Column outer, row inner: among equal codes the first piece met keeps
    // the guard or threat entry (comparisons are strict).
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int c = p.board[x][y];
            if (c < 0)
                lowerPiece(p, m, c, x, y);
            else if (c > 0)
                upperPiece(p, m, c, x, y);
        }
}

}  // namespace xantu
