#include "computer/think.h"

#include "computer/mate_search.h"
#include "influence/influence_map.h"

namespace xantu {

ThinkOutcome thinkFromFreshState(const Position& position, int comLevel, const TraceSink* trace) {
    Position p = position;
    // Zero-initialised: the influence tables with their unreset position
    // tables, the start copies, pins and bishop-check squares, and
    // originKingDistance.
    InfluenceMap m{};
    TurnState t{};
    ThinkOutcome out;
    勢力調査(p, m);
    out.commated = 詰めかCOM(p, m);
    out.search = comSearch(p, m, t, comLevel, nullptr, nullptr, trace);
    ++out.search.surveys;
    return out;
}

}  // namespace xantu
