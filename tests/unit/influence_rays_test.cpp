// Straight and diagonal rays: where they stop, the opposing king they pass
// through, and the check marks they leave.
#include <gtest/gtest.h>

#include <algorithm>
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

// A map in its reset state, as the reach procedures expect it.
InfluenceMap resetMap() {
    Position empty;
    InfluenceMap m;
    勢力調査(empty, m);
    return m;
}

}  // namespace

TEST(InfluenceRayProcedures, EachDirectionFromTheCentreAndTheEdge) {
    using Reach = void (*)(const Position&, InfluenceMap&, int, int, int);
    struct Case {
        Reach reach;
        int dx, dy;
    };
    const Case cases[] = {
        {勢力確定上直進, 0, -1}, {勢力確定下直進, 0, +1}, {勢力確定右直進, +1, 0}, {勢力確定左直進, -1, 0}};
    for (const Case& c : cases) {
        for (int code : {-kRook, kRook}) {
            const Position p = place({{5, 5, code}});
            InfluenceMap m = resetMap();
            c.reach(p, m, code, 5, 5);
            const auto& own = code < 0 ? m.manInfluence : m.comInfluence;
            std::vector<Square> expected;
            for (int x = 5 + c.dx, y = 5 + c.dy; x >= 1 && x <= 9 && y >= 1 && y <= 9; x += c.dx, y += c.dy)
                expected.emplace_back(x, y);
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(marked(own, 1), expected);
            EXPECT_TRUE(marked(code < 0 ? m.comInfluence : m.manInfluence, 1).empty());
        }
        // From the edge the ray points to, nothing is recorded.
        const int ex = c.dx > 0 ? 9 : c.dx < 0 ? 1 : 5, ey = c.dy > 0 ? 9 : c.dy < 0 ? 1 : 5;
        const Position p = place({{ex, ey, -kRook}});
        InfluenceMap m = resetMap();
        c.reach(p, m, -kRook, ex, ey);
        EXPECT_TRUE(marked(m.manInfluence, 1).empty());
    }
}

TEST(InfluenceKingTransparency, LowerRookPassesTheUpperKing) {
    Position p = place({{5, 9, -kRook}, {5, 5, kKing}, {5, 2, kPawn}});
    InfluenceMap m;
    勢力調査(p, m);
    for (int y = 2; y <= 8; ++y) EXPECT_EQ(m.manInfluence[5][y], 1) << y;
    EXPECT_EQ(m.manInfluence[5][1], 0);
    for (int y : {5, 2}) {
        EXPECT_EQ(m.manThreat[5][y], -kRook);
        EXPECT_EQ(m.manThreatX[5][y], 5);
        EXPECT_EQ(m.manThreatY[5][y], 9);
    }
    EXPECT_EQ(marked(m.comKingCheckMap, 1), (std::vector<Square>{{5, 6}, {5, 7}, {5, 8}}));
    EXPECT_EQ(marked(m.comKingCheckMap, 9), (std::vector<Square>{{5, 9}}));
}

TEST(InfluenceKingTransparency, UpperRookPassesTheLowerKingAndThreatensIt) {
    Position p = place({{1, 5, kRook}, {4, 5, -kKing}, {7, 5, -kGold}});
    InfluenceMap m;
    勢力調査(p, m);
    for (int x = 2; x <= 7; ++x) EXPECT_EQ(m.comInfluence[x][5], 1) << x;
    EXPECT_EQ(m.comInfluence[8][5], 0);
    EXPECT_EQ(m.comInfluence[9][5], 0);
    for (int x : {4, 7}) {
        EXPECT_EQ(m.comThreat[x][5], kRook);
        EXPECT_EQ(m.comThreatX[x][5], 1);
        EXPECT_EQ(m.comThreatY[x][5], 5);
    }
    EXPECT_EQ(marked(m.manKingCheckMap, 1), (std::vector<Square>{{2, 5}, {3, 5}}));
    EXPECT_EQ(marked(m.manKingCheckMap, 9), (std::vector<Square>{{1, 5}}));
}

TEST(InfluenceKingTransparency, OwnKingAndOtherPiecesStopTheRay) {
    // A rook behind its own king reaches the king and stops.
    Position p = place({{5, 9, -kRook}, {5, 7, -kKing}, {5, 2, kKing}});
    InfluenceMap m;
    勢力調査(p, m);
    EXPECT_EQ(m.manInfluence[5][7], 1);
    EXPECT_EQ(m.manInfluence[5][5], 0);
    EXPECT_TRUE(marked(m.comKingCheckMap, 9).empty());
    // A lower lance stops on its own silver, which it defends.
    p = place({{3, 9, -kLance}, {3, 6, -kSilver}});
    勢力調査(p, m);
    EXPECT_EQ(m.manInfluence[3][8], 1);
    EXPECT_EQ(m.manInfluence[3][7], 1);
    EXPECT_EQ(m.manInfluence[3][6], 1);
    EXPECT_EQ(m.manInfluence[3][4], 0);
    EXPECT_EQ(m.manGuard[3][6], -kLance);
    // A lower rook beside it would defend with the lower code.
    p = place({{3, 9, -kLance}, {3, 6, -kSilver}, {1, 6, -kRook}});
    勢力調査(p, m);
    EXPECT_EQ(m.manGuard[3][6], -kRook);
}

