// The turn-start analyses and the small examinations of single squares.
#include "computer/analysis.h"
#include "tests/unit/search_fixture.h"

using namespace xantu;
using xantu::testing::Surveyed;

TEST(KingEscapes, CountsEmptyUnreachedSquaresAroundTheKing) {
    Surveyed bare("k8/9/9/9/9/9/9/9/4K4 w - 1");
    EXPECT_EQ(調査_自王逃道(bare.p, bare.m), 5);
    // A COM gold on (5,7) reaches (4,8), (5,8) and (6,8).
    Surveyed g("k8/9/9/9/9/9/4g4/9/4K4 w - 1");
    EXPECT_EQ(調査_自王逃道(g.p, g.m), 2);
    // In the corner only three squares exist; one holds a COM knight that
    // nothing defends, and is still no escape.
    Surveyed c("k8/9/9/9/9/9/9/9/Kn7 w - 1");
    EXPECT_EQ(c.m.comInfluence[2][9], 0);
    EXPECT_EQ(調査_自王逃道(c.p, c.m), 2);
}

TEST(KingEscapes, ReadsTheMapItIsGiven) {
    Surveyed s("k8/9/9/9/9/9/9/9/4K4 w - 1");
    s.m.comInfluence[4][8] = 1;
    s.m.comInfluence[6][9] = 2;
    EXPECT_EQ(調査_自王逃道(s.p, s.m), 3);
}

TEST(ImmobilePieces, PieceShieldingItsKingFromASlider) {
    Surveyed s("4k4/9/9/9/4r4/9/4S4/9/4K4 w - 1");
    調査_移動不可駒(s.p, s.t);
    EXPECT_EQ(s.t.manPinned[5][7], 1);
    EXPECT_EQ(s.t.manPinned[5][9], 0);  // the king lifted: the silver still blocks
    EXPECT_EQ(s.t.comPinExists, 0);
    int marked = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) marked += s.t.manPinned[x][y] + s.t.comPinned[x][y];
    EXPECT_EQ(marked, 1);
    EXPECT_TRUE(s.p.ok());
    EXPECT_EQ(s.p.board[5][7], -kSilver);
}

TEST(ImmobilePieces, TwoPiecesOnTheLineAreNeitherPinned) {
    Surveyed s("4k4/9/9/9/4r4/9/4S4/4P4/4K4 w - 1");
    調査_移動不可駒(s.p, s.t);
    EXPECT_EQ(s.t.manPinned[5][7], 0);
    EXPECT_EQ(s.t.manPinned[5][8], 0);
}

TEST(ImmobilePieces, ComPieceBeforeAManLanceAndDiagonalPins) {
    Surveyed s("4k4/4g4/9/9/4L4/9/9/9/4K4 w - 1");
    調査_移動不可駒(s.p, s.t);
    EXPECT_EQ(s.t.comPinned[5][2], 1);
    EXPECT_EQ(s.t.comPinExists, 1);
    // A MAN bishop on (1,5) pins a COM silver on (3,3) to the king on (5,1).
    // A MAN gold on (7,7) stands on a COM horse's diagonal, but that
    // diagonal does not lead to MAN's king on (9,9).
    Surveyed d("4k4/9/2s6/9/B7+b/9/6G2/9/8K w - 1");
    調査_移動不可駒(d.p, d.t);
    EXPECT_EQ(d.t.comPinned[3][3], 1);
    EXPECT_EQ(d.t.manPinned[7][7], 0);
    // Refreshed from scratch: a second run on a position without pins clears them.
    Surveyed none("4k4/9/9/9/9/9/9/9/4K4 w - 1");
    none.t = d.t;
    調査_移動不可駒(none.p, none.t);
    EXPECT_EQ(none.t.comPinned[3][3], 0);
    EXPECT_EQ(none.t.comPinExists, 0);
}

TEST(HeldBishopTargets, EmptyUnreachedSquaresOnTheKingsDiagonals) {
    Surveyed s("4k4/9/9/9/9/9/9/9/4K4 w - 1");
    調査_持角狙座標(s.p, s.m, s.t);
    int count = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) count += s.t.manBishopCheckSquares[x][y];
    EXPECT_EQ(count, 6);  // (4,2) and (6,2) are reached by COM's king
    EXPECT_EQ(s.t.manBishopCheckSquares[4][2], 0);
    EXPECT_EQ(s.t.manBishopCheckSquares[3][3], 1);
    EXPECT_EQ(s.t.manBishopCheckSquares[9][5], 1);

    // A piece on (3,3): its square is 0, and the squares behind it are blocked.
    Surveyed b("4k4/9/2P6/9/9/9/9/9/4K4 w - 1");
    b.t = s.t;  // stale values must be overwritten
    調査_持角狙座標(b.p, b.m, b.t);
    EXPECT_EQ(b.t.manBishopCheckSquares[3][3], 0);
    EXPECT_EQ(b.t.manBishopCheckSquares[2][4], 0);
    EXPECT_EQ(b.t.manBishopCheckSquares[1][5], 0);
    EXPECT_EQ(b.t.manBishopCheckSquares[7][3], 1);
}

TEST(Surroundings, CountsComMajorPiecesAndKingAround) {
    // Corner (1,1): three neighbours, a rook, a bishop and a dragon.
    Surveyed s("1r2k4/b+r7/9/9/9/9/9/9/4K4 w - 1");
    EXPECT_EQ(調査_周辺状況(s.context(), 1, 1), points(-3));
    // A COM gold and a MAN rook do not count; COM's king does.
    Surveyed t("3gk4/3R5/9/9/9/9/9/9/4K4 w - 1");
    EXPECT_EQ(調査_周辺状況(t.context(), 4, 2), points(-1));
}

TEST(MobilityCount, SquaresTheOtherSideDoesNotReach) {
    // A COM rook on (5,5): 16 destinations, (5,8) reached by MAN's king.
    Surveyed s("k8/9/9/9/4r4/9/9/9/4K4 w - 1");
    EXPECT_EQ(調査_移動可場所数(s.context(), 5, 5, kRook), 15);
    // The piece need not stand there: a COM bishop asked about (5,5) (its
    // own king on (1,1) is no destination).
    EXPECT_EQ(調査_移動可場所数(s.context(), 5, 5, kBishop), 15);
    // A MAN piece counts the squares COM does not reach: the rook covers
    // (5,8) next to the king, and (5,4) and (3,5) next to (4,5).
    EXPECT_EQ(調査_移動可場所数(s.context(), 5, 9, -kKing), 4);
    EXPECT_EQ(調査_移動可場所数(s.context(), 4, 5, -kGold), 4);
}
