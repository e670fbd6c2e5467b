// Stepping through a game (戻, 進, 最初, 反転) and the thinking-time clocks.
#include "window_fixture.h"

namespace xantu::testing {
namespace {

class Replay : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        load();
        w->menuCommand("START");
    }
    // Five moves of two humans, each taking `seconds` on the clock.
    void playFive(double seconds) {
        const int script[5][4] = {{3, 7, 3, 6}, {7, 3, 7, 4}, {2, 8, 8, 2}, {7, 1, 8, 2}, {11, 8, 5, 5}};
        for (const auto& m : script) {
            fake.clockNow += seconds;
            move(m[0], m[1], m[2], m[3]);
            positions.push_back(w->pos);
        }
    }
    static bool same(const Position& a, const Position& b) {
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (a.board[x][y] != b.board[x][y]) return false;
        for (int k = 1; k <= 7; ++k)
            if (a.ownHand[k] != b.ownHand[k] || a.enemyHand[k] != b.enemyHand[k]) return false;
        return a.ownHandTotal == b.ownHandTotal && a.enemyHandTotal == b.enemyHandTotal;
    }
    std::vector<Position> positions;
};

TEST_F(Replay, BackThreeForwardThreeRestoresEverything) {
    playFive(10);
    ASSERT_EQ(w->g.moveNumber, 5);
    ASSERT_EQ(w->pos.ownHand[6], 0);
    const double man = w->clk.manSeconds, com = w->clk.comSeconds;
    EXPECT_DOUBLE_EQ(man, 30);
    EXPECT_DOUBLE_EQ(com, 20);
    for (int i = 0; i < 3; ++i) w->menuCommand("REPLAY");
    EXPECT_TRUE(same(w->pos, positions[1]));
    EXPECT_EQ(w->g.moveNumber, 2);
    EXPECT_EQ(w->g.sideToMove, kSente);
    EXPECT_DOUBLE_EQ(w->clk.manSeconds, 10);
    EXPECT_DOUBLE_EQ(w->clk.comSeconds, 10);
    EXPECT_EQ(w->g.paused, 1);
    EXPECT_FALSE(fake.timerOn);
    for (int i = 0; i < 3; ++i) w->menuCommand("AFTER");
    // The very last Position is back, with its clocks and the side to move.
    EXPECT_TRUE(same(w->pos, positions[4]));
    EXPECT_EQ(w->g.moveNumber, 5);
    EXPECT_EQ(w->g.sideToMove, kGote);
    EXPECT_DOUBLE_EQ(w->clk.manSeconds, man);
    EXPECT_DOUBLE_EQ(w->clk.comSeconds, com);
    fake.clearLog();
    w->menuCommand("AFTER");
    EXPECT_EQ(lastDialog(), "できません");
    EXPECT_EQ(fake.dialogs.back().title, "進む");
    EXPECT_EQ(fake.sounds.back(), play(w->forbiddenSound));
}

TEST_F(Replay, ForwardShowsTheClocksOfThePositionShown) {
    playFive(10);
    w->menuCommand("REPLAY");
    w->menuCommand("REPLAY");
    ASSERT_TRUE(same(w->pos, positions[2]));
    EXPECT_DOUBLE_EQ(w->clk.manSeconds, 20);
    EXPECT_DOUBLE_EQ(w->clk.comSeconds, 10);
    // One more step back and forward again: the same Position, the same clocks.
    w->menuCommand("REPLAY");
    w->menuCommand("AFTER");
    ASSERT_TRUE(same(w->pos, positions[2]));
    EXPECT_DOUBLE_EQ(w->clk.manSeconds, 20);
    EXPECT_DOUBLE_EQ(w->clk.comSeconds, 10);
}

TEST_F(Replay, NotationRedrawnForTheRightSide) {
    playFive(1);
    w->menuCommand("REPLAY");
    fake.clearLog();
    w->menuCommand("AFTER");
    // Move 5 was the lower side's drop of a bishop on (5, 5): "５五角" right of the board.
    std::vector<std::string> words;
    for (const DrawCall& d : fake.textsSince(0))
        if (d.code == colourWhite && d.size == 12 && d.y == cellY(2.4)) words.push_back(d.text);
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[0] + words[1] + words[2], "５五角");
}

TEST_F(Replay, BackToTheStartAndANewMoveOverwrites) {
    playFive(1);
    for (int i = 0; i < 5; ++i) w->menuCommand("REPLAY");
    EXPECT_EQ(w->moves.recordLength, 0);
    EXPECT_EQ(w->g.moveNumber, 0);
    fake.clearLog();
    w->menuCommand("REPLAY");
    EXPECT_EQ(lastDialog(), "できません");
    EXPECT_EQ(fake.dialogs.back().title, "戻る");
    EXPECT_EQ(w->g.paused, 1);
    // Two forward, then a different move: the later entries drop out of reach.
    w->menuCommand("AFTER");
    w->menuCommand("AFTER");
    click(1, 7);  // resumes the paused game ("先手の番です") and selects
    EXPECT_EQ(w->g.paused, 0);
    EXPECT_EQ(w->g.selectPhase, 1);
    click(1, 6);
    EXPECT_EQ(w->moves.lastEntry, 2);
    EXPECT_EQ(w->moves.recordLength, 3);
    w->menuCommand("REPLAY");
    w->menuCommand("AFTER");
    EXPECT_EQ(w->pos.board[1][6], -kPawn);
    fake.clearLog();
    w->menuCommand("AFTER");
    EXPECT_EQ(lastDialog(), "できません");
}

