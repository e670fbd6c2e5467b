#pragma once
#include "core/position.h"
#include "influence/influence_map.h"

namespace xantu {

// Is MAN's king (the lower side) mated, one reply deep? Reads the map of the
// current board; the board is changed during the test and always restored.
int 詰めかMAN(Position& p, const InfluenceMap& m);
// Is COM's king mated? Reruns the survey for trial moves, so the map is left
// as computed for the last trial (or unchanged when answered earlier).
int 詰めかCOM(Position& p, InfluenceMap& m);
// Can some COM piece move onto MAN's king square?
int 詰めかMAN_COM移動(const Position& p);

}  // namespace xantu
