#include "tools/engine/level_move.h"

#include "computer/think.h"
#include "tools/engine/turn_about.h"

namespace xantu::engine {

SearchResult levelMove(const Position& p, Side side, int level) {
    const bool lower = side == Side::Lower;
    SearchResult s = thinkFromFreshState(lower ? turnedAboutWithKings(p) : p, level).search;
    if (s.found && lower) s.move = turnedAbout(s.move);
    return s;
}

}  // namespace xantu::engine
