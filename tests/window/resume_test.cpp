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

namespace fs = std::filesystem;

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
    const ResumeState before{w->g, w->pos, w->moves, 保存用時計(w->clk), w->turn};
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
    EXPECT_TRUE(r.g == expected);
    EXPECT_TRUE(sameBytes(r.pos, before.position));
    EXPECT_TRUE(sameBytes(r.turn, before.turn));
    EXPECT_EQ(作成_再開ファイル({r.g, r.pos, r.moves, 保存用時計(r.clk), r.turn}),
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
    EXPECT_EQ(again->w->g.opponent.level, 4);
    EXPECT_TRUE(again->fake.checked("LEVEL4"));
    EXPECT_FALSE(again->fake.checked("LEVEL3"));
}

// A kept file that cannot be used is never deleted: it is set aside under a
// name the message gives (a newer version's file stays where it is), and a
// damaged one offers the file written before it.
TEST_F(ResumeStart, UnusableFilesAreKeptAsideAndNamed) {
    load();
    w->menuCommand("START");
    for (unsigned i = 0; i < 3; ++i) clickSomeMove(*w, i);
    const std::string prevGood = 作成_再開ファイル({w->g, w->pos, w->moves, 保存用時計(w->clk), w->turn});
    clickSomeMove(*w, 3);
    const std::string good = 作成_再開ファイル({w->g, w->pos, w->moves, 保存用時計(w->clk), w->turn});
    ASSERT_EQ(解析_再開ファイル(good).status, ResumeReadStatus::Ok);
    // An edit with a checksum made for it: only the reader's other checks can catch it.
    auto replace = [](std::string text, const std::string& from, const std::string& to) {
        text.replace(text.find(from), from.size(), to);
        return ResumeWriter::seal(text.substr(0, text.rfind("check ")));
    };
    std::string flipped = good;
    flipped[good.size() / 3] ^= 0x04;  // one bit, somewhere in the middle
    std::string crlf;
    for (const char c : good) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    ResumeState impossible{w->g, w->pos, w->moves, 保存用時計(w->clk), w->turn};
    impossible.position.board[5][5] = kKing;  // a second king of the upper side
    struct Case {
        std::string text;
        const char* message;  // its first line; empty: the game is offered
        bool keptAside;
    };
    const std::string damaged = "前回の対局の記録が壊れています";
    const std::string ours = "XantuResume " + std::to_string(kResumeVersionBuiltIn);
    const std::string newer = "XantuResume " + std::to_string(kResumeVersion + 1);
    const Case cases[] = {
        {good.substr(0, good.size() / 2), damaged.c_str(), true},               // cut short
        {std::string("\x89\x00\xff garbage \x01", 13), damaged.c_str(), true},  // random bytes
        {flipped, damaged.c_str(), true},                                       // a flipped bit
        {replace(good, ours, "XantuResume 0"), damaged.c_str(), true},          // no version of ours
        {作成_再開ファイル(impossible), damaged.c_str(), true},                 // a Position that cannot stand
        {replace(good, "\nend", "\nentry 1 2 3\nend"), damaged.c_str(), true},  // more than it says
        {replace(good, ours, newer), "新しい版で保存された対局です", false},    // left in place
        {crlf, "", false},                                                      // edited elsewhere
        {"\xEF\xBB\xBF" + good, "", false},                                     // with a BOM
    };
    const fs::path prev = w->resumePath().string() + ".prev";
    for (const Case& c : cases) {
        for (const auto& e : fs::directory_iterator(dir))
            if (e.path().filename().string().find(".resume") != std::string::npos) fs::remove(e.path());
        std::ofstream(w->resumePath(), std::ios::binary) << c.text;
        auto run = restart(kMsgNo);
        ASSERT_EQ(run->fake.dialogs.size(), 1u) << c.message;
        const std::string& text = run->fake.dialogs[0].text;
        EXPECT_EQ(run->fake.dialogs[0].title, "再開");
        if (*c.message == 0) {
            EXPECT_EQ(text, "前回の対局を続けますか？");
            continue;
        }
        EXPECT_EQ(text.rfind(c.message, 0), 0u) << text;
        EXPECT_EQ(run->w->g.sideToMove, 0);
        EXPECT_EQ(fs::exists(w->resumePath()), !c.keptAside);
        if (!c.keptAside) continue;
        std::vector<fs::path> aside;
        for (const auto& e : fs::directory_iterator(dir))
            if (e.path().filename().string().find(".resume.unreadable-") != std::string::npos)
                aside.push_back(e.path());
        ASSERT_EQ(aside.size(), 1u);
        EXPECT_NE(text.find(aside[0].string()), std::string::npos) << text;  // the message names it
    }

    // A damaged file with the one before it: that one is offered and plays on.
    std::ofstream(w->resumePath(), std::ios::binary) << flipped;
    std::ofstream(prev, std::ios::binary) << prevGood;
    auto run = restart(kMsgYes);
    ASSERT_EQ(run->fake.dialogs.size(), 1u);
    EXPECT_NE(run->fake.dialogs[0].text.find("最後の手が失われている可能性があります"), std::string::npos);
    EXPECT_EQ(run->w->g.moveNumber, 解析_再開ファイル(prevGood).state.game.moveNumber);
    EXPECT_TRUE(fs::exists(w->resumePath()));  // kept again at once

    // A folder where the file should be: said once at the start, and once
    // when the game cannot be kept; the game goes on, and the mark shows.
    fs::remove(w->resumePath());
    fs::remove(prev);
    fs::create_directories(w->resumePath() / "x");
    auto blocked = restart(kMsgYes);
    ASSERT_EQ(blocked->fake.dialogs.size(), 1u);
    EXPECT_EQ(blocked->fake.dialogs[0].text.rfind("前回の対局を読めません（ファイルを開けません）", 0), 0u);
    blocked->w->menuCommand("START");
    for (unsigned i = 0; i < 3; ++i) clickSomeMove(*blocked->w, i);
    EXPECT_EQ(blocked->w->g.moveNumber, 3);
    auto failures = [&blocked] {
        int n = 0;
        for (const Dialog& d : blocked->fake.dialogs) n += d.text.rfind("対局を自動保存できません：", 0) == 0;
        return n;
    };
    EXPECT_EQ(failures(), 1);
    auto badge = [&blocked] {
        for (const Mark& m : blocked->fake.marks)
            if (m.text == "未保存") return true;
        return false;
    };
    EXPECT_TRUE(badge());
    // Room again: the next move keeps the game and the mark goes.
    fs::remove_all(w->resumePath());
    clickSomeMove(*blocked->w, 4);
    EXPECT_TRUE(fs::exists(w->resumePath()));
    EXPECT_FALSE(badge());
    EXPECT_EQ(failures(), 1);
}

}  // namespace
}  // namespace xantu::testing
