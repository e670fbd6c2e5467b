// How far each condition of the evaluation reaches where a wider or a
// narrower scope would also make sense: one hand-computed case for each
// choice this program makes, so that a change of scope shows at once.
#include "computer/analysis.h"
#include "tests/unit/search_fixture.h"

using namespace xantu;
using xantu::testing::kAbsent;
using xantu::testing::Recorded;
using xantu::testing::Surveyed;
using xantu::testing::termAmount;
using xantu::testing::thinkRecorded;

// A MAN knight on (5,7) below a COM silver on (5,3) aims at (4,5) and
// (6,5). A square counts only when nothing of COM defends it, whether it
// is empty or holds a COM piece.
TEST(EvaluationScope, KnightTargetCountsOnlyWhenUndefended) {
    // (4,5) empty and undefended: -1; (6,5) empty but defended by the COM
    // gold on (6,4): nothing. Nothing else applies.
    Surveyed gold("k8/9/4s4/5g3/9/9/4N4/9/8K w - 1");
    EXPECT_EQ(盤評価_COM危険座標(gold.context(), kGold, 6, 4), points(-1));
    // (4,5) holds an undefended COM pawn: -1 for the target, -10 for the
    // hanging pawn; the pawn's row defends (6,5), which no longer counts.
    Surveyed pawn("k8/9/4s4/9/3p5/9/4N4/9/8K w - 1");
    EXPECT_EQ(盤評価_COM危険座標(pawn.context(), kPawn, 4, 5), points(-11));
}

// The 15 for a MAN piece near COM's king belongs to a piece that COM
// defends now and did not defend when it began to think.
TEST(EvaluationScope, NearTheKingOnlyWhenNewlyDefended) {
    // COM's king on (5,1), a MAN silver on (3,3) that COM does not defend:
    // 0.5 for (4,2) beside the king, 0.1 each for (3,2) and (2,2).
    Surveyed bare("4k4/9/2S6/9/9/9/9/9/8K w - 1");
    EXPECT_EQ(盤評価_COM危険座標(bare.context(), kKing, 5, 1), -7);
    // A COM gold on (4,3) defends the silver: 15, and 0.1 for the gold's
    // single target; the same three squares cost 0.7.
    Surveyed guarded("4k4/9/2Sg5/9/9/9/9/9/8K w - 1");
    EXPECT_EQ(盤評価_COM危険座標(guarded.context(), kGold, 4, 3), 144);
    // Defended at the start as well: no 15.
    guarded.t.startComInfluence[3][3] = 1;
    EXPECT_EQ(盤評価_COM危険座標(guarded.context(), kGold, 4, 3), -6);
}

// An attacked and defended COM piece on rows 1-3: with MAN's cheapest
// attacker pinned, neither the exchange nor the loss through the piece in
// front of it is counted.
TEST(EvaluationScope, PinnedAttackerCancelsTheBackRankLoss) {
    // COM silver (5,3) attacked by a MAN knight on (4,5) and defended by the
    // COM pawn on (5,4), which the MAN rook on (5,8) attacks and would
    // reach (5,4) with the pawn lifted. Free knight: the exchange -70 and
    // -(100 + 900); 0.1 for (3,3), which the knight attacks.
    Surveyed s("k8/9/4s4/4p4/3N5/9/9/4R4/8K w - 1");
    EXPECT_EQ(s.m.manThreat[5][3], -kKnight);
    EXPECT_EQ(盤評価_COM危険座標(s.context(), kSilver, 5, 3), -10701);
    s.t.manPinned[4][5] = 1;
    EXPECT_EQ(盤評価_COM危険座標(s.context(), kSilver, 5, 3), -1);
}

// MAN's bishop could check COM's king on (5,1) from (2,4); a horse on
// (3,4) would step there, a bishop would not. The step counts.
TEST(EvaluationScope, HorseStepReachesABishopCheckSquare) {
    Surveyed s("4k4/9/9/9/9/9/9/9/8K w B 1");
    調査_持角狙座標(s.p, s.m, s.t);
    ASSERT_EQ(s.t.manBishopCheckSquares[2][4], 1);
    EXPECT_EQ(盤評価_自角注意_COM(s.context(), 3, 4, kGold), points(110));
}

// A pawn ahead that cannot move anywhere safe is not counted; a lance is.
// COM's pawn runs from (1,5) to (1,8); COM's gold on (2,7) defends (1,8)
// and MAN's knight on (2,9) blocks the piece on (1,9) sideways.
TEST(EvaluationScope, TrappedPieceAheadExcludesAPawn) {
    const Recorded pawn = thinkRecorded("8k/9/9/9/p8/9/1g7/9/PN2K4 w - 1");
    const auto withPawn = pawn.termsOf(1, 5, 1, 8);
    ASSERT_EQ(withPawn.size(), 2u);  // unpromoted first
    EXPECT_EQ(termAmount(withPawn[0], "14.2 trapped piece ahead"), kAbsent);
    const Recorded lance = thinkRecorded("8k/9/9/9/p8/9/1g7/9/LN2K4 w - 1");
    const auto withLance = lance.termsOf(1, 5, 1, 8);
    ASSERT_EQ(withLance.size(), 2u);
    EXPECT_EQ(termAmount(withLance[0], "14.2 trapped piece ahead"), points(20));
}

