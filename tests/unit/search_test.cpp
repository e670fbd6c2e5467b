// The search as a whole: restoring the board, the start of the turn, ticks,
// the case of no move at all, and reproducibility.
#include "computer/one_ply_search.h"
#include "tests/unit/search_fixture.h"

using namespace xantu;
using xantu::testing::positionOf;
using xantu::testing::thinkRecorded;

namespace {

// Middle games with pieces in hand, checks and promotions.
constexpr const char* kBusy[] = {
    "1n1gkl1+P1/1s2gp2+L/1p1pp4/9/9/9/3PPP3/+P6S1/1NSGKG1N1 w RBSN2L4Prbn5p 1",
    "ln1gkgsnb/3s4r/p+P1ppppp1/9/9/9/P1P1PPP2/3P5/3GKGS2 w LP4p 1",
    "3gkgsp1/6r2/9/6+p2/5+p3/7b1/2+p6/3P1PP2/4K1G2 w S2N2Pgs2l9p 1",
    "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1",
};

bool samePosition(const Position& a, const Position& b) {
    for (int x = 0; x <= 9; ++x)
        for (int y = 0; y <= 9; ++y)
            if (a.board[x][y] != b.board[x][y]) return false;
    for (int k = 0; k <= kHandKinds; ++k)
        if (a.ownHand[k] != b.ownHand[k] || a.enemyHand[k] != b.enemyHand[k]) return false;
    return a.ownHandTotal == b.ownHandTotal && a.enemyHandTotal == b.enemyHandTotal;
}

void countTick(void* context) { ++*static_cast<int*>(context); }

}  // namespace

TEST(Search, LeavesThePositionAsItFoundIt) {
    for (const char* sfen : kBusy) {
        Position p = positionOf(sfen);
        const Position before = p;
        InfluenceMap m{};
        TurnState t{};
        const SearchResult r = comSearch(p, m, t, 3);
        EXPECT_TRUE(r.found) << sfen;
        EXPECT_TRUE(samePosition(p, before)) << sfen;
        EXPECT_TRUE(p.ok(SetBound::Waived));
        // The snapshot is the Position at the start.
        EXPECT_EQ(t.savedBoard[1][1], before.board[1][1]);
        EXPECT_EQ(t.savedEnemyHandTotal, before.enemyHandTotal);
    }
}

TEST(Search, BestMoveIsKeptInTheTurnState) {
    Position p = positionOf(kBusy[1]);
    InfluenceMap m{};
    TurnState t{};
    const SearchResult r = comSearch(p, m, t, 3);
    EXPECT_EQ(t.bestScore, r.score);
    EXPECT_EQ(t.bestFromX, r.move.originX());
    EXPECT_EQ(t.bestToY, r.move.toY);
    EXPECT_EQ(t.bestPlaced, r.move.placed);
    // Work counts: one survey per evaluation plus the turn's first one.
    EXPECT_EQ(r.surveys, r.evaluations + 1);
    EXPECT_GE(r.evaluations, r.candidates);
}

TEST(Search, NoMoveAtAll) {
    Position p;  // MAN's king alone; COM has nothing on the board or in hand
    p.board[5][9] = -kKing;
    p.manKingX = 5;
    p.manKingY = 9;
    InfluenceMap m{};
    TurnState t{};
    const SearchResult r = comSearch(p, m, t, 3);
    EXPECT_FALSE(r.found);
    EXPECT_EQ(r.candidates, 0);
    EXPECT_EQ(t.bestScore, kScoreNone);
}

TEST(Search, TicksOncePerColumnAndHandKind) {
    int ticks = 0;
    Position p = positionOf("4k4/9/9/9/9/9/9/9/4K4 w - 1");
    InfluenceMap m{};
    TurnState t{};
    comSearch(p, m, t, 3, countTick, &ticks);
    EXPECT_EQ(ticks, 9);
    ticks = 0;
    Position q = positionOf("4k4/9/9/9/9/9/9/9/4K4 w p 1");
    comSearch(q, m, t, 3, countTick, &ticks);
    EXPECT_EQ(ticks, 9 + 7);  // every kind is ticked, held or not
}

TEST(Search, EscapeCountReadsTheMapLeftByTheLastSurvey) {
    Position p = positionOf("4k4/9/9/9/9/9/9/9/4K4 w - 1");
    InfluenceMap m{};
    TurnState t{};
    comSearch(p, m, t, 3);
    EXPECT_EQ(t.startEscapeCount, 5);  // from a fresh, empty map
    // Now the map is the one of the last candidate; pretend an earlier
    // survey saw COM reaching every square around MAN's king.
    for (int x = 4; x <= 6; ++x)
        for (int y = 8; y <= 9; ++y) m.comInfluence[x][y] = 1;
    comSearch(p, m, t, 3);
    EXPECT_EQ(t.startEscapeCount, 0);
}

TEST(Search, DropDistanceComesFromTheLastBoardMoveEvenOfAnEarlierTurn) {
    // COM has only a pawn in hand, so no board move sets the distance this
    // turn: a drop on (5,2), 7 rows from MAN's king, gets the 0.1 approach
    // term only when the value left over is above 7.
    struct Drop52 {
        Score score = 0;
    } found;
    TraceSink sink;
    sink.context = &found;
    sink.candidate = [](void* c, int, int, int tx, int ty, int, Score s) {
        if (tx == 5 && ty == 2) static_cast<Drop52*>(c)->score = s;
    };
    Score withDistance[2] = {};
    for (int i = 0; i < 2; ++i) {
        Position p;
        p.board[5][9] = -kKing;
        p.manKingX = 5;
        p.manKingY = 9;
        p.enemyHand[1] = 1;
        p.enemyHandTotal = 1;
        InfluenceMap m{};
        TurnState t{};
        t.originKingDistance = i == 0 ? 0 : 9;
        comSearch(p, m, t, 3, nullptr, nullptr, &sink);
        withDistance[i] = found.score;
        EXPECT_EQ(t.originKingDistance, i == 0 ? 0 : 9);  // drops leave it alone
    }
    EXPECT_EQ(withDistance[1] - withDistance[0], kTenth);
}
