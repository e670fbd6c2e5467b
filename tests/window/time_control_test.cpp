// A timed game of two people on the fake desktop's clock: the 持ち時間
// dialog and its settings, main time running into byoyomi, an increment,
// stepping back and forth, and a loss on time.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <fstream>
#include <iterator>
#include <thread>

#include "clock/elapsed_time.h"
#include "core/cp932.h"
#include "core/legal_moves.h"
#include "window_fixture.h"

namespace xantu::testing {
namespace {

class TimedGame : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        load();
        // 先手 (the lower side): 1 minute + 10 s byoyomi; 後手: 1 minute + 5 s a move.
        fake.timeAnswer = TimeControls{{TimeKind::Byoyomi, 1, 10}, {TimeKind::Increment, 1, 5}};
        w->menuCommand("JIKAN");
        w->menuCommand("START");
    }
    // The last text drawn where the lower side's clock stands, and its colour.
    DrawCall lowerClock() const {
        for (auto it = fake.draws.rbegin(); it != fake.draws.rend(); ++it)
            if (it->kind == DrawCall::Text && it->x == cellX(13.0) && it->y == cellY(9.2)) return *it;
        return {};
    }
    void tick(double seconds) {
        fake.clockNow += seconds;
        w->Timer1_Timer();
    }
};