// The pawn's terms about a COM bishop beside it need the pawn above row 7.
TEST(EvaluationScope, PawnBesideTheBishopOnlyAboveRowSeven) {
    const Recorded r = thinkRecorded("k8/9/4p4/9/9/5b3/5b3/9/K8 w - 1");
    const auto row6 = r.termsOf(5, 3, 5, 6);
    ASSERT_EQ(row6.size(), 1u);
    EXPECT_EQ(termAmount(row6[0], "14.5 beside the bishop"), 5);
    const auto row7 = r.termsOf(5, 3, 5, 7);
    ASSERT_EQ(row7.size(), 2u);
    EXPECT_EQ(termAmount(row7[0], "14.5 beside the bishop"), kAbsent);
}

// The rook's terms about the MAN pawn on (8, row + 1) need the rook above
// row 8. COM's rook on (2,2) guards (8,2); MAN's rook on (8,8) backs its
// pawn on (8,3).
TEST(EvaluationScope, RookRowGuardOnlyAboveRowEight) {
    const Recorded r = thinkRecorded("k8/1r7/7P1/9/9/9/9/7R1/8K w - 1");
    const auto row5 = r.termsOf(2, 2, 2, 5);
    ASSERT_EQ(row5.size(), 1u);
    EXPECT_EQ(termAmount(row5[0], "22.3 guard of (8,row) lost"), points(-11));
    const auto row8 = r.termsOf(2, 2, 2, 8);
    ASSERT_EQ(row8.size(), 2u);
    EXPECT_EQ(termAmount(row8[0], "22.3 guard of (8,row) lost"), kAbsent);
}

// A drop reads its origin as column -1 and row = the hand kind (gold 5):
// a gold dropped below row 5 counts as a diagonal step forward.
TEST(EvaluationScope, GoldDropBelowItsKindRow) {
    const Recorded r = thinkRecorded("k8/9/9/9/9/9/9/9/8K w g 1");
    EXPECT_EQ(termAmount(r.termsOf(-1, 5, 5, 6)[0], "19.1 diagonal step forward"), -5);
    EXPECT_EQ(termAmount(r.termsOf(-1, 5, 5, 5)[0], "19.1 diagonal step forward"), kAbsent);
}

// A board move that mates does not stop the drops: the stop at a mate is
// tested only when a drop has just become the best move.
TEST(EvaluationScope, BoardMateLetsEveryDropBeScored) {
    const Recorded r = thinkRecorded("k8/9/9/9/9/9/1gg6/9/K8 w p 1");
    const SearchResult& s = r.outcome.search;
    EXPECT_EQ(s.score, kScoreMate);
    EXPECT_EQ(s.move.fromX, 2);
    EXPECT_EQ(s.move.fromY, 7);
    int drops = 0;
    for (const auto& c : r.candidates) drops += c.fx == -1 ? 1 : 0;
    EXPECT_EQ(drops, 77);  // every empty square
    EXPECT_EQ(r.candidates.back().fx, -1);
    EXPECT_EQ(r.candidates.back().tx, 9);
    EXPECT_EQ(r.candidates.back().ty, 9);
}

// "A pawn ahead" is the unpromoted pawn only. COM's pawn moves from (5,3)
// to (5,5) in front of a MAN pawn, then of a MAN promoted pawn, which both
// attack it.
TEST(EvaluationScope, PawnAheadMeansAnUnpromotedPawn) {
    const Recorded pawn = thinkRecorded("k8/9/4p4/9/9/4P4/9/9/8K w - 1");
    EXPECT_EQ(termAmount(pawn.termsOf(5, 3, 5, 5)[0], "14.5 ahead: a pawn"), points(-5));
    const Recorded promoted = thinkRecorded("k8/9/4p4/9/9/4+P4/9/9/8K w - 1");
    const auto terms = promoted.termsOf(5, 3, 5, 5)[0];
    EXPECT_EQ(termAmount(terms, "14.5 ahead: a pawn"), kAbsent);
    // No other ending either.
    const xantu::testing::TermName otherEndings[] = {"14.5 ahead: stronger", "14.5 ahead: was ours", "14.5 ahead: held",
                                                     "14.5 ahead: quiet"};
    for (const auto& ending : otherEndings) EXPECT_NE(terms.back().label, ending.label);
}
