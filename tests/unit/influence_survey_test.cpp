// The survey as a whole: reset values, step pieces, ties, the guard and
// threat entries, king squares and the position tables a survey keeps.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

#include "core/move_check.h"
#include "core/sfen.h"
#include "influence/influence_map.h"
#include "test_support.h"

using namespace xantu;
using namespace xantu::testing;

namespace {

InfluenceMap survey(Position& p) {
    InfluenceMap m;
    勢力調査(p, m);
    return m;
}

}  // namespace

TEST(InfluenceReset, EmptyBoardLeavesResetValuesAndKeepsPositionTables) {
    Position p;
    InfluenceMap m;
    // Leftovers of an earlier survey.
    m.manInfluence[3][3] = 4;
    m.manThreatX[2][2] = 5;
    m.manThreatY[2][2] = 6;
    m.comGuardX[4][4] = 7;
    m.comGuardY[4][4] = 8;
    m.comThreatX[6][6] = 2;
    m.comThreatY[6][6] = 3;
    m.manKingCheckMap[1][1] = 9;
    勢力調査(p, m);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            EXPECT_EQ(m.manInfluence[x][y], 0);
            EXPECT_EQ(m.comInfluence[x][y], 0);
            EXPECT_EQ(m.manGuard[x][y], 999);
            EXPECT_EQ(m.comGuard[x][y], 999);
            EXPECT_EQ(m.comThreat[x][y], 999);
            EXPECT_EQ(m.manThreat[x][y], -999);
            EXPECT_EQ(m.manThreatX[x][y], 0);
            EXPECT_EQ(m.manThreatY[x][y], 0);
            EXPECT_EQ(m.comKingCheckMap[x][y], 0);
            EXPECT_EQ(m.manKingCheckMap[x][y], 0);
        }
    EXPECT_EQ(m.comGuardX[4][4], 7);
    EXPECT_EQ(m.comGuardY[4][4], 8);
    EXPECT_EQ(m.comThreatX[6][6], 2);
    EXPECT_EQ(m.comThreatY[6][6], 3);
}

TEST(InfluenceSteps, EachPieceReachesItsOwnPattern) {
    struct Case {
        int code, x, y;
        std::vector<Square> expected;
    };
    const std::vector<Case> cases = {
        // The pawn moves like a rook.
        {-kPawn,
         5,
         7,
         {{1, 7},
          {2, 7},
          {3, 7},
          {4, 7},
          {5, 1},
          {5, 2},
          {5, 3},
          {5, 4},
          {5, 5},
          {5, 6},
          {5, 8},
          {5, 9},
          {6, 7},
          {7, 7},
          {8, 7},
          {9, 7}}},
        {kSilver, 5, 9, {{4, 8}, {6, 8}}},
        {-kSilver, 5, 1, {{4, 2}, {6, 2}}},
        {-kSilver, 5, 5, {{4, 4}, {4, 6}, {5, 4}, {6, 4}, {6, 6}}},
        {kSilver, 5, 5, {{4, 4}, {4, 6}, {5, 6}, {6, 4}, {6, 6}}},
        {-kKnight, 5, 5, {{4, 3}, {6, 3}}},
        {kKnight, 5, 5, {{4, 7}, {6, 7}}},
        {-kKnight, 1, 3, {{2, 1}}},
        {-kKnight, 5, 2, {}},
        {kKnight, 5, 8, {}},
        {-kLance, 3, 4, {{3, 1}, {3, 2}, {3, 3}}},
        {kLance, 3, 6, {{3, 7}, {3, 8}, {3, 9}}},
        {-kKing, 1, 9, {{1, 8}, {2, 8}, {2, 9}}},
        {kKing, 5, 5, {{4, 4}, {4, 5}, {4, 6}, {5, 4}, {5, 6}, {6, 4}, {6, 5}, {6, 6}}},
        {-kHorse, 1, 1, {{1, 2}, {2, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9}}},
        {kDragon,
         9,
         9,
         {{1, 9},
          {2, 9},
          {3, 9},
          {4, 9},
          {5, 9},
          {6, 9},
          {7, 9},
          {8, 8},
          {8, 9},
          {9, 1},
          {9, 2},
          {9, 3},
          {9, 4},
          {9, 5},
          {9, 6},
          {9, 7},
          {9, 8}}},
    };
    for (const Case& c : cases) {
        Position p = place({{c.x, c.y, c.code}});
        const InfluenceMap m = survey(p);
        const auto& own = c.code < 0 ? m.manInfluence : m.comInfluence;
        const auto& other = c.code < 0 ? m.comInfluence : m.manInfluence;
        EXPECT_EQ(nonZero(own), c.expected) << c.code << " on " << c.x << "," << c.y;
        EXPECT_TRUE(nonZero(other).empty());
        for (const auto& [x, y] : c.expected) EXPECT_EQ(own[x][y], 1);
    }
}