TEST_F(Replay, CounterMovesLeftAtTenAndHundred) {
    std::vector<double> xs;
    for (int n : {9, 10, 99, 100}) {
        fake.clearLog();
        w->screen.描画_手数(n, colourWhite);
        xs.push_back(fake.textsSince(0)[1].x);  // the bright copy of the number
    }
    EXPECT_DOUBLE_EQ(xs[0], cellX(13.2));
    EXPECT_DOUBLE_EQ(xs[1], cellX(13.1));
    EXPECT_DOUBLE_EQ(xs[2], cellX(13.1));
    EXPECT_DOUBLE_EQ(xs[3], cellX(13.0));
}

TEST_F(Replay, FlipTwiceRestoresThePositionAndEmptiesTheList) {
    playFive(1);
    const Position before = w->pos;
    w->menuCommand("REVERSE");
    EXPECT_EQ(w->pos.board[5][5], kBishop);  // the dropped bishop, turned about
    EXPECT_EQ(w->pos.enemyHand[6], before.ownHand[6]);
    w->menuCommand("REVERSE");
    EXPECT_TRUE(same(w->pos, before));
    EXPECT_EQ(w->moves.recordLength, 0);
    EXPECT_EQ(w->moves.lastEntry, 0);
    fake.clearLog();
    w->menuCommand("REPLAY");
    EXPECT_EQ(lastDialog(), "できません");
}

TEST_F(Replay, ForwardBeforeAnyGameIsRefused) {
    w->menuCommand("CANCEL");
    fake.clearLog();
    w->menuCommand("AFTER");
    EXPECT_EQ(lastDialog(), "「対局」で始めて下さい");
    EXPECT_EQ(fake.dialogs.back().title, "開始");
}

TEST_F(Replay, ClockTicksOnlyOnWholeSecondsAndAddsAtEachMove) {
    ASSERT_TRUE(fake.checked("KEIKA"));
    ASSERT_TRUE(fake.timerOn);
    fake.clearLog();
    fake.clockNow += 0.4;
    w->Timer1_Timer();
    EXPECT_TRUE(fake.textsSince(0).empty());
    fake.clockNow += 0.7;
    w->Timer1_Timer();
    bool shown = false;
    for (const DrawCall& d : fake.textsSince(0)) shown |= d.text == "00:00:01" && d.x == cellX(13.0);
    EXPECT_TRUE(shown);
    fake.clockNow += 3600;
    move(7, 7, 7, 6);
    EXPECT_NEAR(w->clk.manSeconds, 3601.1, 1e-6);
    EXPECT_DOUBLE_EQ(w->moves.entries[0].manSecondsAfter, w->clk.manSeconds);
}

TEST_F(Replay, ATotalGrowsByExactlyTheTimeItsEntryHolds) {
    // The desktop is slow: starting the piece sound takes 0.75 s.
    fake.secondsPerSound = 0.75;
    fake.clockNow += 10;
    move(7, 7, 7, 6);
    EXPECT_DOUBLE_EQ(w->moves.entries[0].manSecondsAfter, 10);
    EXPECT_DOUBLE_EQ(w->clk.manSeconds, 10);
    // The next turn starts when the turn has passed. A human move saves the
    // lower side's clock as running, whichever side made it.
    fake.clockNow += 4;
    move(3, 3, 3, 4);
    EXPECT_DOUBLE_EQ(w->clk.comSeconds, 4);
    EXPECT_DOUBLE_EQ(w->moves.entries[1].manSecondsAfter, 14);
    EXPECT_DOUBLE_EQ(w->moves.entries[1].comSecondsAfter, 0);
}

TEST_F(Replay, ClockAcrossMidnight) {
    w->menuCommand("CANCEL");
    fake.clockNow = 86390;
    w->menuCommand("START");
    fake.clockNow = 5;
    move(7, 7, 7, 6);
    EXPECT_DOUBLE_EQ(w->clk.manSeconds, 15);
}

TEST_F(Replay, TotalsGrowWhileTheDisplayIsOff) {
    w->menuCommand("KEIKA");
    EXPECT_FALSE(fake.checked("KEIKA"));
    EXPECT_FALSE(fake.timerOn);
    fake.clockNow += 42;
    move(7, 7, 7, 6);
    EXPECT_DOUBLE_EQ(w->clk.manSeconds, 42);
    fake.clearLog();
    w->Timer1_Timer();
    EXPECT_TRUE(fake.textsSince(0).empty());
}

}  // namespace
}  // namespace xantu::testing

namespace xantu::testing {
namespace {

TEST_F(Replay, ANewGameCannotStepIntoTheLastOne) {
    playFive(1);
    w->menuCommand("CANCEL");
    w->menuCommand("START");
    fake.clearLog();
    w->menuCommand("AFTER");
    EXPECT_EQ(lastDialog(), "できません");
    EXPECT_EQ(w->pos.board[5][5], kEmpty);
    EXPECT_EQ(w->g.moveNumber, 0);
}

}  // namespace
}  // namespace xantu::testing
