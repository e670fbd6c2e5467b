#include "tools/engine/turn_about.h"

namespace xantu::engine {

Position turnedAboutWithKings(const Position& p) {
    Position q = xantu::turnedAbout(p);
    // The king squares turn with the board, so that they hold before any survey.
    q.manKingX = p.comKingX == 0 ? 0 : 10 - p.comKingX;
    q.manKingY = p.comKingY == 0 ? 0 : 10 - p.comKingY;
    q.comKingX = p.manKingX == 0 ? 0 : 10 - p.manKingX;
    q.comKingY = p.manKingY == 0 ? 0 : 10 - p.manKingY;
    return q;
}

}  // namespace xantu::engine
