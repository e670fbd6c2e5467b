// 棋譜解析 on two threads: a hanging rook is found as a blunder whichever seat
// 先手 sits on, the scores stay 先手's, and a cancel ends the searches.
#include <gtest/gtest.h>

#include <string>

#include "analysis/game_analysis.h"
#include "record/kif_reader.h"

namespace xantu {
namespace {

GameRecord hangingRook() {
    const RecordRead read = 読込_KIF(std::string(XANTU_SOURCE_DIR) + "/tests/data/hanging_rook.kif");
    EXPECT_TRUE(read.ok());
    return read.game;
}

GameAnalysisSettings byDepth(int depth) {
    GameAnalysisSettings s;
    s.limits = Limits{};
    s.limits.depth = depth;
    s.threads = 2;
    s.hashMegabytes = 4;
    return s;
}

TEST(GameAnalysis, FindsTheHangingRookWhicheverSeatMovesFirst) {
    const GameRecord lowerFirst = hangingRook();
    GameRecord upperFirst = lowerFirst;  // the same game with 先手 on the upper seat
    upperFirst.senteIsUpper = true;
    upperFirst.start = turnedAbout(upperFirst.start);
    for (RecordNode& n : upperFirst.nodes)
        if (n.parent >= 0) n.move = turnedAbout(n.move);
    const GameRecord* games[] = {&lowerFirst, &upperFirst};
    for (const GameRecord* game : games) {
        GameAnalysis analysis(*game, byDepth(3));
        analysis.start();
        analysis.wait();
        ASSERT_TRUE(analysis.finished());
        const std::vector<AnalysedPly> plies = analysis.snapshot();
        ASSERT_EQ(plies.size(), 4u);
        // 先手, a rook against a gold, hangs it to the gold; 後手 takes it,
        // its best move, and 先手's score falls by more than a blunder's worth.
        const GameLine line = 作成_手順局面(*game);
        EXPECT_EQ(作成_局面の指し手表記(*game, line, 0, plies[0].played), "▲４六飛(48)");
        EXPECT_GT(plies[0].score.cp - plies[1].score.cp, kBlunderLoss);
        EXPECT_LT(plies[1].score.cp, -300);
        EXPECT_EQ(plies[1].toMove, Order::Gote);
        EXPECT_EQ(作成_局面の指し手表記(*game, line, 1, plies[1].best), "△同　金(55)");
        EXPECT_TRUE(plies[1].playedBest);
        EXPECT_GE(plies[0].loss, kBlunderLoss);
        EXPECT_EQ(plies[0].mark, "??");
        EXPECT_EQ(plies[1].loss, 0);
        EXPECT_EQ(analysis.mistakes(), std::vector<int>{0});
        EXPECT_FALSE(plies[3].hasPlayed);
        EXPECT_FALSE(plies[3].lossKnown);
    }
}

TEST(GameAnalysis, CancelEndsSearchesThatHaveNoEnd) {
    GameAnalysisSettings s = byDepth(0);
    s.limits.infinite = true;  // only the cancel can end them
    GameAnalysis analysis(hangingRook(), s);
    analysis.start();
    EXPECT_TRUE(analysis.running());
    analysis.cancel();
    analysis.wait();
    EXPECT_FALSE(analysis.running());
    EXPECT_TRUE(analysis.cancelled());
    EXPECT_EQ(analysis.progress(), 0);
    for (const AnalysedPly& p : analysis.snapshot()) EXPECT_FALSE(p.done);
}

}  // namespace
}  // namespace xantu
