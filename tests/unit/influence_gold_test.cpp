// Gold-movers: the lower side records its own code with full entries, the
// upper side records every gold-mover as a gold, without a guard square and
// without a threat entry.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <utility>
#include <vector>

#include "influence/influence_map.h"
#include "influence/reach.h"
#include "test_support.h"

using namespace xantu;
using namespace xantu::testing;

namespace {

using Square = std::pair<int, int>;

}  // namespace

TEST(InfluenceGold, StepsOnTheBackRank) {
    Position p = place({{5, 1, -kGold}});
    InfluenceMap m;
    勢力調査(p, m);
    EXPECT_EQ(nonZero(m.manInfluence), (std::vector<Square>{{4, 1}, {5, 2}, {6, 1}}));
    p = place({{5, 9, kGold}});
    勢力調査(p, m);
    EXPECT_EQ(nonZero(m.comInfluence), (std::vector<Square>{{4, 9}, {5, 8}, {6, 9}}));
    // Every gold-mover of either side has the same six steps.
    for (int code : {kPromLance, kPromKnight, kPromSilver, kGold}) {
        p = place({{5, 5, -code}});
        勢力調査(p, m);
        EXPECT_EQ(nonZero(m.manInfluence), (std::vector<Square>{{4, 4}, {4, 5}, {5, 4}, {5, 6}, {6, 4}, {6, 5}}));
        p = place({{5, 5, code}});
        勢力調査(p, m);
        EXPECT_EQ(nonZero(m.comInfluence), (std::vector<Square>{{4, 5}, {4, 6}, {5, 4}, {5, 6}, {6, 5}, {6, 6}}));
    }
}

TEST(InfluenceGold, UpperGoldMoverGuardsAsGoldWithoutSquare) {
    InfluenceMap m;
    m.comGuardX[5][6] = 3;  // left by an earlier survey
    m.comGuardY[5][6] = 4;
    Position p = place({{5, 5, kPromSilver}, {5, 6, kPawn}});
    勢力調査(p, m);
    EXPECT_EQ(m.comGuard[5][6], kGold);
    EXPECT_EQ(m.comGuardX[5][6], 3);
    EXPECT_EQ(m.comGuardY[5][6], 4);
    // A lower code reaching it as well replaces the entry, with its square.
    p = place({{5, 5, kPromSilver}, {5, 6, kGold}, {1, 6, kPawn}});
    勢力調査(p, m);
    EXPECT_EQ(m.comGuard[5][6], kPawn);
    EXPECT_EQ(m.comGuardX[5][6], 1);
    EXPECT_EQ(m.comGuardY[5][6], 6);
}

TEST(InfluenceGold, UpperGoldMoverNeverThreatens) {
    Position p = place({{5, 5, kGold}, {5, 6, -kRook}, {4, 6, -kKing}});
    InfluenceMap m;
    勢力調査(p, m);
    EXPECT_EQ(m.comInfluence[5][6], 1);
    EXPECT_EQ(m.comThreat[5][6], 999);
    EXPECT_EQ(m.comThreat[4][6], 999);
    // It gives check all the same, marking only its own square.
    EXPECT_EQ(nonZero(m.manKingCheckMap), (std::vector<Square>{{5, 5}}));
    EXPECT_EQ(m.manKingCheckMap[5][5], 9);
}

TEST(InfluenceGold, LowerGoldMoverRecordsItsOwnCode) {
    Position p = place({{5, 5, -kPromKnight}, {5, 4, kPawn}});
    InfluenceMap m;
    勢力調査(p, m);
    EXPECT_EQ(m.manThreat[5][4], -kPromKnight);
    EXPECT_EQ(m.manThreatX[5][4], 5);
    EXPECT_EQ(m.manThreatY[5][4], 5);
    // A higher lower code (a pawn) takes the threat over.
    p = place({{5, 5, -kPromKnight}, {5, 4, kPawn}, {9, 4, -kPawn}});
    勢力調査(p, m);
    EXPECT_EQ(m.manThreat[5][4], -kPawn);
    EXPECT_EQ(m.manThreatX[5][4], 9);
    // Next to the upper king it marks only its own square.
    p = place({{5, 5, -kGold}, {5, 4, kKing}});
    勢力調査(p, m);
    EXPECT_EQ(nonZero(m.comKingCheckMap), (std::vector<Square>{{5, 5}}));
    EXPECT_EQ(m.comKingCheckMap[5][5], 9);
}

TEST(InfluenceGold, ProceduresCalledDirectly) {
    // The reach procedures write onto whatever the survey's reset left.
    Position empty;
    InfluenceMap m;
    勢力調査(empty, m);
    Position p = place({{2, 2, kPromLance}, {3, 3, -kPawn}});
    勢力確定敵金(p, m, 2, 2);
    EXPECT_EQ(nonZero(m.comInfluence), (std::vector<Square>{{1, 2}, {1, 3}, {2, 1}, {2, 3}, {3, 2}, {3, 3}}));
    EXPECT_EQ(m.comThreat[3][3], 999);
    勢力確定自金(p, m, -kPromSilver, 3, 3);
    EXPECT_EQ(m.manThreat[2][2], -kPromSilver);
    EXPECT_EQ(m.manThreatX[2][2], 3);
    EXPECT_EQ(m.manThreatY[2][2], 3);
}
