// Start-up, the grid, the background themes, hand areas and labels.
#include "window_fixture.h"

namespace xantu::testing {
namespace {

using ScreenTest = WindowTest;

TEST_F(ScreenTest, StartUpInOrder) {
    fake.frameTop = 300;
    w->Form_Load();
    // Sounds first (device, then the four files), the window placed last.
    ASSERT_NE(w->pieceSound, 0);
    EXPECT_EQ(w->otherSound, 100);
    EXPECT_EQ(w->bgmSound, 103);
    EXPECT_EQ(fake.backColour, colourGreen);
    EXPECT_EQ(fake.placed, (std::vector<double>{0, 0, 9200, 8000}));
    EXPECT_TRUE(fake.checked("LEVEL3"));
    EXPECT_EQ(w->g.opponent.level, 3);
    EXPECT_EQ(w->g.sideToMove, 0);
    EXPECT_EQ(w->g.winnerSide, 0);
    EXPECT_EQ(fake.pictureAt(10.8, 0), kPicTitle);
    EXPECT_EQ(fake.pictureAt(5, 9), -kKing);
    EXPECT_EQ(fake.pictureAt(5, 1), kKing);
    EXPECT_EQ(fake.pictureAt(5, 5), kEmpty);
    EXPECT_EQ(fake.outlineAt(5, 5), outlineColour);
    EXPECT_FALSE(fake.timerOn);
}

TEST_F(ScreenTest, AWindowAlreadyAtTheTopStaysWhereItIs) {
    fake.frameTop = -60;
    w->Form_Load();
    EXPECT_TRUE(fake.placed.empty());
}

TEST_F(ScreenTest, NoSoundDeviceWarnsOnceAndStaysSilent) {
    fake.deviceWorks = false;
    w->Form_Load();
    ASSERT_EQ(fake.dialogs.size(), 1u);
    EXPECT_EQ(fake.dialogs[0].text, "Direct Soundインターフェースが作成できません。");
    EXPECT_EQ(fake.dialogs[0].title, "Xantuペカナ将棋.dll");
    EXPECT_TRUE(fake.dialogs[0].exclamation);
    EXPECT_EQ(w->pieceSound, 0);
    w->menuCommand("START");
    click(5, 7);
    click(5, 2);  // refused: would be the forbidden sound
    w->menuCommand("VER");
    w->Form_KeyPress(27);
    EXPECT_TRUE(fake.sounds.empty());
}

TEST(PekanaPattern, TilesLeftOnTheCellsBesideTheBoard) {
    const int column12[9] = {9, 7, 8, 9, 7, 8, 9, 7, 8};
    for (int y = 1; y <= 9; ++y) EXPECT_EQ(Screen::pekanaTileAt(12, y), column12[y - 1]) << y;
    EXPECT_EQ(Screen::pekanaTileAt(13, 3), 9);
    EXPECT_EQ(Screen::pekanaTileAt(14, 3), 7);
    const int row1[4] = {8, 9, 7, 8};
    for (int x = 11; x <= 14; ++x) EXPECT_EQ(Screen::pekanaTileAt(x, 1), row1[x - 11]) << x;
    // The column between the board and the lower hand.
    EXPECT_EQ(Screen::pekanaTileAt(10, 2), 8);
    EXPECT_EQ(Screen::pekanaTileAt(10, 3), 9);
    // Far outside the pattern: nothing is painted (never the empty square).
    EXPECT_EQ(Screen::pekanaTileAt(40, 40), kThemePekana);
}

TEST_F(ScreenTest, EveryThemeCoversTheCellsOutsideTheBoard) {
    load();
    for (auto [item, theme] : {std::pair{"TATAMI", kThemeTatami},
                               {"TAKE", kThemeTake},
                               {"UCHU", kThemeUchu},
                               {"RENGA", kThemeRenga},
                               {"MIDORI", kThemePekana}}) {
        fake.clearLog();
        w->menuCommand(item);
        for (int x = -3; x <= 15; ++x)
            for (int y = -2; y <= 12; ++y) {
                const bool board = x >= 1 && x <= 9 && y >= 1 && y <= 9;
                if (board || (x == 11 && y >= 3 && y <= 9) || (x == -1 && y >= 1 && y <= 7)) continue;
                if (x == 10 && y == 0) continue;  // under the title picture
                const int expected = theme == kThemePekana ? Screen::pekanaTileAt(x, y) : theme;
                int painted = -1;  // the first picture painted there: the background
                for (const DrawCall& d : fake.draws)
                    if (d.kind == DrawCall::Picture && d.x == cellX(x) && d.y == cellY(y)) {
                        painted = d.code;
                        break;
                    }
                EXPECT_EQ(painted, expected) << item << " " << x << "," << y;
            }
        // Repainting one cell paints what the theme left there.
        fake.clearLog();
        w->screen.背景桝(12, 4);
        EXPECT_EQ(fake.pictureAt(12, 4), theme == kThemePekana ? 9 : theme);
    }
}

TEST_F(ScreenTest, OutlineOfACellInTwips) {
    load();
    w->screen.描画_桝輪郭(colourSelect, 5, 5);
    const DrawCall& d = fake.draws.back();
    EXPECT_EQ(d.code, colourSelect);
    EXPECT_DOUBLE_EQ(d.x, 3525);
    EXPECT_DOUBLE_EQ(d.y, 3175);
    EXPECT_DOUBLE_EQ(d.x2, 4020);
    EXPECT_DOUBLE_EQ(d.y2, 3790);
}

TEST_F(ScreenTest, HandAreasShowEachKindWithItsCount) {
    load();
    Position p = w->pos;
    p.ownHand[1] = 2;
    p.ownHand[7] = 1;
    p.ownHandTotal = 3;
    w->setPosition(p);
    EXPECT_EQ(fake.pictureAt(11, 3), -kPawn);
    EXPECT_EQ(fake.pictureAt(11, 9), -kRook);
    for (int row = 4; row <= 8; ++row) EXPECT_EQ(fake.pictureAt(11, row), kEmpty) << row;
    std::vector<std::string> counts;
    for (const DrawCall& d : fake.textsSince(0))
        if (d.code == colourSelect) {
            counts.push_back(d.text);
            EXPECT_DOUBLE_EQ(d.x, cellX(12));
        }
    EXPECT_EQ(counts, (std::vector<std::string>{"2", "1"}));
    // Down to none: an empty cell and no number.
    p.ownHand[7] = 0;
    p.ownHandTotal = 2;
    w->setPosition(p);
    fake.clearLog();
    w->screen.描画_自持盤();
    EXPECT_EQ(fake.pictureAt(11, 9), kEmpty);
    EXPECT_EQ(fake.textsSince(0).size(), 2u);  // the pawn count, black and red
}

TEST_F(ScreenTest, LabelsAndNumbers) {
    load();
    w->screen.描画_桝_数値();
    std::string files, ranks;
    for (const DrawCall& d : fake.textsSince(0))
        if (d.code == colourYellow) (d.size == 16 ? files : ranks) += d.text;
    EXPECT_EQ(files, "987654321");
    EXPECT_EQ(ranks, "一二三四五六七八九");
    EXPECT_TRUE(w->screen.fontBold());
    fake.clearLog();
    w->screen.描画_数値(1, 1, 10, colourWhite, 1, 12);
    EXPECT_TRUE(fake.textsSince(0).empty());
    w->screen.描画_数値(1, 1, 10, colourWhite, 0, 12);
    ASSERT_EQ(fake.textsSince(0).size(), 1u);
    EXPECT_EQ(fake.textsSince(0)[0].text, "10");
}

}  // namespace
}  // namespace xantu::testing
