// 対局 → 新規対局…: one dialog starts the chosen game; the level and the side
// are kept in the settings file only when they differ from 3 and 先手.
#include <fstream>

#include "core/cp932.h"
#include "window_fixture.h"

namespace xantu::testing {
namespace {

using NewGame = WindowTest;

std::string settingsText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return cp932ToUtf8(bytes).value_or("?");
}

TEST_F(NewGame, TheDialogStartsTheChosenGameAndIsRemembered) {
    load();
    fake.setChecked("NARI_KAKUNIN", true);  // as the program starts
    const std::string defaults = settingsText(w->settingsPath);
    // Cancelled: nothing changes, and the dialog offered what the window holds.
    w->menuOpened("TAIKYOKU");
    w->menuCommand("NEW_GAME");
    ASSERT_EQ(fake.newGameRequests.size(), 1u);
    EXPECT_EQ(fake.newGameRequests[0].initial, (NewGameChoice{true, kSente, Opponent::builtIn(3), 0}));
    ASSERT_EQ(fake.newGameRequests[0].handicapNames.size(), 21u);
    EXPECT_EQ(fake.newGameRequests[0].handicapNames[0], "名人（下側 10枚落ち）");
    EXPECT_EQ(fake.newGameRequests[0].handicapNames[10], "２級（平手）");
    EXPECT_EQ(w->g.sideToMove, 0);
    EXPECT_EQ(settingsText(w->settingsPath), defaults);

    // As 後手 against LEVEL1, the top side two pieces down: the computer,
    // 先手, moves at once from the layout without its bishop and rook.
    fake.newGameChoices.push_back({true, kGote, Opponent::builtIn(1), 2});
    w->menuCommand("NEW_GAME");
    EXPECT_EQ(w->g.vsComputer, 1);
    EXPECT_EQ(w->g.manSide, kGote);
    EXPECT_EQ(w->g.opponent.level, 1);
    EXPECT_TRUE(fake.checks.count("LEVEL1"));
    EXPECT_EQ(w->g.handicapLevel, 2);
    EXPECT_EQ(w->moves.entry(0).board[8][2], kEmpty);
    EXPECT_EQ(w->moves.entry(0).board[2][2], kEmpty);
    EXPECT_EQ(w->g.moveNumber, 1);
    EXPECT_EQ(w->g.sideToMove, kGote);
    EXPECT_EQ(settingsText(w->settingsPath), defaults + "COM対局ﾚﾍﾞﾙ=LEVEL1\r\n手番=後手\r\n");

    // A new game over one under way asks first; いいえ keeps the game.
    move(3, 7, 3, 6);
    const int played = w->g.moveNumber;
    fake.newGameChoices.push_back({false, kSente, Opponent::builtIn(1), 0});
    fake.answers.push_back(kMsgNo);
    w->menuCommand("NEW_GAME");
    EXPECT_EQ(lastDialog(), "対局を中止して最初に戻しますか？");
    EXPECT_EQ(w->g.moveNumber, played);
    EXPECT_EQ(w->g.vsComputer, 1);

    // The next start offers the level and the side kept; choosing the
    // defaults again leaves the file as it was before any choice.
    GameWindow again(fake.platform);
    again.settingsPath = w->settingsPath;
    again.Form_Load();
    fake.newGameRequests.clear();
    again.menuCommand("NEW_GAME");
    ASSERT_EQ(fake.newGameRequests.size(), 1u);
    EXPECT_EQ(fake.newGameRequests[0].initial, (NewGameChoice{true, kGote, Opponent::builtIn(1), 0}));
    fake.newGameChoices.push_back({false, kSente, Opponent::builtIn(3), 0});
    again.menuCommand("NEW_GAME");
    EXPECT_EQ(again.g.vsComputer, 0);
    EXPECT_EQ(again.g.manSide, kSente);
    EXPECT_EQ(settingsText(again.settingsPath), defaults);
}

// The window's place at the end is kept and given back at the next start;
// with no desktop to ask (no placement) the file stays as it was.
TEST_F(NewGame, TheWindowPlaceIsKeptForTheNextStart) {
    load();
    fake.setChecked("NARI_KAKUNIN", true);
    const std::string defaults = settingsText(w->settingsPath);
    fake.framePlacement = {120, 60, 1226, 1066, true};
    w->menuCommand("OWARI");
    EXPECT_EQ(settingsText(w->settingsPath), defaults + "ウィンドウ=120,60,1226,1066\r\n最大化=ON\r\n");
    GameWindow again(fake.platform);
    again.settingsPath = w->settingsPath;
    again.Form_Load();
    ASSERT_EQ(fake.restoredPlacements.size(), 1u);
    EXPECT_EQ(fake.restoredPlacements[0], fake.framePlacement);
}

}  // namespace
}  // namespace xantu::testing
