// The computer level menu and the handicap ladder.
#include "window_fixture.h"

namespace xantu::testing {
namespace {

class LevelHandicap : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        load();
    }
    std::vector<std::string> labelsSince(std::size_t mark) const {
        std::vector<std::string> out;
        for (const DrawCall& d : fake.textsSince(mark))
            if (d.code == colourWhite) out.push_back(d.text);
        return out;
    }
};

TEST_F(LevelHandicap, UpRemovesTheUpperBishopAndDownRestoresIt) {
    w->menuCommand("LBEL_UP");
    EXPECT_EQ(w->pos.board[8][2], kEmpty);
    EXPECT_EQ(w->g.handicapLevel, 1);
    EXPECT_EQ(labelsSince(0).back(), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級");
    EXPECT_EQ(fake.pictureAt(8, 2), kEmpty);
    EXPECT_EQ(fake.sounds.back(), play(w->pieceSound));
    const std::size_t mark = fake.draws.size();
    w->menuCommand("LEBEL_DOWN");
    EXPECT_EQ(w->pos.board[8][2], kBishop);
    EXPECT_EQ(labelsSince(mark).back(), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級");
    EXPECT_EQ(w->g.handicapSet, 1);
}

TEST_F(LevelHandicap, TenStepsDownLeavesKingAndPawnsThenStops) {
    Position start = w->pos;
    for (int i = 0; i < 10; ++i) w->menuCommand("LEBEL_DOWN");
    int lower = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (w->pos.board[x][y] <= -kPawn) {
                ++lower;
                EXPECT_TRUE(w->pos.board[x][y] == -kPawn || w->pos.board[x][y] == -kKing);
            }
    EXPECT_EQ(lower, 10);
    EXPECT_EQ(labelsSince(0).back(), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人");
    fake.clearLog();
    w->menuCommand("LEBEL_DOWN");
    EXPECT_EQ(w->g.handicapLevel, -10);
    EXPECT_TRUE(fake.sounds.empty());
    // And all the way back up restores the layout exactly.
    for (int i = 0; i < 10; ++i) w->menuCommand("LBEL_UP");
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) EXPECT_EQ(w->pos.board[x][y], start.board[x][y]) << x << "," << y;
}

TEST_F(LevelHandicap, RefusedAfterTheFirstMoveAndAfterFlipping) {
    w->menuCommand("START");
    move(7, 7, 7, 6);
    fake.clearLog();
    w->menuCommand("LBEL_UP");
    ASSERT_EQ(fake.dialogs.size(), 1u);
    EXPECT_EQ(fake.dialogs[0].text, "対局途中ではできません\r\r局面→最初にして下さい");
    EXPECT_EQ(fake.dialogs[0].title, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定");
    EXPECT_EQ(fake.sounds.back(), play(w->forbiddenSound));
    EXPECT_EQ(w->pos.board[8][2], kBishop);

    w->menuCommand("CANCEL");
    w->menuCommand("REVERSE");
    fake.clearLog();
    w->menuCommand("LEBEL_DOWN");
    EXPECT_EQ(lastDialog(), "反転後ではできません\r\r局面→最初にして下さい");
}

TEST_F(LevelHandicap, HandicapLayoutIsKeptWhenTheGameStarts) {
    w->menuCommand("LBEL_UP");
    w->menuCommand("LBEL_UP");
    w->menuCommand("SENTE");
    EXPECT_EQ(w->pos.board[8][2], kEmpty);
    EXPECT_EQ(w->pos.board[2][2], kEmpty);
    EXPECT_EQ(w->g.sideToMove, w->g.manSide);
}

TEST_F(LevelHandicap, LevelMenuChecksAndDrawsOnlyAgainstTheComputer) {
    w->menuCommand("LEVEL1");
    EXPECT_EQ(w->g.opponent.level, 1);
    EXPECT_TRUE(fake.checked("LEVEL1"));
    EXPECT_FALSE(fake.checked("LEVEL3"));
    for (const DrawCall& d : fake.textsSince(0)) EXPECT_NE(d.text, "LEVEL");
    w->menuCommand("SENTE");
    fake.clearLog();
    w->menuCommand("LEVEL2");
    EXPECT_EQ(w->g.opponent.level, 2);
    const auto labels = labelsSince(0);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0], "LEVEL");
    EXPECT_EQ(labels[1], "2");
}

}  // namespace
}  // namespace xantu::testing
