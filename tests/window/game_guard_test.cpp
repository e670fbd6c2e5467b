// Nothing lost by one key or click, promotion asked on the board, and a game
// with a clear end: played through the fake desktop as a player would.
#include <cstring>
#include <fstream>
#include <sstream>

#include "core/cp932.h"
#include "window_fixture.h"

namespace xantu::testing {
namespace {

class GameGuard : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        load();
    }
    std::string readText(const std::filesystem::path& file) const {
        std::ifstream in(file, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

TEST_F(GameGuard, KeysStepAndQuestionsKeepTheGameUntilAnsweredYes) {
    w->menuCommand("LEVEL1");
    w->menuCommand("SENTE");
    move(7, 7, 7, 6);  // the computer replies
    ASSERT_EQ(w->g.moveNumber, 2);
    ASSERT_TRUE(std::filesystem::exists(w->resumePath()));
    fake.clearLog();

    // Home walks back to the start, End forward again: no box, the game stays.
    w->keyCommand(GameKey::First);
    EXPECT_EQ(w->g.moveNumber, 0);
    EXPECT_EQ(w->pos.board[7][7], -kPawn);
    w->keyCommand(GameKey::Back);  // nothing before the start: a sound, no box
    EXPECT_EQ(fake.sounds.back(), play(w->forbiddenSound));
    w->keyCommand(GameKey::Last);
    EXPECT_EQ(w->g.moveNumber, 2);
    EXPECT_EQ(w->pos.board[7][6], -kPawn);
    w->keyCommand(GameKey::Forward);
    EXPECT_TRUE(fake.dialogs.empty());
    EXPECT_EQ(w->g.sideToMove, w->g.manSide);

    // 最初, 反転 and Esc each ask; いいえ changes nothing and keeps the kept game.
    const std::string kept = readText(w->resumePath());
    const struct {
        void (*act)(GameWindow&);
        const char* question;
    } asks[] = {
        {[](GameWindow& g) { g.menuCommand("CANCEL"); }, "対局を中止して最初に戻しますか？"},
        {[](GameWindow& g) { g.menuCommand("REVERSE"); }, "反転すると棋譜が消えます。よろしいですか？"},
        {[](GameWindow& g) { g.Form_KeyPress(27); }, "対局を中断して終了しますか？ (続きは次回再開できます)"},
        {[](GameWindow& g) { g.Form_Unload(); }, "対局を中断して終了しますか？ (続きは次回再開できます)"},
    };
    for (const auto& a : asks) {
        fake.dialogs.clear();
        fake.answers = {kMsgNo};
        a.act(*w);
        ASSERT_EQ(fake.dialogs.size(), 1u) << a.question;
        EXPECT_EQ(lastDialog(), a.question);
        EXPECT_EQ(w->g.moveNumber, 2);
        EXPECT_FALSE(w->exitRequested());
        EXPECT_EQ(readText(w->resumePath()), kept) << a.question;
    }
    // はい to Esc ends the program, the game kept for the next start.
    fake.answers = {kMsgYes};
    w->Form_KeyPress(27);
    EXPECT_TRUE(w->exitRequested());
    EXPECT_TRUE(std::filesystem::exists(w->resumePath()));
    EXPECT_EQ(fake.sounds.back(), "terminate:1");
}

TEST_F(GameGuard, WithNoGameEscQuitsAtOnce) {
    w->Form_KeyPress(27);
    EXPECT_TRUE(fake.dialogs.empty());
    EXPECT_TRUE(w->exitRequested());
}

TEST_F(GameGuard, PromotionIsAskedOnTheBoard) {
    fake.setChecked("NARI_KAKUNIN", true);  // on, as by default
    w->menuCommand("START");
    Position p;
    p.board[5][9] = -kKing;
    p.manKingX = 5;
    p.manKingY = 9;
    p.board[5][1] = kKing;
    p.board[2][4] = -kSilver;
    p.board[8][4] = -kSilver;
    p.board[1][3] = -kLance;
    p.board[9][5] = kGold;
    w->setPosition(p);
    fake.clearLog();

    // A left click into the zone: the chooser shows both pictures, nothing moves yet.
    move(2, 4, 2, 3);
    EXPECT_TRUE(w->chooser.open);
    EXPECT_TRUE(fake.dialogs.empty());
    EXPECT_EQ(fake.pictureAt(2, 3), -kPromSilver);
    EXPECT_EQ(fake.pictureAt(2, 4), -kSilver);
    EXPECT_EQ(w->pos.board[2][4], -kSilver);
    click(2, 4);  // 不成
    EXPECT_FALSE(w->chooser.open);
    EXPECT_EQ(w->pos.board[2][3], -kSilver);
    EXPECT_EQ(w->g.moveNumber, 1);

    move(9, 5, 9, 6);  // the upper side, outside both zones
    // Esc is 不成 too; a click on the promoted picture promotes.
    move(2, 3, 2, 2);
    ASSERT_TRUE(w->chooser.open);
    w->Form_KeyPress(27);
    EXPECT_EQ(w->pos.board[2][2], -kSilver);
    EXPECT_FALSE(w->exitRequested());
    move(9, 6, 9, 5);
    move(8, 4, 8, 3);
    click(8, 3);
    EXPECT_EQ(w->pos.board[8][3], -kPromSilver);

    // The right button promotes at once; a forced promotion asks nothing.
    move(9, 5, 9, 6);
    move(2, 2, 3, 1, 2);
    EXPECT_EQ(w->pos.board[3][1], -kPromSilver);
    move(9, 6, 9, 5);
    move(1, 3, 1, 1);
    EXPECT_FALSE(w->chooser.open);
    EXPECT_EQ(w->pos.board[1][1], -kPromLance);
    EXPECT_TRUE(fake.dialogs.empty());

    // Off, the left button never promotes, as specified.
    w->menuCommand("NARI_KAKUNIN");
    EXPECT_NE(readText(w->settingsPath).find(*utf8ToCp932("成・不成を確認=OFF")), std::string::npos);
}

TEST_F(GameGuard, ResignationEndsTheGameWithAResultLineAndTheKifSaysIt) {
    w->menuCommand("LEVEL1");
    w->menuCommand("SENTE");
    move(7, 7, 7, 6);
    fake.clearLog();
    fake.answers = {kMsgNo};
    w->menuCommand("TOURYOU");
    EXPECT_EQ(lastDialog(), "投了しますか？");
    EXPECT_EQ(w->g.winnerSide, 0);
    fake.answers = {kMsgYes};
    w->menuCommand("TOURYOU");
    EXPECT_EQ(lastDialog(), "ｺﾝﾋﾟｭｰﾀの勝ちです");
    EXPECT_EQ(w->g.winnerSide, kGote);
    EXPECT_EQ(w->screen.shownResult(), "後手の勝ち（投了）");
    EXPECT_FALSE(std::filesystem::exists(w->resumePath()));
    // The line stays through a full redraw, until a new game.
    w->menuCommand("UCHU");
    EXPECT_EQ(w->screen.shownResult(), "後手の勝ち（投了）");
    fake.chosenFiles.push_back((dir / "resigned.kifu").string());
    w->menuCommand("KIF_WRITE");
    const std::string kif = readText(dir / "resigned.kifu");
    EXPECT_NE(kif.find("\r\n   3 投了\r\nまで2手で後手の勝ち\r\n"), std::string::npos) << kif;
    w->menuCommand("SENTE");
    EXPECT_EQ(w->screen.shownResult(), "");
}

TEST_F(GameGuard, TakingBackRestoresTheHumansTurnAndClocks) {
    w->menuCommand("LEVEL1");
    w->menuCommand("SENTE");
    w->keyCommand(GameKey::TakeBack);  // nothing yet: the key only sounds
    EXPECT_EQ(fake.sounds.back(), play(w->forbiddenSound));
    w->menuCommand("MATTA");
    EXPECT_EQ(lastDialog(), "待ったできる手がありません");

    fake.clockNow += 7;
    move(7, 7, 7, 6);
    const Position afterFirst = w->pos;
    const double man = w->clk.manSeconds, com = w->clk.comSeconds;
    fake.clockNow += 11;
    move(2, 7, 2, 6);
    ASSERT_EQ(w->g.moveNumber, 4);
    fake.clearLog();
    w->keyCommand(GameKey::TakeBack);
    EXPECT_TRUE(fake.dialogs.empty());
    EXPECT_EQ(w->g.moveNumber, 2);
    EXPECT_EQ(w->g.sideToMove, w->g.manSide);
    EXPECT_EQ(std::memcmp(w->pos.board, afterFirst.board, sizeof afterFirst.board), 0);
    EXPECT_DOUBLE_EQ(w->clk.manSeconds, man);
    EXPECT_DOUBLE_EQ(w->clk.comSeconds, com);
    // The taken-back moves are gone: 進 has nothing to step to, and play goes on.
    w->keyCommand(GameKey::Forward);
    EXPECT_EQ(w->g.moveNumber, 2);
    move(2, 7, 2, 6);
    EXPECT_EQ(w->g.moveNumber, 4);
}

}  // namespace
}  // namespace xantu::testing