TEST(InfluenceCheckMarks, AdjacentRayCheckMarksNoLineAndGoesOnBehind) {
    Position p = place({{5, 6, -kRook}, {5, 5, kKing}});
    InfluenceMap m;
    勢力調査(p, m);
    EXPECT_TRUE(marked(m.comKingCheckMap, 1).empty());
    EXPECT_EQ(marked(m.comKingCheckMap, 9), (std::vector<Square>{{5, 6}}));
    for (int y = 1; y <= 4; ++y) EXPECT_EQ(m.manInfluence[5][y], 1) << y;
}

TEST(InfluenceCheckMarks, TwoCheckersBothLeaveTheirMarks) {
    // Upper rook down the file and bishop down the diagonal on the lower king.
    Position p = place({{5, 9, -kKing}, {5, 5, kRook}, {1, 5, kBishop}});
    InfluenceMap m;
    勢力調査(p, m);
    EXPECT_EQ(marked(m.manKingCheckMap, 1), (std::vector<Square>{{2, 6}, {3, 7}, {4, 8}, {5, 6}, {5, 7}, {5, 8}}));
    EXPECT_EQ(marked(m.manKingCheckMap, 9), (std::vector<Square>{{1, 5}, {5, 5}}));
}

TEST(InfluenceDiagonalRays, UpperBishopPassesTheLowerKing) {
    Position p = place({{1, 1, kBishop}, {4, 4, -kKing}, {6, 6, -kSilver}});
    InfluenceMap m;
    勢力調査(p, m);
    for (int i = 2; i <= 6; ++i) EXPECT_EQ(m.comInfluence[i][i], 1) << i;
    EXPECT_EQ(m.comInfluence[7][7], 0);
    for (int i : {4, 6}) {
        EXPECT_EQ(m.comThreat[i][i], kBishop);
        EXPECT_EQ(m.comThreatX[i][i], 1);
        EXPECT_EQ(m.comThreatY[i][i], 1);
    }
    EXPECT_EQ(marked(m.manKingCheckMap, 1), (std::vector<Square>{{2, 2}, {3, 3}}));
    EXPECT_EQ(marked(m.manKingCheckMap, 9), (std::vector<Square>{{1, 1}}));
}

TEST(InfluenceDiagonalRays, CornerHasOneRayEdgeTwo) {
    const auto count = [](int x, int y) {
        Position p = place({{x, y, -kBishop}});
        InfluenceMap m = resetMap();
        勢力確定自角(p, m, -kBishop, x, y);
        return marked(m.manInfluence, 1).size();
    };
    EXPECT_EQ(count(1, 1), 8u);
    EXPECT_EQ(count(9, 1), 8u);
    EXPECT_EQ(count(1, 5), 8u);  // two rays of four
    EXPECT_EQ(count(5, 9), 8u);
    EXPECT_EQ(count(5, 5), 16u);
}

TEST(InfluenceDiagonalRays, LowerHorseRecordsItsRaysAsABishop) {
    Position p = place({{5, 5, -kHorse}, {7, 3, kGold}, {5, 4, kSilver}});
    InfluenceMap m;
    勢力調査(p, m);
    EXPECT_EQ(m.manThreat[7][3], -kBishop);
    EXPECT_EQ(m.manThreat[5][4], -kHorse);
    EXPECT_EQ(m.manThreatX[7][3], 5);
    EXPECT_EQ(m.manThreatY[7][3], 5);
    // The upper horse keeps its own code on its rays.
    p = place({{5, 5, kHorse}, {7, 3, -kGold}});
    勢力調査(p, m);
    EXPECT_EQ(m.comThreat[7][3], kHorse);
}

TEST(InfluenceDiagonalRays, PromotedPawnHasAllEightRays) {
    Position p = place({{5, 5, kPromPawn}});
    InfluenceMap m;
    勢力調査(p, m);
    EXPECT_EQ(marked(m.comInfluence, 1).size(), 32u);
    p = place({{5, 5, -kPromPawn}, {3, 3, kKing}});
    勢力調査(p, m);
    EXPECT_EQ(marked(m.comKingCheckMap, 1), (std::vector<Square>{{4, 4}}));
    EXPECT_EQ(marked(m.comKingCheckMap, 9), (std::vector<Square>{{5, 5}}));
    EXPECT_EQ(m.manInfluence[2][2], 1);
    EXPECT_EQ(m.manInfluence[1][1], 1);
}