// On boards without kings every piece's reach is exactly the set of squares
// its move check allows it to move to, once the target square is made
// capturable. Random boards cover every kind on every square for both sides.
TEST(InfluenceSteps, CountsAgreeWithTheMoveCheckOnRandomBoards) {
    static constexpr int kinds[] = {kPawn,       kPromPawn, kLance,  kPromLance, kKnight, kPromKnight, kSilver,
                                    kPromSilver, kGold,     kBishop, kHorse,     kRook,   kDragon};
    std::uint64_t seed = 0x9e3779b97f4a7c15ull;
    const auto next = [&seed] {
        seed ^= seed << 13;
        seed ^= seed >> 7;
        seed ^= seed << 17;
        return seed;
    };
    const PawnFiles none;
    for (int round = 0; round < 300; ++round) {
        Position p;
        const int pieces = 2 + static_cast<int>(next() % 20);
        for (int i = 0; i < pieces; ++i) {
            const int code = kinds[next() % std::size(kinds)] * ((next() & 1) ? 1 : -1);
            p.board[1 + next() % 9][1 + next() % 9] = code;
        }
        const InfluenceMap m = survey(p);
        for (int sx = 1; sx <= 9; ++sx)
            for (int sy = 1; sy <= 9; ++sy) {
                int man = 0, com = 0;
                for (int x = 1; x <= 9; ++x)
                    for (int y = 1; y <= 9; ++y) {
                        const int c = p.board[x][y];
                        if (c == 0 || (x == sx && y == sy)) continue;
                        Position q = p;
                        q.board[sx][sy] = c < 0 ? kPawn : -kPawn;  // something to capture
                        if (移動チェック(q, none, x, y, sx, sy, c) == 1) (c < 0 ? man : com) += 1;
                    }
                ASSERT_EQ(m.manInfluence[sx][sy], man) << toSfen(p, Side::Lower) << " at " << sx << "," << sy;
                ASSERT_EQ(m.comInfluence[sx][sy], com) << toSfen(p, Side::Lower) << " at " << sx << "," << sy;
            }
    }
}

TEST(InfluenceTies, FirstPieceInScanOrderKeepsEqualCodes) {
    // Two lower silvers attack the upper gold on (5,5): the one with the
    // smaller column is recorded.
    Position p = place({{5, 5, kGold}, {6, 6, -kSilver}, {4, 6, -kSilver}});
    InfluenceMap m = survey(p);
    EXPECT_EQ(m.manThreat[5][5], -kSilver);
    EXPECT_EQ(m.manThreatX[5][5], 4);
    EXPECT_EQ(m.manThreatY[5][5], 6);
    // Equal column: the smaller row.
    p = place({{5, 5, kGold}, {4, 4, -kSilver}, {4, 6, -kSilver}});
    m = survey(p);
    EXPECT_EQ(m.manThreatX[5][5], 4);
    EXPECT_EQ(m.manThreatY[5][5], 4);
    // A lower pawn reaching it as well takes the entry over (highest code).
    p = place({{5, 5, kGold}, {6, 6, -kSilver}, {4, 6, -kSilver}, {5, 9, -kPawn}});
    m = survey(p);
    EXPECT_EQ(m.manThreat[5][5], -kPawn);
    EXPECT_EQ(m.manThreatX[5][5], 5);
    EXPECT_EQ(m.manThreatY[5][5], 9);
    // Upper side, lowest code wins, equal codes keep the first square.
    p = place({{5, 5, -kGold}, {5, 1, kRook}, {1, 5, kRook}, {9, 5, kRook}});
    m = survey(p);
    EXPECT_EQ(m.comThreat[5][5], kRook);
    EXPECT_EQ(m.comThreatX[5][5], 1);
    EXPECT_EQ(m.comThreatY[5][5], 5);
    p = place({{5, 5, kGold}, {9, 5, kRook}, {5, 9, kPawn}, {1, 5, kRook}});
    m = survey(p);
    EXPECT_EQ(m.comGuard[5][5], kPawn);
    EXPECT_EQ(m.comGuardX[5][5], 5);
    EXPECT_EQ(m.comGuardY[5][5], 9);
}

