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
    void layOut(std::initializer_list<std::array<int, 3>> pieces, int upperGolds = 0) {
        Position p;
        for (const auto& piece : pieces) {
            p.board[piece[0]][piece[1]] = piece[2];
            if (piece[2] == -kKing) {
                p.manKingX = piece[0];
                p.manKingY = piece[1];
            }
        }
        p.enemyHand[5] = p.enemyHandTotal = upperGolds;
        w->setPosition(p);
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
    EXPECT_EQ(w->moves.recordLength, 1);
    // The opening move gives no check, so nothing is announced, and MAN is
    // not told it is his turn: the move on the board says so.
    EXPECT_TRUE(fake.dialogs.empty()) << lastDialog();
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

// In the layouts below the computer has exactly one piece that can move,
// with one destination, so its choice is known.

TEST_F(VsComputer, ACheckIsAnnouncedAndTheMoveWritten) {
    w->menuCommand("SENTE");
    // The knight's other square is taken by a lance that cannot move; on rank
    // 9 the knight must promote, beside MAN's king, which can still step away.
    layOut({{4, 7, kKnight}, {3, 9, kLance}, {6, 9, -kKing}, {9, 5, -kPawn}});
    move(9, 5, 9, 4);
    EXPECT_EQ(w->pos.board[5][9], kPromKnight);
    ASSERT_FALSE(fake.dialogs.empty());
    EXPECT_EQ(lastDialog(), "   ** 王手 **");
    EXPECT_EQ(fake.dialogs.back().title, "");
    std::string words;
    for (const DrawCall& d : fake.textsSince(0))
        if (d.code == colourWhite && d.y == cellY(8.4)) words += d.text;
    EXPECT_EQ(words, "思考中５九桂成");  // the thinking label, then the move in its place
    EXPECT_EQ(fake.outlineAt(5, 9), colourWhite);
    EXPECT_EQ(w->g.sideToMove, w->g.manSide);
    EXPECT_EQ(w->g.winnerSide, 0);
}

TEST_F(VsComputer, AMateIsAnnouncedWithoutTheCheckBox) {
    w->menuCommand("SENTE");
    // The knight's jump to (5, 7) checks the king on (6, 9), whose squares
    // are all held by its own knights, none of which can reach (5, 7).
    layOut({{4, 5, kKnight},
            {3, 7, kLance},
            {3, 8, kKnight},
            {6, 9, -kKing},
            {5, 8, -kKnight},
            {6, 8, -kKnight},
            {7, 8, -kKnight},
            {5, 9, -kKnight},
            {7, 9, -kKnight},
            {9, 1, -kPawn}});
    move(9, 1, 9, 2);
    EXPECT_EQ(w->pos.board[5][7], kKnight);
    std::vector<std::string> texts;
    for (const Dialog& d : fake.dialogs) texts.push_back(d.text + "|" + d.title);
    EXPECT_EQ(texts, (std::vector<std::string>{"よし！!|詰め ?"}));
    EXPECT_EQ(w->g.winnerSide, 0);  // a mate alone does not end the game
    EXPECT_EQ(w->g.sideToMove, w->g.manSide);
}

TEST_F(VsComputer, ADropBlinksInTheHandArea) {
    w->menuCommand("SENTE");
    layOut({{5, 9, -kKing}, {9, 5, -kPawn}}, 1);  // one gold in hand, shown on row 8 - 5 = 3
    move(9, 5, 9, 4);
    std::vector<int> blink;
    for (const DrawCall& d : fake.draws)
        if (d.kind == DrawCall::Picture && d.x == cellX(-1) && d.y == cellY(3)) blink.push_back(d.code);
    ASSERT_GE(blink.size(), 4u);
    EXPECT_EQ(std::vector<int>(blink.begin(), blink.begin() + 4), (std::vector<int>{kEmpty, kGold, kEmpty, kGold}));
    EXPECT_EQ(w->pos.enemyHand[5], 0);
    EXPECT_EQ(fake.pictureAt(-1, 3), kEmpty);  // the hand shows the gold gone
}

TEST_F(VsComputer, PausedWithTheComputerToMoveItMovesBeforeTheClick) {
    w->menuCommand("SENTE");
    move(7, 7, 7, 6);
    ASSERT_EQ(w->g.moveNumber, 2);
    w->menuCommand("REPLAY");  // back to the computer's turn
    ASSERT_EQ(w->g.sideToMove, w->g.comSide);
    fake.clearLog();
    click(5, 9);
    ASSERT_FALSE(fake.dialogs.empty());
    EXPECT_EQ(fake.dialogs[0].text, "OKですか？");
    EXPECT_EQ(fake.dialogs[0].title, "再開(COM)");
    EXPECT_EQ(w->g.paused, 0);
    EXPECT_EQ(w->g.moveNumber, 2);
    // Then the click selects the human's king as usual.
    EXPECT_EQ(w->g.selectPhase, 1);
    EXPECT_EQ(w->g.selFromX, 5);
    EXPECT_EQ(w->g.selFromY, 9);
}

TEST_F(VsComputer, AKingTakenBeforeTheClickEndsTheClick) {
    w->menuCommand("SENTE");
    layOut({{5, 1, kRook}, {1, 1, kKing}, {5, 5, -kKing}, {9, 9, -kPawn}});
    w->g.sideToMove = w->g.comSide;
    w->g.paused = 1;
    click(9, 9);
    EXPECT_EQ(w->g.winnerSide, w->g.comSide);
    EXPECT_EQ(lastDialog(), "ｺﾝﾋﾟｭｰﾀの勝ちです");
    EXPECT_EQ(w->g.selectPhase, 0);  // the pawn was not selected
}

TEST_F(VsComputer, SenteInTheMiddleStartsANewGameOnlyWhenAgreed) {
    w->menuCommand("GOTE");
    move(7, 7, 7, 6);
    ASSERT_EQ(w->g.moveNumber, 3);
    fake.clearLog();
    fake.answers = {kMsgNo};
    w->menuCommand("SENTE");
    EXPECT_EQ(lastDialog(), "対局を中止して最初に戻しますか？");
    EXPECT_EQ(w->g.manSide, kGote);  // nothing relabelled
    EXPECT_EQ(w->g.moveNumber, 3);
    fake.answers = {kMsgYes};
    w->menuCommand("SENTE");
    EXPECT_EQ(lastDialog(), "MANの番です");
    EXPECT_EQ(w->g.manSide, kSente);
    EXPECT_EQ(w->g.sideToMove, kSente);
    EXPECT_EQ(w->g.moveNumber, 0);
    EXPECT_EQ(w->gameInfo.senteName, "人間");
}

TEST_F(VsComputer, InputDuringTheComputersTurnIsThrownAwayAndEscEndsAfterIt) {
    w->menuCommand("GOTE");
    // While the computer replies, the user clicks 9七 then 9六 (a pawn move
    // if it were kept), presses a key, picks 最初 and presses Esc.
    int tries = 0;
    const auto meddle = [&] {
        EXPECT_TRUE(w->computerBusy());
        ++tries;
        click(1, 7);
        click(1, 6);
        w->Form_KeyPress('a');
        w->menuCommand("CANCEL");
        w->Form_KeyPress(27);
        EXPECT_FALSE(w->exitRequested());
    };
    fake.onWait = meddle;
    fake.onRefresh = meddle;
    fake.clearLog();
    move(7, 7, 7, 6);
    fake.onWait = fake.onRefresh = nullptr;
    EXPECT_GE(tries, 6);  // the refresh before the search, the blinks, the pause

    // Only the human's move and the computer's reply were made.
    EXPECT_FALSE(w->computerBusy());
    EXPECT_EQ(w->g.moveNumber, 3);
    EXPECT_EQ(w->moves.recordLength, 3);
    EXPECT_EQ(w->pos.board[1][7], -kPawn);
    EXPECT_EQ(w->g.selectPhase, 0);
    EXPECT_EQ(w->g.sideToMove, w->g.manSide);
    EXPECT_TRUE(fake.dialogs.empty());
    EXPECT_GE(fake.inputDiscards, 1);
    // Esc ended the program, but only after the computer's move was made and heard.
    EXPECT_TRUE(w->exitRequested());
    std::vector<std::string> heard;
    for (const std::string& s : fake.sounds) heard.push_back(s.substr(0, s.find(':')));
    EXPECT_EQ(heard, (std::vector<std::string>{"play", "play", "free", "free", "free", "free", "terminate"}));
}

TEST_F(VsComputer, ALongWaitKeepsTheClockMovingDropsClicksAndRemembersAClose) {
    w->menuCommand("SENTE");
    fake.clearLog();
    fake.onWait = [&] {
        click(7, 7);
        w->Form_Unload();
    };
    int polls = 0;
    w->waitWhileBusy([&] { return ++polls > 40; });  // a search of two seconds
    fake.onWait = nullptr;
    EXPECT_NEAR(fake.waited, 2.0, 1e-9);
    bool shown = false;
    for (const DrawCall& d : fake.textsSince(0)) shown |= d.text == "00:00:02";
    EXPECT_TRUE(shown);
    EXPECT_EQ(w->g.selectPhase, 0);
    EXPECT_TRUE(w->exitRequested());
}

TEST_F(VsComputer, TheHumansTimeStartsWhenTheTurnBoxIsClosed) {
    fake.secondsPerDialog = 30;  // each box is read for half a minute
    w->menuCommand("SENTE");
    ASSERT_EQ(lastDialog(), "MANの番です");
    fake.clockNow += 5;
    move(7, 7, 7, 6);
    EXPECT_DOUBLE_EQ(w->clk.manSeconds, 5);
    // Stepped back to the start, a click resumes with the box, then selects.
    w->menuCommand("REPLAY");
    w->menuCommand("REPLAY");
    fake.clearLog();
    click(7, 7);
    EXPECT_EQ(lastDialog(), "MANの番です");
    fake.clockNow += 3;
    click(7, 6);
    EXPECT_DOUBLE_EQ(w->moves.entries[0].manSecondsAfter, 3);
}

TEST_F(VsComputer, ClickBeforeAnyGame) {
    click(5, 7);
    EXPECT_EQ(lastDialog(), "「対局」で始めて下さい");
    EXPECT_EQ(fake.dialogs.back().title, "開始");
    EXPECT_EQ(fake.sounds.back(), play(w->forbiddenSound));
}

}  // namespace
}  // namespace xantu::testing
