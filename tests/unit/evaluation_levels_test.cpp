// Whole evaluations computed by hand, and what each level leaves out.
#include "tests/unit/search_fixture.h"

using namespace xantu;
using xantu::testing::Recorded;
using xantu::testing::thinkRecorded;

namespace {
constexpr const char* kBareKings = "4k4/9/9/9/9/9/9/9/4K4 w - 1";
}

// COM's king on (5,1) against MAN's king on (5,9), nothing else. Each step:
// 1 off the centre file; 0.1 for a row closer to MAN's king (the origin
// was 8 rows away); nothing else applies.
TEST(EvaluationLevels, BareKingStepsAtLevelThree) {
    const Recorded r = thinkRecorded(kBareKings, 3);
    ASSERT_EQ(r.candidates.size(), 5u);
    EXPECT_EQ(r.find(5, 1, 4, 1)->score, 10);
    EXPECT_EQ(r.find(5, 1, 4, 2)->score, 11);
    EXPECT_EQ(r.find(5, 1, 5, 2)->score, 1);
    EXPECT_EQ(r.find(5, 1, 6, 1)->score, 10);
    EXPECT_EQ(r.find(5, 1, 6, 2)->score, 11);
    // (4,2) and (6,2) tie: the one generated first is kept.
    EXPECT_EQ(r.outcome.search.move.toX, 4);
    EXPECT_EQ(r.outcome.search.move.toY, 2);
    EXPECT_EQ(r.outcome.search.score, 11);
}

TEST(EvaluationLevels, LevelTwoHasNoPieceTerms) {
    const Recorded r = thinkRecorded(kBareKings, 2);
    EXPECT_EQ(r.find(5, 1, 4, 1)->score, 0);
    EXPECT_EQ(r.find(5, 1, 4, 2)->score, 1);
    EXPECT_EQ(r.find(5, 1, 6, 2)->score, 1);
    // Level 1 applies every term to a move that captures nothing.
    const Recorded one = thinkRecorded(kBareKings, 1);
    EXPECT_EQ(one.find(5, 1, 4, 2)->score, 11);
}

// COM's silver on (5,4) takes an undefended MAN knight on (5,5): 0.1 for
// the approach (5 to 4 rows from MAN's king), 30 for a capture on a square
// MAN does not attack, and at level 3 the silver's -0.1 for a straight
// advance. Level 1 stops a capture before its value is counted.
TEST(EvaluationLevels, CaptureAtEachLevel) {
    constexpr const char* sfen = "k8/9/9/4s4/4N4/9/9/9/8K w - 1";
    EXPECT_EQ(thinkRecorded(sfen, 1).find(5, 4, 5, 5)->score, 1);
    EXPECT_EQ(thinkRecorded(sfen, 2).find(5, 4, 5, 5)->score, 301);
    EXPECT_EQ(thinkRecorded(sfen, 3).find(5, 4, 5, 5)->score, 300);
}

// A COM lance reaching row 9 must promote: one evaluation, of the promoted
// lance, which scores 10 for promoting and nothing more.
TEST(EvaluationLevels, ForcedPromotionIsEvaluatedOnce) {
    const Recorded r = thinkRecorded("k8/9/9/9/9/9/9/4l4/8K w - 1");
    const auto* c = r.find(5, 8, 5, 9);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->placed, kPromLance);
    EXPECT_EQ(c->score, 100);
    EXPECT_EQ(r.termsOf(5, 8, 5, 9).size(), 1u);
    EXPECT_EQ(r.outcome.search.evaluations, 4);  // the lance and three king steps
}

// From the standard layout COM's pawn on (2,3) takes MAN's pawn on (2,7).
// Unpromoted it scores 790.9 (MAN's bishop on (2,8) behind it has nowhere
// to go: +800); promoted only -2.0. A pawn always plays promoted and keeps
// the larger score.
TEST(EvaluationLevels, PawnAlwaysPromotesKeepingTheLargerScore) {
    const Recorded r = thinkRecorded("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1");
    const auto* c = r.find(2, 3, 2, 7);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->placed, kPromPawn);
    EXPECT_EQ(c->score, 7909);
    const auto terms = r.termsOf(2, 3, 2, 7);
    ASSERT_EQ(terms.size(), 2u);
    EXPECT_EQ(xantu::testing::termAmount(terms[0], "14.2 trapped piece ahead"), points(800));
    EXPECT_EQ(xantu::testing::termAmount(terms[1], "4 promotion"), points(10));
}
