// Knight and lance targets, MAN's straight backing, and MAN's bishop check.
#include "computer/analysis.h"
#include "tests/unit/search_fixture.h"

using namespace xantu;
using xantu::testing::Surveyed;

TEST(KnightTargets, ForkOfTheAttackerSideways) {
    // A COM pawn on (5,7) attacked by a MAN rook from (5,9); a knight dropped
    // on (4,5) would reach the MAN bishop on (3,7). The gold on (7,7) is no
    // prize.
    Surveyed s("k8/9/9/9/9/9/2B1p1G2/9/4R3K w - 1");
    EXPECT_EQ(s.m.manThreat[5][7], -kRook);
    EXPECT_EQ(調査_桂狙い(s.context(), 5, 7), points(800));
    // Too far back (row 5) there is nothing to fork.
    Surveyed back("k8/9/9/9/2B1p1G2/9/9/9/4R3K w - 1");
    EXPECT_EQ(調査_桂狙い(back.context(), 5, 5), 0);
}

TEST(KnightTargets, TheAttackerItselfIsNoSecondTarget) {
    Surveyed s("k8/9/9/9/9/9/4p1R2/9/8K w - 1");
    EXPECT_EQ(s.m.manThreatX[5][7], 7);
    EXPECT_EQ(調査_桂狙い(s.context(), 5, 7), 0);
}

TEST(LanceTargets, LanceBehindAPawnTheRookAttacks) {
    // The COM rook on (5,1) defends (5,6); the MAN rook's ray stops at the pawn.
    Surveyed s("k3r4/9/9/9/9/9/4p4/9/4R3K w - 1");
    EXPECT_EQ(調査_香狙い(s.context(), 5, 7), points(900));
    // Only from row 7 on.
    Surveyed high("k3r4/9/9/9/9/4p4/9/9/4R3K w - 1");
    EXPECT_EQ(high.m.manThreat[5][6], -kRook);
    EXPECT_EQ(調査_香狙い(high.context(), 5, 6), 0);
    // Not when the square behind is attacked: a MAN silver on (4,7) reaches (5,6).
    Surveyed attacked("k3r4/9/9/9/9/9/3Sp4/9/4R3K w - 1");
    EXPECT_EQ(調査_香狙い(attacked.context(), 5, 7), 0);
}

TEST(ManStraightGuards, LanceOrRookBelowOnTheColumn) {
    Surveyed s("k8/9/9/9/9/9/9/4P4/4L3K w - 1");
    // (5,6): walk past the MAN pawn to the lance, which the pawn blocks.
    EXPECT_FALSE(調査_自守駒MAN_直進駒(s.context(), 5, 6));
    // (5,8): the pawn is lifted for the test, so the lance reaches it.
    EXPECT_TRUE(調査_自守駒MAN_直進駒(s.context(), 5, 8));
    EXPECT_EQ(s.p.board[5][8], -kPawn);
    Surveyed open("k8/9/9/9/9/9/9/9/4L3K w - 1");
    EXPECT_TRUE(調査_自守駒MAN_直進駒(open.context(), 5, 6));
    // A COM piece on the way ends the walk with no.
    Surveyed blocked("k8/9/9/9/9/9/4s4/9/4R3K w - 1");
    EXPECT_FALSE(調査_自守駒MAN_直進駒(blocked.context(), 5, 5));
    EXPECT_TRUE(調査_自守駒MAN_直進駒(blocked.context(), 5, 8));
}

TEST(ComBishopWatch, PieceOnAFreeDiagonalToABishopCheckSquare) {
    // COM's gold on (5,5) shares a diagonal with (3,3), from where a MAN
    // bishop would check COM's king on (5,1).
    Surveyed hand("4k4/9/9/9/4g4/9/9/9/8K w B 1");
    調査_持角狙座標(hand.p, hand.m, hand.t);
    EXPECT_EQ(盤評価_自角注意_COM(hand.context(), 5, 5, kGold), points(110));
    Surveyed none("4k4/9/9/9/4g4/9/9/9/8K w - 1");
    調査_持角狙座標(none.p, none.m, none.t);
    EXPECT_EQ(盤評価_自角注意_COM(none.context(), 5, 5, kGold), 0);
    // A MAN bishop on the board that reaches (3,3) serves as well.
    Surveyed board("4k4/9/9/9/B3g4/9/9/9/8K w - 1");
    調査_持角狙座標(board.p, board.m, board.t);
    EXPECT_EQ(盤評価_自角注意_COM(board.context(), 5, 5, kGold), points(110));
}
