// Games against the computer through the fake desktop.
#include "window_fixture.h"

namespace xantu::testing {
namespace {

class VsComputer : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        load();
    }
    // An otherwise empty board with the given pieces, MAN to move.
    void layOut(std::initializer_list<std::array<int, 3>> pieces) {
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) w->pos.board[x][y] = kEmpty;
        for (const auto& p : pieces) {
            w->pos.board[p[0]][p[1]] = p[2];
            if (p[2] == -kKing) {
                w->pos.manKingX = p[0];
                w->pos.manKingY = p[1];
            }
        }
        w->画面_再描画();
        fake.clearLog();
    }
};

TEST_F(VsComputer, HumanFirstThenTheComputerReplies) {
    w->menuCommand("SENTE");
    EXPECT_EQ(lastDialog(), "MANの番です");
    EXPECT_EQ(w->g.manSide, kSente);
    EXPECT_TRUE(fake.timerOn);
    fake.clearLog();
    fake.secondsPerSound = 0.25;
    fake.clockNow += 7;
    move(7, 7, 7, 6);
    // Each total grew by exactly what the move list holds for its move.
    EXPECT_DOUBLE_EQ(w->clk.manSeconds, 7);
    EXPECT_DOUBLE_EQ(w->moves.entries[0].manSecondsAfter, 7);
    EXPECT_DOUBLE_EQ(w->clk.comSeconds, w->moves.entries[1].comSecondsAfter);
    // The computer answered in the same event.
    EXPECT_EQ(w->g.moveNumber, 2);
    EXPECT_EQ(w->moves.recordLength, 2);
    EXPECT_EQ(w->g.sideToMove, w->g.manSide);
    EXPECT_TRUE(w->pos.ok());
    bool thinking = false;
    for (const DrawCall& d : fake.textsSince(0)) thinking |= d.text == "思考中";
    EXPECT_TRUE(thinking);
    EXPECT_GE(fake.waited, 0.2 * 4 + 0.5 - 1e-9);  // two blinks and the pause before the sound
    EXPECT_GE(fake.refreshes, 4);
    EXPECT_EQ(fake.sounds.back(), play(w->pieceSound));
    // The computer's move differs from the Position before it only on its own squares.
    const MoveListEntry& before = w->moves.entries[1];
    int changed = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) changed += before.board[x][y] != w->pos.board[x][y];
    EXPECT_GE(changed, 1);
    EXPECT_LE(changed, 2);
}

TEST_F(VsComputer, ComputerFirstMovesAtOnce) {
    w->menuCommand("GOTE");
    EXPECT_EQ(w->g.manSide, kGote);
    EXPECT_EQ(w->g.comSide, kSente);
    EXPECT_EQ(w->g.moveNumber, 1);
    EXPECT_EQ(w->g.sideToMove, w->g.manSide);
    EXPECT_TRUE(fake.dialogs.empty() || lastDialog() != "MANの番です");
}

TEST_F(VsComputer, MatingTheComputerWins) {
    w->menuCommand("SENTE");
    layOut({{1, 1, kKing}, {3, 3, -kSilver}, {2, 3, -kGold}, {9, 9, -kKing}});
    move(2, 3, 2, 2);
    EXPECT_EQ(lastDialog(), "あなたの勝ちです");
    EXPECT_EQ(fake.dialogs.back().title, "終了");
    EXPECT_EQ(w->g.winnerSide, w->g.manSide);
    EXPECT_EQ(w->g.moveNumber, 1);  // the computer did not move
    EXPECT_FALSE(fake.timerOn);
}

TEST_F(VsComputer, ComputerTakesTheKing) {
    w->menuCommand("SENTE");
    layOut({{5, 1, kRook}, {1, 1, kKing}, {5, 5, -kKing}, {9, 9, -kPawn}});
    move(9, 9, 9, 8);
    EXPECT_EQ(w->g.winnerSide, w->g.comSide);
    EXPECT_EQ(lastDialog(), "ｺﾝﾋﾟｭｰﾀの勝ちです");
    EXPECT_EQ(w->g.sideToMove, w->g.manSide);
    click(3, 3);
    EXPECT_EQ(lastDialog(), "新規に対局してください");
}

TEST_F(VsComputer, ComputerWithNothingToMoveLoses) {
    w->menuCommand("SENTE");
    // The upper side has no piece at all (its king is gone from the board).
    layOut({{5, 9, -kKing}, {1, 9, -kPawn}});
    move(1, 9, 1, 8);
    EXPECT_EQ(w->g.winnerSide, w->g.manSide);
    EXPECT_EQ(lastDialog(), "あなたの勝ちです");
}

TEST_F(VsComputer, ClickBeforeAnyGame) {
    click(5, 7);
    EXPECT_EQ(lastDialog(), "「対局」で始めて下さい");
    EXPECT_EQ(fake.dialogs.back().title, "開始");
    EXPECT_EQ(fake.sounds.back(), play(w->forbiddenSound));
}

TEST_F(VsComputer, ExitReleasesTheSounds) {
    w->Form_KeyPress(27);
    EXPECT_TRUE(w->exitRequested());
    ASSERT_GE(fake.sounds.size(), 5u);
    const std::size_t n = fake.sounds.size();
    EXPECT_EQ(fake.sounds[n - 5], "free:100");  // その他.wav first
    EXPECT_EQ(fake.sounds[n - 1], "terminate:1");
}

}  // namespace
}  // namespace xantu::testing
