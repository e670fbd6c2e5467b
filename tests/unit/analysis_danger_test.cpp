// The scan of COM danger squares, computed by hand for small positions.
#include "computer/analysis.h"
#include "tests/unit/search_fixture.h"

using namespace xantu;
using xantu::testing::Surveyed;

// COM's king on (5,1), a MAN gold on (5,3) attacking (4,2), (5,2) and (6,2).
// Without pieces in MAN's hand: 0.5 for each attacked square beside the
// king, 0.1 for (4,3) and (6,3) (attacked, undefended, row 3), and 300 for
// the king on row 1 whose square ahead MAN attacks as often as COM defends it.
TEST(ComDangerSquares, KingOnItsBackRankWithoutDropThreats) {
    Surveyed s("4k4/9/4G4/9/9/9/9/9/8K w - 1");
    EXPECT_EQ(盤評価_COM危険座標(s.context(), kKing, 5, 1), -(15 + 2 + 3000));
}

// The same with a gold in MAN's hand: 10 more for each attacked square
// beside the king, 0.1 for each of the 20 undefended empty squares of rows
// 1-3, and 700 more for the king: 1033.7 in all.
TEST(ComDangerSquares, KingOnItsBackRankWithAGoldInMansHand) {
    Surveyed s("4k4/9/4G4/9/9/9/9/9/8K w G 1");
    EXPECT_EQ(盤評価_COM危険座標(s.context(), kKing, 5, 1), -(3 * 105 + 2 + 20 + 10000));
}

// A COM rook on (5,5) that attacks two undefended MAN knights: 0.1 each,
// and the smaller prize (30) for the fork; minus 0.1 for each of (1,3) and
// (3,3), which the knight on (2,5) attacks.
TEST(ComDangerSquares, ForkOfTwoUndefendedPieces) {
    Surveyed two("k8/9/9/9/1N2r4/9/9/4N4/8K w - 1");
    EXPECT_EQ(盤評価_COM危険座標(two.context(), kRook, 5, 5), 300);
    Surveyed one("k8/9/9/9/4r4/9/9/4N4/8K w - 1");
    EXPECT_EQ(盤評価_COM危険座標(one.context(), kRook, 5, 5), 1);
}

// A COM piece attacked and not defended loses its value (and 10 more on
// rows 1-3); one that has just captured there gets the captured value back.
TEST(ComDangerSquares, HangingComPiece) {
    // The MAN rook on (5,8) attacks the COM silver on (5,5), which nothing
    // defends; the rook is worth more, so there is no exchange term.
    Surveyed s("k8/9/9/9/4s4/9/9/4R4/8K w - 1");
    EXPECT_EQ(盤評価_COM危険座標(s.context(), kSilver, 5, 5), points(-100));
    s.t.savedBoard[5][5] = -kKnight;  // the silver took a knight there
    EXPECT_EQ(盤評価_COM危険座標(s.context(), kSilver, 5, 5), points(-70));
    // Attacked by a MAN lance on row 3: the exchange (100 for 20), the
    // value, 10 for the row and 20 for a lance or pawn as cheapest attacker.
    Surveyed row3("k8/9/4s4/9/9/9/9/4L4/8K w - 1");
    EXPECT_EQ(row3.m.manThreat[5][3], -kLance);
    EXPECT_EQ(盤評価_COM危険座標(row3.context(), kSilver, 5, 3), points(-(100 - 20) - 100 - 10 - 20));
}

// A MAN lance dropped on (5,3), below the COM knight on (5,2), would take
// the knight and then reach the COM promoted silver on (5,1): 100 + 101/2,
// the half counted exactly. Each of the 17 undefended empty squares of
// rows 1-3 costs 0.1 more while MAN holds a piece.
TEST(ComDangerSquares, LanceDropThreatCountsHalfThePieceExactly) {
    Surveyed s("4+s3k/4n4/9/9/9/9/9/9/4K4 w L 1");
    EXPECT_EQ(盤評価_COM危険座標(s.context(), kKnight, 5, 2), -(1505 + 17));
}
