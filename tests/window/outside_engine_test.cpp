// An outside engine as the computer: a script that answers with a move the
// rules refuse loses the game, which says so, and the engine and the choice
// of it are kept for the next start.
#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>

#include "core/cp932.h"
#include "window_fixture.h"

namespace xantu::testing {
namespace {

using OutsideEngine = WindowTest;

TEST_F(OutsideEngine, AnEngineThatPlaysAMoveTheRulesRefuseLosesSayingWhy) {
    load();
    const std::filesystem::path script = dir / "engine.sh";
    std::ofstream(script) << R"(while read -r line; do
    case "$line" in
        usi) echo "id name bad"; echo usiok ;;
        isready) echo readyok ;;
        go*) echo "bestmove 5e5d" ;;
        quit) exit 0 ;;
    esac
done
)";
    w->engines.push_back({"わるい", "bash " + script.string(), {"Threads=1"}});
    fake.newGameChoices.push_back({true, kSente, Opponent::registered("わるい"), 0});
    w->menuCommand("NEW_GAME");
    EXPECT_EQ(fake.newGameRequests.at(0).engineNames, std::vector<std::string>{"わるい"});
    EXPECT_TRUE(w->g.opponent.isEngine());
    for (int level = 1; level <= 4; ++level) EXPECT_FALSE(fake.checked("LEVEL" + std::to_string(level)));
    // The window waits for the engine's process in real time.
    fake.onWait = [] { std::this_thread::sleep_for(std::chrono::milliseconds(1)); };
    move(7, 7, 7, 6);
    EXPECT_EQ(w->g.winnerSide, w->g.manSide);
    EXPECT_EQ(w->gameEnd, GameEnd::IllegalMove);
    EXPECT_EQ(lastDialog(), "エンジン「わるい」の指し手 5e5d は指せない手です\rあなたの勝ちです");
    EXPECT_EQ(w->結果行(), "先手の勝ち（反則）");
    EXPECT_EQ(w->g.moveNumber, 1);  // the refused move was never made
    EXPECT_EQ(w->pos.board[5][5], kEmpty);

    // The next start knows the engine and plays it again.
    FakePlatform other;
    other.platform.assetFolders = fake.platform.assetFolders;
    GameWindow again(other.platform);
    again.settingsPath = w->settingsPath;
    again.Form_Load();
    EXPECT_EQ(again.engines, w->engines);
    EXPECT_EQ(again.g.opponent, Opponent::registered("わるい"));
}

// A settings file of before, with a built-in level chosen, reads as that
// level and is written back byte for byte.
TEST_F(OutsideEngine, SettingsOfBeforeReadAsTheBuiltInLevelAndWriteBackTheSame) {
    const std::string before =
        utf8ToCp932("背景画=竹\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=OFF\r\nCOM対局ﾚﾍﾞﾙ=LEVEL2\r\n手番=後手\r\n")
            .value();
    std::ofstream(w->settingsPath, std::ios::binary) << before;
    w->Form_Load();
    EXPECT_EQ(w->g.opponent, Opponent::builtIn(2));
    EXPECT_TRUE(fake.checked("LEVEL2"));
    w->書込_環境設定ファイル();
    std::ifstream in(w->settingsPath, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), before);
}

}  // namespace
}  // namespace xantu::testing