TEST_F(TimedGame, ByoyomiAfterTheMainTimeThenLostOnTime) {
    // The dialog's choice is kept in the settings file for the next start.
    std::ifstream in(w->settingsPath, std::ios::binary);
    const std::string file{std::istreambuf_iterator<char>(in), {}};
    EXPECT_NE(file.find(utf8ToCp932("持ち時間MAN=1分＋秒読み10秒\r\n持ち時間COM=1分＋加算5秒\r\n").value()),
              std::string::npos);
    EXPECT_TRUE(fake.timerOn);  // runs for the game even if 経過時間 were off

    tick(50.2);
    EXPECT_EQ(lowerClock().text, "00:00:10");
    EXPECT_EQ(lowerClock().code, colourYellow);  // the side to move
    move(3, 7, 3, 6);
    EXPECT_NEAR(w->調査_残り持ち時間(kSente), 9.8, 1e-9);
    // 後手 takes 3 s and gets 5 back.
    tick(3);
    move(7, 3, 7, 4);
    EXPECT_NEAR(w->調査_残り持ち時間(kGote), 62, 1e-9);
    EXPECT_EQ(lowerClock().code, colourYellow);

    // 先手's main time runs out into the byoyomi, counted on its own; its
    // last seconds are red and tick.
    tick(9.8 + 4.5);
    EXPECT_EQ(lowerClock().text, "秒読み6");
    EXPECT_EQ(lowerClock().code, colourLightRed);
    ASSERT_NE(w->tickSound, 0);
    EXPECT_EQ(fake.sounds.back(), play(w->tickSound));

    // Stepping back pauses the clocks and shows those of the Position shown.
    w->menuCommand("REPLAY");
    EXPECT_FALSE(fake.timerOn);
    EXPECT_NEAR(w->調査_残り持ち時間(kGote), 60, 1e-9);
    w->menuCommand("AFTER");
    EXPECT_NEAR(w->調査_残り持ち時間(kGote), 62, 1e-9);
    EXPECT_NEAR(w->調査_残り持ち時間(kSente), 9.8, 1e-9);
    // A click resumes: the turn starts afresh with the whole period.
    fake.clearLog();
    w->Form_MouseDown(1, 0, cellX(5) + 10, cellY(5) + 10);
    EXPECT_EQ(lastDialog(), "先手の番です");
    tick(9.8 + 10);
    EXPECT_EQ(lowerClock().text, "秒読み0");
    EXPECT_EQ(w->g.winnerSide, 0);
    tick(0.05);
    EXPECT_EQ(w->g.winnerSide, kGote);
    EXPECT_EQ(lastDialog(), "時間切れで後手の勝ちです");
    EXPECT_EQ(lowerClock().text, "秒読み0");  // not the period it began with
    EXPECT_FALSE(fake.timerOn);
    EXPECT_EQ(w->結果行(), "後手の勝ち（時間切れ）");

    // The KIF says what clocks were played with; read back, it shows them.
    const std::string kif = (dir / "timed.kifu").string();
    fake.chosenFiles = {kif, kif};
    w->menuCommand("KIF_WRITE");
    std::ifstream written(kif, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(written), {}};
    EXPECT_NE(text.find("持ち時間：先手1分＋秒読み10秒 後手1分＋加算5秒\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("切れ負け\r\nまで2手で後手の勝ち"), std::string::npos) << text;
    fake.answers = {kMsgYes, kMsgYes};
    w->menuCommand("KIF_READ");
    EXPECT_EQ(w->gameInfo.timeControl, "先手1分＋秒読み10秒 後手1分＋加算5秒");
    bool shown = false;
    for (const DrawCall& d : fake.draws) shown |= d.text == "持ち時間：先手1分＋秒読み10秒 後手1分＋加算5秒";
    EXPECT_TRUE(shown);
}

// Quitting in the middle of a timed game: the next start plays on with the
// controls the game began with (the settings may say otherwise by then) and
// the time each side had left.
TEST_F(TimedGame, ResumedGameKeepsItsControlsAndTimeLeft) {
    const TimeControls played = *fake.timeAnswer;
    tick(12);
    move(3, 7, 3, 6);
    tick(3);
    w->gameInfo.hints = 2;  // as if ヒント had been asked twice
    move(7, 3, 7, 4);
    tick(20);
    fake.timeAnswer = TimeControls{};
    w->menuCommand("JIKAN");

    FakePlatform next;
    next.platform.assetFolders = fake.platform.assetFolders;
    next.answers.push_back(kMsgYes);
    GameWindow again(next.platform);
    again.settingsPath = w->settingsPath;
    again.Form_Load();
    again.再開_確認();
    EXPECT_EQ(again.clk.control, played);
    EXPECT_NE(again.tickSound, 0);
    EXPECT_NEAR(again.調査_残り持ち時間(kSente), 48, 1e-9);
    EXPECT_NEAR(again.調査_残り持ち時間(kGote), 62, 1e-9);
    // What its KIF will say besides the moves comes back too.
    EXPECT_FALSE(again.gameInfo.timeControl.empty());
    EXPECT_EQ(again.gameInfo.timeControl, w->gameInfo.timeControl);
    EXPECT_EQ(again.gameInfo.hints, 2);
    // Play goes on from a click: 先手's main time runs out into its byoyomi.
    again.Form_MouseDown(1, 0, cellX(5) + 10, cellY(5) + 10);
    next.clockNow += 50;
    again.Timer1_Timer();
    const ClockReading r = again.時計_読み(kSente);
    EXPECT_TRUE(r.inByoyomi);
    EXPECT_NEAR(r.byoyomi, 8, 1e-9);
}

// 待った against the computer gives back the time of the two moves taken
// back: both clocks read what they read before the human's move.
TEST_F(TimedGame, TakingBackRestoresTheClocks) {
    w->menuCommand("LEVEL1");
    w->menuCommand("SENTE");
    tick(7);
    move(7, 7, 7, 6);
    const double man = w->調査_残り持ち時間(kSente), com = w->調査_残り持ち時間(kGote);
    tick(30);
    move(2, 7, 2, 6);
    ASSERT_EQ(w->g.moveNumber, 4);
    EXPECT_LT(w->調査_残り持ち時間(kSente), man - 29);
    w->menuCommand("MATTA");
    EXPECT_EQ(w->g.moveNumber, 2);
    EXPECT_NEAR(w->調査_残り持ち時間(kSente), man, 1e-9);
    EXPECT_NEAR(w->調査_残り持ち時間(kGote), com, 1e-9);
    // The human's turn starts afresh from the restored time.
    tick(2);
    EXPECT_EQ(lowerClock().text, 調査_時間秒追加結果(std::ceil(man - 2)));
    EXPECT_NEAR(w->時計_読み(kSente).main, man - 2, 1e-9);
}

// While the computer's check is announced the turn has not yet passed: each
// clock still shows its own side's time, and both are right once it has.
TEST_F(TimedGame, EachClockShowsItsOwnTimeWhileTheComputersCheckIsAnnounced) {
    w->menuCommand("LEVEL4");
    w->menuCommand("SENTE");
    // The computer's pawn takes on 7七 and promotes: a check along the diagonal.
    w->strongThink = [](const Position& p, const std::atomic<bool>&) {
        Thought t;
        for (const Move& m : legalMoves(p, Side::Upper))
            if (m.fromX == 3 && m.fromY == 3 && m.toX == 3 && m.toY == 7 && m.promotes) t.move = m;
        t.hasMove = t.move.toX != 0;
        return t;
    };
    // The window's waits take a little real time, as on a desktop, so that
    // the search's thread answers within a few of them.
    fake.onWait = [] { std::this_thread::sleep_for(std::chrono::milliseconds(1)); };
    tick(2);
    move(7, 7, 7, 4);
    const auto check = std::find_if(fake.dialogs.begin(), fake.dialogs.end(),
                                    [](const Dialog& d) { return d.text.find("王手") != std::string::npos; });
    ASSERT_NE(check, fake.dialogs.end());
    const auto clockBefore = [&](double x, std::size_t end) {
        for (std::size_t i = end; i-- > 0;)
            if (fake.draws[i].kind == DrawCall::Text && fake.draws[i].x == cellX(x) && fake.draws[i].y == cellY(9.2))
                return fake.draws[i].text;
        return std::string();
    };
    EXPECT_EQ(clockBefore(13.0, check->drawsBefore), "00:00:58");
    EXPECT_NE(clockBefore(-1.6, check->drawsBefore), "00:00:58");
    // The turn has passed: 後手 has its increment.
    EXPECT_EQ(clockBefore(13.0, fake.draws.size()), "00:00:58");
    EXPECT_GT(w->調査_残り持ち時間(kGote), 64);
    EXPECT_EQ(clockBefore(-1.6, fake.draws.size()), 調査_時間秒追加結果(std::ceil(w->調査_残り持ち時間(kGote))));
}

}  // namespace
}  // namespace xantu::testing
