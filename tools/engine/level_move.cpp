#include "tools/engine/level_move.h"

#include "computer/think.h"
#include "tools/engine/turn_about.h"

namespace xantu::engine {

LevelMove levelMove(const Position& p, Side side, int level) {
    const bool lower = side == Side::Lower;
    const ThinkOutcome out = thinkFromFreshState(lower ? turnedAboutWithKings(p) : p, level);
    const SearchResult& s = out.search;
    LevelMove m;
    m.candidates = s.candidates;
    if (!s.found) return m;
    m.found = true;
    m.fromX = s.fromX;
    m.fromY = s.fromY;
    m.toX = s.toX;
    m.toY = s.toY;
    m.code = s.placed;
    m.promotes = s.promotes;
    m.score = s.score;
    if (lower) {
        if (m.fromX == kUpperHandCol) {
            m.fromX = kLowerHandCol;
        } else {
            m.fromX = 10 - m.fromX;
            m.fromY = 10 - m.fromY;
        }
        m.toX = 10 - m.toX;
        m.toY = 10 - m.toY;
        m.code = -m.code;
    }
    m.usi = usiMove(m.fromX, m.fromY, m.toX, m.toY, m.promotes);
    return m;
}

}  // namespace xantu::engine