TEST(InfluenceGuards, LowerGuardIsTheMostValuableDefender) {
    // A lower king next to a defended piece makes the entry -950.
    Position p = place({{5, 6, -kGold}, {5, 7, -kKing}, {5, 9, -kRook}, {1, 6, -kPawn}});
    InfluenceMap m = survey(p);
    EXPECT_EQ(m.manGuard[5][6], -kKing);
    EXPECT_EQ(m.manInfluence[5][6], 2);   // king and pawn: the rook's ray ends on its own king
    EXPECT_EQ(m.manGuard[5][7], -kRook);  // gold and rook defend the king
    EXPECT_EQ(m.manGuard[5][9], 999);
}

TEST(InfluenceGuards, UpperKindsFeedGuardAndThreatDifferently) {
    // The upper knight attacks a lower gold: counted, but no threat entry.
    Position p = place({{5, 3, kKnight}, {4, 5, -kGold}});
    InfluenceMap m = survey(p);
    EXPECT_EQ(m.comInfluence[4][5], 1);
    EXPECT_EQ(m.comThreat[4][5], 999);
    // The dragon's diagonal step does feed it.
    p = place({{5, 5, kDragon}, {4, 6, -kGold}});
    m = survey(p);
    EXPECT_EQ(m.comThreat[4][6], kDragon);
    EXPECT_EQ(m.comThreatX[4][6], 5);
    EXPECT_EQ(m.comThreatY[4][6], 5);
    // The upper horse's orthogonal step only counts.
    p = place({{5, 5, kHorse}, {5, 6, -kGold}, {5, 4, kSilver}});
    m = survey(p);
    EXPECT_EQ(m.comInfluence[5][6], 1);
    EXPECT_EQ(m.comThreat[5][6], 999);
    EXPECT_EQ(m.comGuard[5][4], 999);
    // The upper king guards without a square; the silver guards with one.
    p = place({{5, 5, kKing}, {5, 6, kGold}, {6, 5, kSilver}});
    m = survey(p);
    EXPECT_EQ(m.comGuard[5][6], kSilver);
    EXPECT_EQ(m.comGuardX[5][6], 6);
    EXPECT_EQ(m.comGuardY[5][6], 5);
    EXPECT_EQ(m.comGuard[6][5], kKing);
    EXPECT_EQ(m.comGuardX[6][5], 0);
    EXPECT_EQ(m.comGuard[5][5], kGold);
    EXPECT_EQ(m.comGuardX[5][5], 0);
}

TEST(InfluencePositionTables, GoldGuardLeavesTheSquareOfAnEarlierSurvey) {
    InfluenceMap m;
    // First survey: an upper rook guards the silver on (5,4) from (5,1).
    Position p = place({{5, 1, kRook}, {5, 4, kSilver}});
    勢力調査(p, m);
    EXPECT_EQ(m.comGuard[5][4], kRook);
    EXPECT_EQ(m.comGuardX[5][4], 5);
    EXPECT_EQ(m.comGuardY[5][4], 1);
    // Second survey: only a gold guards it; its square is not written, so the
    // rook's square stays.
    p = place({{5, 3, kGold}, {5, 4, kSilver}});
    勢力調査(p, m);
    EXPECT_EQ(m.comGuard[5][4], kGold);
    EXPECT_EQ(m.comGuardX[5][4], 5);
    EXPECT_EQ(m.comGuardY[5][4], 1);
    // The threat square survives a survey that records no threat there.
    p = place({{1, 7, kRook}, {5, 7, -kSilver}});
    勢力調査(p, m);
    EXPECT_EQ(m.comThreatX[5][7], 1);
    p = place({{5, 7, -kSilver}});
    勢力調査(p, m);
    EXPECT_EQ(m.comThreat[5][7], 999);
    EXPECT_EQ(m.comThreatX[5][7], 1);
    EXPECT_EQ(m.comThreatY[5][7], 7);
}

