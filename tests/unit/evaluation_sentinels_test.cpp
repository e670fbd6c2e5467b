// Sentinel results of the evaluation, seen through whole searches.
#include "tests/unit/search_fixture.h"

using namespace xantu;
using xantu::testing::Recorded;
using xantu::testing::thinkRecorded;

TEST(EvaluationSentinels, KingCaptureScores9999AndEndsTheSearch) {
    const Recorded r = thinkRecorded("4k4/9/9/9/4K4/9/9/9/4r4 w p 1");
    const SearchResult& s = r.outcome.search;
    ASSERT_TRUE(s.found);
    EXPECT_EQ(s.score, kScoreKingCaptured);
    EXPECT_EQ(s.move.fromX, 5);
    EXPECT_EQ(s.move.fromY, 9);
    EXPECT_EQ(s.move.toX, 5);
    EXPECT_EQ(s.move.toY, 5);
    // Nothing is scored after it: not the rook's later squares, no drop.
    ASSERT_FALSE(r.candidates.empty());
    const auto& last = r.candidates.back();
    EXPECT_EQ(last.tx, 5);
    EXPECT_EQ(last.ty, 5);
    for (const auto& c : r.candidates) EXPECT_NE(c.fx, -1);
}

TEST(EvaluationSentinels, OwnKingLeftAttackedScoresMinus9998EvenWhenTakingARook) {
    // MAN's rook on (5,8) checks COM's king on (5,1); COM's gold on (1,4)
    // could take the other MAN rook on (1,5).
    const Recorded r = thinkRecorded("4k4/9/9/g8/R8/9/9/4R4/8K w - 1");
    ASSERT_NE(r.find(5, 1, 5, 2), nullptr);
    EXPECT_EQ(r.find(5, 1, 5, 2)->score, kScoreRefused);
    ASSERT_NE(r.find(1, 4, 1, 5), nullptr);
    EXPECT_EQ(r.find(1, 4, 1, 5)->score, kScoreRefused);
    EXPECT_GT(r.outcome.search.score, kScoreRefused);  // the king stepped off the file
    EXPECT_NE(r.outcome.search.move.toX, 5);
}

TEST(EvaluationSentinels, GoldDropMateScores9998AndEndsTheDrops) {
    // MAN's king in the corner (1,9); COM's gold on (2,7) guards (1,8).
    const Recorded r = thinkRecorded("k8/9/9/9/9/9/1g7/9/K8 w g 1");
    const SearchResult& s = r.outcome.search;
    EXPECT_EQ(s.score, kScoreMate);
    EXPECT_EQ(s.move.dropKind, 5);
    EXPECT_EQ(s.move.toX, 1);
    EXPECT_EQ(s.move.toY, 8);
    EXPECT_EQ(r.candidates.back().fx, -1);
    EXPECT_EQ(r.candidates.back().tx, 1);
    EXPECT_EQ(r.candidates.back().ty, 8);
}

TEST(EvaluationSentinels, PawnDropMateIsRefused) {
    // The same net with a silver guarding (2,9): a pawn dropped on (1,8) mates.
    const Recorded r = thinkRecorded("k8/9/9/9/9/9/1g7/2s6/K8 w p 1");
    const auto* c = r.find(-1, 1, 1, 8);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->placed, kPawn);
    EXPECT_EQ(c->score, kScoreRefused);
}

TEST(EvaluationSentinels, PawnMoveMateIsRefusedUnpromotedAndKeptPromoted) {
    // A COM pawn runs along row 8 from (5,8) to (1,8) and mates; the knight
    // on (3,7) guards (2,9). Unpromoted the mate is refused, promoted (a
    // promoted pawn is no pawn) it counts, and a pawn always promotes.
    const Recorded r = thinkRecorded("k8/9/9/9/9/9/1gn6/4p4/K8 w - 1");
    const auto* c = r.find(5, 8, 1, 8);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->placed, kPromPawn);
    EXPECT_EQ(c->score, kScoreMate);
    int seen = 0;
    for (std::size_t i = 0; i < r.originEvaluated.size(); ++i)
        if (r.originEvaluated[i] == Recorded::pack(5, 8, 1, 8)) {
            EXPECT_EQ(r.results[i], seen == 0 ? kScoreRefused : kScoreMate);
            EXPECT_EQ(r.placedEvaluated[i], seen == 0 ? kPawn : kPromPawn);
            ++seen;
        }
    EXPECT_EQ(seen, 2);
}

TEST(EvaluationSentinels, BoardMateDoesNotEndTheBoardSearchAndAnEarlierMateStays) {
    // Both golds can mate on (2,8); the one on (2,7) comes first.
    const Recorded r = thinkRecorded("k8/9/9/9/9/9/1gg6/9/K8 w - 1");
    const SearchResult& s = r.outcome.search;
    EXPECT_EQ(s.score, kScoreMate);
    EXPECT_EQ(s.move.fromX, 2);
    EXPECT_EQ(s.move.fromY, 7);
    EXPECT_EQ(s.move.toX, 2);
    EXPECT_EQ(s.move.toY, 8);
    ASSERT_NE(r.find(3, 7, 2, 8), nullptr);
    EXPECT_EQ(r.find(3, 7, 2, 8)->score, kScoreMate);
    EXPECT_EQ(r.candidates.back().fx, 3);  // the second gold's moves were all scored
}
