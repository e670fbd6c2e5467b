// Quitting in the middle of a game and starting again: the kept game comes
// back whole and plays on exactly as if the program had never stopped.
#include <cstring>
#include <fstream>
#include <tuple>
#include <type_traits>
#include <vector>

#include "core/legal_moves.h"
#include "window_fixture.h"

namespace xantu::testing {
namespace {

// Clicks a legal board move of the side to move (the pick-th, counting round
// the board), never one that takes a king or must promote. At the
// computer's turn a click off the board first lets the computer move.
void clickSomeMove(GameWindow& w, unsigned pick) {
    auto clickCell = [&w](double x, double y) {
        w.Form_MouseDown(1, 0, cellX(x) + squareWidth / 2, cellY(y) + squareHeight / 2);
    };
    if (w.g.vsComputer == 1 && w.g.sideToMove == w.g.comSide) clickCell(5, 10);
    if (w.g.winnerSide != 0) return;
    const Side mover = w.g.sideToMove == w.g.manSide ? Side::Lower : Side::Upper;
    std::vector<Move> found;
    for (const Move& m : legalMoves(w.pos, mover))
        if (!m.isDrop() && !m.promotes && absCode(w.pos.board[m.toX][m.toY]) != kKing) found.push_back(m);
    ASSERT_FALSE(found.empty());
    const Move m = found[pick % found.size()];
    clickCell(m.fromX, m.fromY);
    clickCell(m.toX, m.toY);
}

template <typename T>
bool sameBytes(const T& a, const T& b) {
    static_assert(std::has_unique_object_representations_v<T>);
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

enum class Stop { HumansTurn, BackOnce, BackTwiceForwardOnce, Reversed };
// Level (0: two humans), whether the human starts (two humans: whether
// 先手 is to move), where the game is left.
using Case = std::tuple<int, bool, Stop>;

class Resume : public WindowTest, public ::testing::WithParamInterface<Case> {
protected:
    // A second start of the program on the same settings folder.
    struct Run {
        FakePlatform fake;
        std::unique_ptr<GameWindow> w;
    };
    std::unique_ptr<Run> restart(int answer) {
        auto run = std::make_unique<Run>();
        run->fake.platform.assetFolders = fake.platform.assetFolders;
        run->fake.answers.push_back(answer);
        run->w = std::make_unique<GameWindow>(run->fake.platform);
        run->w->settingsPath = w->settingsPath;
        run->w->Form_Load();
        run->fake.setChecked("NARI_KAKUNIN", false);  // as load() leaves the first run
        run->w->再開_確認();
        return run;
    }
};

TEST_P(Resume, QuitThenContinueAsIfNeverStopped) {
    const auto [level, humanFirst, stop] = GetParam();
    load();
    if (level == 0) {
        w->menuCommand("START");
    } else {
        w->menuCommand("LEVEL" + std::to_string(level));
        w->menuCommand(humanFirst ? "SENTE" : "GOTE");
    }
    // Two humans: stop at 先手's turn, or (the second case) at 後手's.
    const unsigned opening = level == 0 && !humanFirst ? 5 : 4;
    for (unsigned i = 0; i < opening; ++i) clickSomeMove(*w, i * 7 + 3);
    switch (stop) {
    case Stop::HumansTurn: break;
    case Stop::BackOnce: w->menuCommand("REPLAY"); break;  // against the computer: its paused turn
    case Stop::BackTwiceForwardOnce:
        w->menuCommand("REPLAY");
        w->menuCommand("REPLAY");
        w->menuCommand("AFTER");
        break;
    case Stop::Reversed: w->menuCommand("REVERSE"); break;
    }
    ASSERT_EQ(w->g.winnerSide, 0);
    const ResumeState before{w->g, w->pos, w->moves, w->clk, w->turn};
    w->Form_Unload();
    ASSERT_TRUE(std::filesystem::exists(w->resumePath()));

    auto again = restart(kMsgYes);
    GameWindow& r = *again->w;
    ASSERT_EQ(again->fake.dialogs.size(), 1u);
    EXPECT_EQ(again->fake.dialogs[0].text, "前回の対局を続けますか？");
    EXPECT_EQ(again->fake.dialogs[0].title, "再開");
    // Everything as it was, but paused as after 戻 or 進.
    GameState expected = before.game;
    expected.paused = 1;
    expected.selectPhase = 0;
    EXPECT_TRUE(sameBytes(r.g, expected));
    EXPECT_TRUE(sameBytes(r.pos, before.position));
    EXPECT_TRUE(sameBytes(r.turn, before.turn));
    EXPECT_EQ(作成_再開ファイル({r.g, r.pos, r.moves, r.clk, r.turn}),
              作成_再開ファイル({expected, before.position, before.moves, before.clocks, before.turn}));
    EXPECT_EQ(r.gameInfo.senteName, w->gameInfo.senteName);  // "コンピュータ LEVEL3": a blank kept
    EXPECT_EQ(r.gameInfo.startDateTime, w->gameInfo.startDateTime);
    EXPECT_FALSE(again->fake.timerOn);
    EXPECT_EQ(again->fake.pictureAt(5, 9), r.pos.board[5][9]);
    if (level != 0) {
        EXPECT_TRUE(again->fake.checked("LEVEL" + std::to_string(level)));
    }

    // The same moves on both boards give the same game, the computer's replies included.
    for (unsigned i = 0; i < 3 && w->g.winnerSide == 0; ++i) {
        clickSomeMove(*w, i * 5 + 1);
        clickSomeMove(r, i * 5 + 1);
        ASSERT_TRUE(sameBytes(r.pos, w->pos)) << "after continued move " << i;
        EXPECT_EQ(r.g.moveNumber, w->g.moveNumber);
        EXPECT_EQ(r.g.sideToMove, w->g.sideToMove);
        EXPECT_EQ(r.g.winnerSide, w->g.winnerSide);
    }
}

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    const auto [level, humanFirst, stop] = info.param;
    static const char* const stops[] = {"HumansTurn", "BackOnce", "BackForward", "Reversed"};
    return (level == 0 ? std::string(humanFirst ? "TwoHumansSente" : "TwoHumansGote")
                       : "Level" + std::to_string(level) + (humanFirst ? "Sente" : "Gote")) +
           stops[static_cast<int>(stop)];
}

INSTANTIATE_TEST_SUITE_P(Games, Resume,
                         ::testing::Combine(::testing::Values(0, 1, 2, 3), ::testing::Bool(),
                                            ::testing::Values(Stop::HumansTurn, Stop::BackOnce,
                                                              Stop::BackTwiceForwardOnce, Stop::Reversed)),
                         caseName);

// The same starts, outside the list of games above.
class ResumeStart : public Resume {};

TEST_F(ResumeStart, NoStartsAsUsualAndAFinishedGameLeavesNothing) {
    load();
    w->menuCommand("START");
    clickSomeMove(*w, 0);
    w->Form_Unload();
    auto declined = restart(kMsgNo);
    EXPECT_EQ(declined->w->g.sideToMove, 0);
    EXPECT_EQ(declined->w->g.moveNumber, 0);
    EXPECT_FALSE(std::filesystem::exists(w->resumePath()));

    // Back to the start (最初): nothing left to continue.
    load();
    w->menuCommand("START");
    clickSomeMove(*w, 0);
    ASSERT_TRUE(std::filesystem::exists(w->resumePath()));
    w->menuCommand("CANCEL");
    EXPECT_FALSE(std::filesystem::exists(w->resumePath()));
}

// LEVEL4 thinks for a set time and learns as a game goes, so its moves are
// not replayed here; the level itself comes back.
TEST_F(ResumeStart, TheStrongLevelComesBack) {
    load();
    w->menuCommand("LEVEL4");
    w->menuCommand("SENTE");
    w->Form_Unload();
    auto again = restart(kMsgYes);
    EXPECT_EQ(again->w->g.comLevel, 4);
    EXPECT_TRUE(again->fake.checked("LEVEL4"));
    EXPECT_FALSE(again->fake.checked("LEVEL3"));
}

TEST_F(ResumeStart, UnusableFilesAreDiscardedWithOneMessage) {
    load();
    w->menuCommand("START");
    for (unsigned i = 0; i < 3; ++i) clickSomeMove(*w, i);
    const std::string good = 作成_再開ファイル({w->g, w->pos, w->moves, w->clk, w->turn});
    ASSERT_EQ(解析_再開ファイル(good).status, ResumeReadStatus::Ok);
    // An edit with a checksum made for it: only the reader's other checks can catch it.
    auto replace = [](std::string text, const std::string& from, const std::string& to) {
        text.replace(text.find(from), from.size(), to);
        return ResumeWriter::seal(text.substr(0, text.rfind("check ")));
    };
    ResumeState impossible{w->g, w->pos, w->moves, w->clk, w->turn};
    impossible.position.board[5][5] = kKing;  // a second king of the upper side
    const std::string twoKings = 作成_再開ファイル(impossible);
    const std::string hostile[] = {
        good.substr(0, good.size() / 2),                  // cut short
        std::string("\x89\x00\xff garbage \x01", 13),     // random bytes
        replace(good, "XantuResume 2", "XantuResume 0"),  // no version of this program
        twoKings,                                         // a Position that cannot stand
        replace(good, "moves 3 2 4", "moves 3 1 4"),      // a move list that does not fit
        replace(good, "\nend", "\nentry 1 2 3\nend"),     // more than it says
    };
    for (const std::string& text : hostile) {
        std::ofstream(w->resumePath(), std::ios::binary) << text;
        auto run = restart(kMsgYes);
        ASSERT_EQ(run->fake.dialogs.size(), 1u) << text.substr(0, 40);
        EXPECT_EQ(run->fake.dialogs[0].title, "再開");
        EXPECT_EQ(run->fake.dialogs[0].buttons, MsgButtons::Ok);
        EXPECT_EQ(run->w->g.sideToMove, 0);
        EXPECT_FALSE(std::filesystem::exists(w->resumePath()));
    }
}

}  // namespace
}  // namespace xantu::testing