TEST(InfluenceKings, SurveySetsKingSquaresAndKeepsMissingOnes) {
    Position p = place({{3, 8, -kKing}, {7, 2, kKing}});
    survey(p);
    EXPECT_EQ(p.manKingX, 3);
    EXPECT_EQ(p.manKingY, 8);
    EXPECT_EQ(p.comKingX, 7);
    EXPECT_EQ(p.comKingY, 2);
    p.board[7][2] = 0;
    p.board[3][8] = 0;
    p.board[4][9] = -kKing;
    survey(p);
    EXPECT_EQ(p.manKingX, 4);
    EXPECT_EQ(p.manKingY, 9);
    EXPECT_EQ(p.comKingX, 7);  // no upper king on the board: unchanged
    EXPECT_EQ(p.comKingY, 2);
}

TEST(InfluenceCheckMarks, KnightsMarkTheKingSquareStepsOnlyTheirOwn) {
    Position p = place({{4, 7, -kKnight}, {3, 5, kKing}});
    InfluenceMap m = survey(p);
    EXPECT_EQ(m.comKingCheckMap[4][7], 9);
    EXPECT_EQ(m.comKingCheckMap[3][5], 9);
    EXPECT_EQ(nonZero(m.comKingCheckMap).size(), 2u);

    p = place({{5, 3, kKnight}, {6, 5, -kKing}});
    m = survey(p);
    EXPECT_EQ(m.manKingCheckMap[5][3], 9);
    EXPECT_EQ(m.manKingCheckMap[6][5], 9);
    EXPECT_EQ(nonZero(m.manKingCheckMap).size(), 2u);

    // Step checks: silver, gold-mover, horse and dragon steps mark only the
    // checking square; kings mark nothing.
    p = place(
        {{5, 5, kKing}, {4, 6, -kSilver}, {6, 5, -kPromKnight}, {5, 4, -kHorse}, {6, 4, -kDragon}, {4, 4, -kKing}});
    m = survey(p);
    EXPECT_EQ(nonZero(m.comKingCheckMap), (std::vector<Square>{{4, 6}, {5, 4}, {6, 4}, {6, 5}}));
    for (const auto& [x, y] : nonZero(m.comKingCheckMap)) EXPECT_EQ(m.comKingCheckMap[x][y], 9);
    EXPECT_TRUE(nonZero(m.manKingCheckMap).empty());

    p = place({{5, 5, -kKing}, {4, 4, kSilver}, {5, 4, kPromSilver}, {6, 5, kHorse}, {6, 6, kDragon}});
    m = survey(p);
    EXPECT_EQ(nonZero(m.manKingCheckMap), (std::vector<Square>{{4, 4}, {5, 4}, {6, 5}, {6, 6}}));
}

TEST(InfluenceStartPosition, CountsOfTheOpening) {
    SfenResult r = parseSfen("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1");
    ASSERT_TRUE(r.ok);
    const InfluenceMap m = survey(r.position);
    // Lance, pawn, knight and bishop all reach the corner pawn.
    EXPECT_EQ(m.manInfluence[1][7], 4);
    EXPECT_EQ(m.manGuard[1][7], -kBishop);
    // The pawns face each other on every file.
    for (int x = 1; x <= 9; ++x) {
        EXPECT_EQ(m.manInfluence[x][5], 1);
        EXPECT_EQ(m.comInfluence[x][5], 1);
        EXPECT_EQ(m.manThreat[x][3], -kPawn);
        EXPECT_EQ(m.comThreat[x][7], kPawn);
    }
    EXPECT_TRUE(nonZero(m.manKingCheckMap).empty());
    EXPECT_TRUE(nonZero(m.comKingCheckMap).empty());
}
