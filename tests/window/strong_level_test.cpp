// LEVEL4: the strong search answers on a worker thread while the window waits.
#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>

#include "core/cp932.h"
#include "window_fixture.h"

namespace xantu::testing {
namespace {

// The upper pawn of file 3 one square forward (3c3d), as a player answers.
Thought pawnForward() {
    Thought r;
    r.hasMove = true;
    r.move = Move::boardMove(7, 3, 7, 4, kPawn, false);
    return r;
}

class StrongLevel : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        load();
        w->menuCommand("LEVEL4");
        w->menuCommand("SENTE");
        fake.clearLog();
    }
    // A search that runs until it is told to stop (or, should the stop never
    // come, for a few seconds) and then answers.
    void searchUntilStopped() {
        w->strongThink = [this](const Position&, const std::atomic<bool>& stop) {
            const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
            while (!stop && std::chrono::steady_clock::now() < giveUp)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            stopped = stop;
            return pawnForward();
        };
    }
    bool stopped = false;
};

TEST_F(StrongLevel, TheMenuChecksLevel4AndTheComputerPlaysTheSearchsMove) {
    EXPECT_EQ(w->g.opponent.level, 4);
    EXPECT_TRUE(fake.checked("LEVEL4"));
    EXPECT_FALSE(fake.checked("LEVEL3"));
    Position seen;
    std::thread::id searchThread;
    w->strongThink = [&](const Position& p, const std::atomic<bool>&) {
        seen = p;
        searchThread = std::this_thread::get_id();
        return pawnForward();
    };
    move(7, 7, 7, 6);
    // The search saw the human's move, and thought off the window's thread
    // while the window showed 思考中.
    EXPECT_EQ(seen.board[7][6], -kPawn);
    EXPECT_NE(searchThread, std::this_thread::get_id());
    bool thinking = false;
    for (const DrawCall& d : fake.textsSince(0)) thinking |= d.text == "思考中";
    EXPECT_TRUE(thinking);
    // Its move was made like any computer move.
    EXPECT_EQ(w->pos.board[7][4], kPawn);
    EXPECT_EQ(w->pos.board[7][3], kEmpty);
    EXPECT_EQ(w->g.moveNumber, 2);
    EXPECT_EQ(w->g.sideToMove, w->g.manSide);
    EXPECT_FALSE(w->exitRequested());

    // A move the rules refuse (a pawn through its own pieces) is never played.
    w->strongThink = [](const Position&, const std::atomic<bool>&) {
        Thought r = pawnForward();
        r.move = Move::boardMove(1, 1, 1, 5, kLance, false);
        return r;
    };
    move(2, 7, 2, 6);
    EXPECT_EQ(w->pos.board[1][1], kLance);
    EXPECT_EQ(w->g.moveNumber, 4);
    EXPECT_TRUE(w->pos.ok());
}

TEST_F(StrongLevel, EscStopsTheSearchAtOnceAndEndsTheProgram) {
    searchUntilStopped();
    fake.onWait = [this] {
        EXPECT_TRUE(w->computerBusy());  // clicks and keys are dropped meanwhile
        w->Form_KeyPress(27);
    };
    move(7, 7, 7, 6);
    EXPECT_TRUE(stopped);
    EXPECT_TRUE(w->exitRequested());
    EXPECT_EQ(w->pos.board[7][3], kPawn);  // no computer move was made
    EXPECT_EQ(w->g.moveNumber, 1);
    EXPECT_EQ(fake.sounds.back().substr(0, 9), "terminate");
}

TEST_F(StrongLevel, ClosingTheWindowStopsTheSearchAtOnceAndEndsTheProgram) {
    searchUntilStopped();
    fake.onWait = [this] { w->Form_Unload(); };
    move(7, 7, 7, 6);
    EXPECT_TRUE(stopped);
    EXPECT_TRUE(w->exitRequested());
    EXPECT_EQ(w->g.moveNumber, 1);
}

// LEVEL4の強さ: one step checked at a time, kept in the settings file as one
// line that is left out at 最強, so the file is then as it was before.
TEST_F(StrongLevel, TheStrengthStepIsCheckedAndKept) {
    const auto fileText = [this] {
        std::ifstream in(w->settingsPath, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_TRUE(fake.checked("STRENGTH5"));
    const std::string before = fileText();
    w->menuCommand("STRENGTH2");
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(fake.checked("STRENGTH" + std::to_string(i)), i == 2) << i;
    EXPECT_NE(fileText().find(utf8ToCp932("LEVEL4の強さ=初級\r\n").value()), std::string::npos);

    FakePlatform other;
    other.platform.assetFolders = fake.platform.assetFolders;
    GameWindow again(other.platform);
    again.settingsPath = w->settingsPath;
    again.Form_Load();
    EXPECT_TRUE(other.checked("STRENGTH2"));
    EXPECT_FALSE(other.checked("STRENGTH5"));

    w->menuCommand("STRENGTH5");
    EXPECT_EQ(fileText(), before);
}

}  // namespace
}  // namespace xantu::testing
