// survey SFEN: one influence survey on a fresh map, printed table by table.
#include <cstdio>

#include "influence/influence_map.h"
#include "tools/engine/sfen_args.h"

namespace xantu::engine {

namespace {
void printTable(const char* name, const int (&t)[10][10]) {
    std::printf("%s\n", name);
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) std::printf(x < 9 ? "%d " : "%d\n", t[x][y]);
}
}  // namespace

int commandSurvey(const Args& args) {
    std::optional<SfenResult> r = readSfenArgs(args);
    if (!r) return kExitBadInput;
    Position& p = r->position;
    InfluenceMap m{};  // every table zero, the unreset position tables too
    勢力調査(p, m);
    printTable("manInfluence", m.manInfluence);
    printTable("comInfluence", m.comInfluence);
    printTable("manGuard", m.manGuard);
    printTable("comGuard", m.comGuard);
    printTable("comGuardX", m.comGuardX);
    printTable("comGuardY", m.comGuardY);
    printTable("manThreat", m.manThreat);
    printTable("manThreatX", m.manThreatX);
    printTable("manThreatY", m.manThreatY);
    printTable("comThreat", m.comThreat);
    printTable("comThreatX", m.comThreatX);
    printTable("comThreatY", m.comThreatY);
    printTable("comKingCheckMap", m.comKingCheckMap);
    printTable("manKingCheckMap", m.manKingCheckMap);
    std::printf("manKing %d %d\n", p.manKingX, p.manKingY);
    std::printf("comKing %d %d\n", p.comKingX, p.comKingY);
    return 0;
}

}  // namespace xantu::engine
