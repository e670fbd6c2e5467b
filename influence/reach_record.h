#pragma once
// Inline building blocks shared by the survey and the reach procedures: the
// two sides' recording rules, the step and knight check marks, and the ray
// walker. Kept in a header so the survey's inner loop inlines them.
#include "core/position.h"
#include "influence/influence_map.h"

namespace xantu::reach {

// What an upper-side reach feeds beyond the count (the lower side always
// feeds everything): the guard entry, the guard's square, the threat entry
// with its square.
struct ComFeeds {
    bool guard;
    bool guardSquare;
    bool threat;
};
inline constexpr ComFeeds kComAll{true, true, true};               // rays, dragon steps
inline constexpr ComFeeds kComGuardWithSquare{true, true, false};  // knight, silver
inline constexpr ComFeeds kComGuardOnly{true, false, false};       // gold-movers, king
inline constexpr ComFeeds kComCountOnly{false, false, false};      // horse steps

// Lower-side rule for a piece of code c on (px, py) reaching (sx, sy).
// Returns true when the square holds the upper king (the caller marks the check).
inline bool recordMan(const Position& p, InfluenceMap& m, int c, int px, int py, int sx, int sy) {
    ++m.manInfluence[sx][sy];
    const int t = p.board[sx][sy];
    if (t < 0) {
        if (c < m.manGuard[sx][sy]) m.manGuard[sx][sy] = c;
        return false;
    }
    if (t > 0) {
        if (c > m.manThreat[sx][sy]) {
            m.manThreat[sx][sy] = c;
            m.manThreatX[sx][sy] = px;
            m.manThreatY[sx][sy] = py;
        }
        return t == kKing;
    }
    return false;
}

// Upper-side rule. Returns true when the square holds the lower king.
template <ComFeeds F>
inline bool recordCom(const Position& p, InfluenceMap& m, int c, int px, int py, int sx, int sy) {
    ++m.comInfluence[sx][sy];
    const int t = p.board[sx][sy];
    if (t > 0) {
        if constexpr (F.guard) {
            if (c < m.comGuard[sx][sy]) {
                m.comGuard[sx][sy] = c;
                if constexpr (F.guardSquare) {
                    m.comGuardX[sx][sy] = px;
                    m.comGuardY[sx][sy] = py;
                }
            }
        }
        return false;
    }
    if (t < 0) {
        if constexpr (F.threat) {
            if (c < m.comThreat[sx][sy]) {
                m.comThreat[sx][sy] = c;
                m.comThreatX[sx][sy] = px;
                m.comThreatY[sx][sy] = py;
            }
        }
        return t == -kKing;
    }
    return false;
}

inline bool onBoard(int x, int y) { return x >= 1 && x <= 9 && y >= 1 && y <= 9; }

// One step of a lower piece (silver, gold-mover, horse or dragon step); a step
// onto the upper king marks the stepping piece's square 9.
inline void stepMan(const Position& p, InfluenceMap& m, int c, int x, int y, int sx, int sy) {
    if (onBoard(sx, sy) && recordMan(p, m, c, x, y, sx, sy)) m.comKingCheckMap[x][y] = 9;
}

template <ComFeeds F>
inline void stepCom(const Position& p, InfluenceMap& m, int c, int x, int y, int sx, int sy) {
    if (onBoard(sx, sy) && recordCom<F>(p, m, c, x, y, sx, sy)) m.manKingCheckMap[x][y] = 9;
}

// A knight's jump onto the opposing king marks both the knight and the king.
inline void jumpMan(const Position& p, InfluenceMap& m, int c, int x, int y, int sx, int sy) {
    if (onBoard(sx, sy) && recordMan(p, m, c, x, y, sx, sy)) m.comKingCheckMap[x][y] = m.comKingCheckMap[sx][sy] = 9;
}

inline void jumpCom(const Position& p, InfluenceMap& m, int c, int x, int y, int sx, int sy) {
    if (onBoard(sx, sy) && recordCom<kComGuardWithSquare>(p, m, c, x, y, sx, sy))
        m.manKingCheckMap[x][y] = m.manKingCheckMap[sx][sy] = 9;
}

// Number of steps from v to the board edge in direction d (-1, 0, +1); 9 for 0.
inline int stepsToEdge(int v, int d) { return d > 0 ? 9 - v : d < 0 ? v - 1 : 9; }

// One ray from (x, y) in direction (dx, dy), for the side given by the sign
// of c. It records every square up to and including the first occupied one,
// except that the opposing king is passed through: meeting it marks the
// squares strictly between with 1 and the piece's square with 9.
template <bool Lower>
inline void ray(const Position& p, InfluenceMap& m, int c, int x, int y, int dx, int dy) {
    int n = stepsToEdge(x, dx);
    if (const int ny = stepsToEdge(y, dy); ny < n) n = ny;
    int sx = x, sy = y;
    for (int i = 0; i < n; ++i) {
        sx += dx;
        sy += dy;
        bool king;
        if constexpr (Lower)
            king = recordMan(p, m, c, x, y, sx, sy);
        else
            king = recordCom<kComAll>(p, m, c, x, y, sx, sy);
        if (king) {
            int(&checkMap)[10][10] = Lower ? m.comKingCheckMap : m.manKingCheckMap;
            for (int bx = x + dx, by = y + dy; bx != sx || by != sy; bx += dx, by += dy) checkMap[bx][by] = 1;
            checkMap[x][y] = 9;
        } else if (p.board[sx][sy] != kEmpty) {
            return;
        }
    }
}

template <bool Lower>
inline void orthogonalRays(const Position& p, InfluenceMap& m, int c, int x, int y) {
    ray<Lower>(p, m, c, x, y, 0, +1);  // down
    ray<Lower>(p, m, c, x, y, 0, -1);  // up
    ray<Lower>(p, m, c, x, y, +1, 0);  // right
    ray<Lower>(p, m, c, x, y, -1, 0);  // left
}

template <bool Lower>
inline void diagonalRays(const Position& p, InfluenceMap& m, int c, int x, int y) {
    ray<Lower>(p, m, c, x, y, -1, -1);  // up-left
    ray<Lower>(p, m, c, x, y, +1, -1);  // up-right
    ray<Lower>(p, m, c, x, y, -1, +1);  // down-left
    ray<Lower>(p, m, c, x, y, +1, +1);  // down-right
}

// Gold steps, forward first. The lower side records its own code; the upper
// side records every gold-mover as a gold, with no guard square or threat.
inline void goldMan(const Position& p, InfluenceMap& m, int c, int x, int y) {
    stepMan(p, m, c, x, y, x, y - 1);
    stepMan(p, m, c, x, y, x - 1, y - 1);
    stepMan(p, m, c, x, y, x + 1, y - 1);
    stepMan(p, m, c, x, y, x, y + 1);
    stepMan(p, m, c, x, y, x - 1, y);
    stepMan(p, m, c, x, y, x + 1, y);
}

inline void goldCom(const Position& p, InfluenceMap& m, int x, int y) {
    stepCom<kComGuardOnly>(p, m, kGold, x, y, x, y - 1);
    stepCom<kComGuardOnly>(p, m, kGold, x, y, x, y + 1);
    stepCom<kComGuardOnly>(p, m, kGold, x, y, x - 1, y + 1);
    stepCom<kComGuardOnly>(p, m, kGold, x, y, x + 1, y + 1);
    stepCom<kComGuardOnly>(p, m, kGold, x, y, x - 1, y);
    stepCom<kComGuardOnly>(p, m, kGold, x, y, x + 1, y);
}

}  // namespace xantu::reach
