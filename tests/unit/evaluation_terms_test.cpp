// Single terms of the evaluation, picked out of the trace.
#include "tests/unit/search_fixture.h"

using namespace xantu;
using xantu::testing::kAbsent;
using xantu::testing::Recorded;
using xantu::testing::termAmount;
using xantu::testing::thinkRecorded;

// A gold dropped on (4,8) checks MAN's king on (5,9); the COM dragon on
// (5,7), on the king's column, is its only defender; MAN's pawn and king
// are the only attackers, and the king can still flee to (6,9).
TEST(EvaluationTerms, CheckBackedByADragonOnTheKingsFile) {
    const Recorded r = thinkRecorded("k8/9/9/9/9/9/4+r4/4P4/4K4 w g 1");
    const auto terms = r.termsOf(-1, 5, 4, 8);
    ASSERT_EQ(terms.size(), 1u);
    EXPECT_EQ(termAmount(terms[0], "3.3 dragon-backed check"), points(900));
    EXPECT_EQ(termAmount(terms[0], "3.4 unattacked check"), kAbsent);  // the destination is attacked
    EXPECT_EQ(termAmount(terms[0], "4 drop"), points(-5));
}

// A rook dropped on (5,1) checks MAN's king on (5,9) down the file from
// where nothing of MAN's reaches it; dropped on (5,8) it checks from a
// square the king attacks.
TEST(EvaluationTerms, OnlyACheckFromAnUnattackedSquareCountsAsSafe) {
    const Recorded r = thinkRecorded("k8/9/9/9/9/9/9/9/4K4 w r 1");
    const auto afar = r.termsOf(-1, 7, 5, 1);
    ASSERT_EQ(afar.size(), 1u);
    EXPECT_EQ(termAmount(afar[0], "3.4 unattacked check"), points(10));
    const auto close = r.termsOf(-1, 7, 5, 8);
    ASSERT_EQ(close.size(), 1u);
    EXPECT_EQ(termAmount(close[0], "3.4 unattacked check"), kAbsent);
}

// COM's rook on (5,3) pins MAN's silver on (5,7) to its king on (5,9). A
// gold dropped on (6,6) is attacked by that silver only (MAN's gold on (4,8)
// defends the silver); the silver cannot take off the file, and the gold
// could go on to take it.
TEST(EvaluationTerms, PinnedAttackerAndAHangingDrop) {
    const Recorded r = thinkRecorded("k8/9/4r4/9/9/9/4S4/3G5/4K4 w g 1");
    const auto terms = r.termsOf(-1, 5, 6, 6);
    ASSERT_EQ(terms.size(), 1u);
    EXPECT_EQ(termAmount(terms[0], "7 pinned attacker"), points(100));
    EXPECT_EQ(termAmount(terms[0], "10 hanging drop"), points(-110 - 50));
    // On (4,6), off the file as well, the gold's forward diagonal leads to
    // the silver too.
    const auto left = r.termsOf(-1, 5, 4, 6);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(termAmount(left[0], "7 pinned attacker"), points(100));
    // A drop on the file itself (5,6) keeps the silver on its line: nothing.
    const auto onFile = r.termsOf(-1, 5, 5, 6);
    ASSERT_EQ(onFile.size(), 1u);
    EXPECT_EQ(termAmount(onFile[0], "7 pinned attacker"), kAbsent);
}

// A COM lance moved on the board without capturing ends at its own term.
TEST(EvaluationTerms, QuietLanceMoveEndsWithMinusZeroPointNine) {
    const Recorded r = thinkRecorded("k8/9/9/4l4/9/9/9/9/8K w - 1");
    const auto terms = r.termsOf(5, 4, 5, 5);
    ASSERT_EQ(terms.size(), 1u);
    ASSERT_FALSE(terms[0].empty());
    EXPECT_EQ(terms[0].back().label, xantu::testing::TermName("16.3 quiet lance move").label);
    EXPECT_EQ(terms[0].back().amount, -9);
}

// A COM king stepping to row 4 loses 15 and its row number.
TEST(EvaluationTerms, KingForward) {
    const Recorded r = thinkRecorded("9/9/4k4/9/9/9/9/9/8K w - 1");
    const auto terms = r.termsOf(5, 3, 5, 4);
    ASSERT_EQ(terms.size(), 1u);
    EXPECT_EQ(termAmount(terms[0], "24.1 king forward"), points(-19));
    EXPECT_EQ(termAmount(r.termsOf(5, 3, 5, 2)[0], "24.1 king forward"), kAbsent);
}
