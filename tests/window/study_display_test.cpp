// The move-list panel and the influence overlay, through the fake desktop.
#include <algorithm>
#include <array>

#include "influence/influence_map.h"
#include "window/menu_table.h"
#include "window_fixture.h"

namespace xantu::testing {
namespace {

// What a board square shows of the overlay since its picture was last
// painted: the upper side's count (top half) and the lower side's (bottom
// half), each as text and palette colour; empty when not shown.
struct SquareCounts {
    std::string com, man;
    int comColour = -1, manColour = -1;
};

SquareCounts countsOn(const FakePlatform& fake, int x, int y) {
    std::size_t from = fake.draws.size();
    while (from > 0) {
        const DrawCall& d = fake.draws[from - 1];
        if (d.kind == DrawCall::Picture && d.x == cellX(x) && d.y == cellY(y)) break;
        --from;
    }
    EXPECT_GT(from, 0u) << "square " << x << "," << y << " never painted";
    SquareCounts c;
    for (std::size_t i = from; i < fake.draws.size(); ++i) {
        const DrawCall& d = fake.draws[i];
        if (d.kind != DrawCall::Text || d.x < cellX(x) || d.x >= cellX(x + 1) || d.y < cellY(y) || d.y >= cellY(y + 1))
            continue;
        if (d.y < cellY(y + 0.5)) {
            c.com = d.text;
            c.comColour = d.code;
        } else {
            c.man = d.text;
            c.manColour = d.code;
        }
    }
    return c;
}

// Every square shows the counts of the survey of the board (nothing for 0).
void expectSurveyShown(const FakePlatform& fake, const Position& pos) {
    Position p = pos;
    InfluenceMap m;
    勢力調査(p, m);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const SquareCounts c = countsOn(fake, x, y);
            const int man = m.manInfluence[x][y], com = m.comInfluence[x][y];
            EXPECT_EQ(c.man, man > 0 ? std::to_string(man) : "") << x << "," << y;
            EXPECT_EQ(c.com, com > 0 ? std::to_string(com) : "") << x << "," << y;
        }
}

class StudyDisplay : public WindowTest {};

TEST_F(StudyDisplay, OverlayShowsTheSurveyAndFollowsTheBoardAbout) {
    load();
    // A lower rook on (5,9), the upper king on (5,5), an upper pawn on (5,2).
    Position p;
    p.board[5][9] = -kRook;
    p.board[5][5] = kKing;
    p.board[5][2] = kPawn;
    w->setPosition(p);
    w->menuOpened("OPTION");
    w->menuCommand("KIKI");
    EXPECT_TRUE(fake.checks.count("KIKI"));

    // Hand-checked: the rook's ray passes through the king up to the pawn.
    const SquareCounts s54 = countsOn(fake, 5, 4);  // rook; king and pawn
    EXPECT_EQ(s54.man, "1");
    EXPECT_EQ(s54.manColour, 9);
    EXPECT_EQ(s54.com, "2");
    EXPECT_EQ(s54.comColour, 4);                    // the side with more is darker
    const SquareCounts s58 = countsOn(fake, 5, 8);  // the rook alone
    EXPECT_EQ(s58.man, "1");
    EXPECT_EQ(s58.manColour, 1);
    EXPECT_EQ(s58.com, "");
    const SquareCounts s56 = countsOn(fake, 5, 6);  // rook and king: even
    EXPECT_EQ(s56.manColour, 9);
    EXPECT_EQ(s56.comColour, 12);
    EXPECT_EQ(countsOn(fake, 1, 1).man + countsOn(fake, 1, 1).com, "");
    expectSurveyShown(fake, w->pos);

    // 反転 turns the counts about with the board.
    w->menuOpened("STOP");
    w->menuCommand("REVERSE");
    EXPECT_EQ(countsOn(fake, 5, 6).com, "1");
    EXPECT_EQ(countsOn(fake, 5, 6).man, "2");
    expectSurveyShown(fake, w->pos);

    // Saved, and read back on the next start.
    w->menuCommand("KIKI");
    EXPECT_EQ(countsOn(fake, 5, 6).com + countsOn(fake, 5, 6).man, "");
    w->menuCommand("KIKI");
    GameWindow again(fake.platform);
    again.settingsPath = w->settingsPath;
    fake.checks.clear();
    again.Form_Load();
    EXPECT_TRUE(fake.checks.count("KIKI"));
    expectSurveyShown(fake, again.pos);
}

// A game of two humans, the overlay and the list on; moves by the mouse.
class MoveListGame : public WindowTest {
protected:
    // Five moves, the third a capture promoting with the right button.
    static void play(GameWindow& win, FakePlatform& desk) {
        win.menuCommand("START");
        const int script[][5] = {{3, 7, 3, 6, 1}, {7, 3, 7, 4, 1}, {2, 8, 8, 2, 2}, {7, 1, 8, 2, 1}, {3, 6, 3, 5, 1}};
        for (const auto& m : script) {
            desk.clockNow += 7;
            win.Form_MouseDown(1, 0, cellX(m[0]) + 100, cellY(m[1]) + 100);
            win.Form_MouseDown(m[4], 0, cellX(m[2]) + 100, cellY(m[3]) + 100);
        }
    }
    void clickRow(GameWindow& win, int row) {
        const double y = MoveListPanel::kFirstRowTop + (row - win.movePanel.top()) * MoveListPanel::kRowHeight + 50;
        win.Form_MouseDown(1, 0, MoveListPanel::kLeft + 500, y);
    }
    std::vector<std::string> panelTexts(std::size_t mark) const {
        std::vector<std::string> out;
        for (const DrawCall& d : fake.textsSince(mark))
            if (d.x >= MoveListPanel::kLeft && d.code != colourBlack) out.push_back(d.text);
        return out;
    }
};

TEST_F(MoveListGame, ListsTheMovesAndAClickStepsAsBackAndForward) {
    load();
    w->menuCommand("KIFU_LIST");
    w->menuCommand("KIKI");
    ASSERT_EQ(fake.area.first, MoveListPanel::kAreaWidth);
    play(*w, fake);
    ASSERT_EQ(w->moves.recordLength, 5);
    const std::size_t mark = fake.draws.size();
    w->描画_学習表示(true);
    const std::vector<std::string> texts = panelTexts(mark);
    for (const char* line : {"開始局面", "▲７六歩(77)", "△３四歩(33)", "▲２二角成(88)", "△同　銀(31)", "▲７五歩(76)"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), line), texts.end()) << line;

    // The same game in a second window, stepped with the menu.
    FakePlatform other;
    other.platform.assetFolders = fake.platform.assetFolders;
    GameWindow w2(other.platform);
    w2.settingsPath = (dir / "other.ini").string();
    w2.Form_Load();
    play(w2, other);
    auto same = [&] {
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) EXPECT_EQ(w->pos.board[x][y], w2.pos.board[x][y]);
        for (int k = 1; k <= kHandKinds; ++k) EXPECT_EQ(w->pos.ownHand[k], w2.pos.ownHand[k]);
        EXPECT_EQ(w->moves.recordLength, w2.moves.recordLength);
        EXPECT_EQ(w->g.moveNumber, w2.g.moveNumber);
        EXPECT_EQ(w->g.sideToMove, w2.g.sideToMove);
        EXPECT_EQ(w->g.paused, w2.g.paused);
        EXPECT_EQ(w->clk.manSeconds, w2.clk.manSeconds);
        EXPECT_EQ(w->clk.comSeconds, w2.clk.comSeconds);
        EXPECT_EQ(fake.sounds.size(), other.sounds.size());
        EXPECT_EQ(fake.dialogs.size(), other.dialogs.size());
        EXPECT_EQ(fake.timerOn, other.timerOn);
    };
    fake.clearLog();
    other.clearLog();
    clickRow(*w, 1);  // four moves back
    for (int i = 0; i < 4; ++i) w2.menuCommand("REPLAY");
    same();
    EXPECT_EQ(w->moves.recordLength, 1);
    EXPECT_EQ(fake.sounds.size(), 4u);
    expectSurveyShown(fake, w->pos);

    clickRow(*w, 5);  // and all the way forward again
    for (int i = 0; i < 4; ++i) w2.menuCommand("AFTER");
    same();
    EXPECT_EQ(w->moves.recordLength, 5);
    expectSurveyShown(fake, w->pos);

    clickRow(*w, 0);  // the starting Position
    for (int i = 0; i < 5; ++i) w2.menuCommand("REPLAY");
    same();
    EXPECT_EQ(w->moves.recordLength, 0);
}

TEST_F(MoveListGame, ALongListFollowsTheGameAndScrollsByThePage) {
    load();
    w->menuCommand("KIFU_LIST");
    w->menuCommand("START");
    // 28 king steps back and forth: more rows than the panel holds.
    for (int i = 0; i < 7; ++i)
        for (const auto& m :
             {std::array{5, 9, 5, 8}, std::array{5, 1, 5, 2}, std::array{5, 8, 5, 9}, std::array{5, 2, 5, 1}})
            move(m[0], m[1], m[2], m[3]);
    ASSERT_EQ(w->moves.recordLength, 28);
    const int rows = 29, lastTop = rows - MoveListPanel::kRows;
    EXPECT_EQ(w->movePanel.top(), lastTop);  // the newest move in view

    // ▲ above the list: a page up, nothing stepped.
    w->Form_MouseDown(1, 0, MoveListPanel::kAreaWidth - 300, 200);
    EXPECT_EQ(w->movePanel.top(), 0);
    EXPECT_EQ(w->moves.recordLength, 28);
    // A click on row 1 steps there; ▼ below the list pages down again.
    clickRow(*w, 1);
    EXPECT_EQ(w->moves.recordLength, 1);
    EXPECT_EQ(w->movePanel.top(), 0);
    w->Form_MouseDown(1, 0, MoveListPanel::kAreaWidth - 300,
                      MoveListPanel::kFirstRowTop + MoveListPanel::kRows * MoveListPanel::kRowHeight + 50);
    EXPECT_EQ(w->movePanel.top(), lastTop);
    EXPECT_EQ(w->moves.recordLength, 1);
    // The next step brings the current row back into view.
    w->menuCommand("AFTER");
    EXPECT_EQ(w->movePanel.top(), 0);
    // The wheel scrolls three rows a notch, and stops at the end.
    w->Form_MouseWheel(MoveListPanel::kLeft + 500, 2000, -1);
    EXPECT_EQ(w->movePanel.top(), 3);
    w->Form_MouseWheel(MoveListPanel::kLeft + 500, 2000, -20);
    EXPECT_EQ(w->movePanel.top(), lastTop);
    EXPECT_EQ(w->moves.recordLength, 2);
}

// A tall window puts the list below the board, in columns, and the area
// grows downward instead of sideways; the window's usual shapes keep it
// beside the board.
TEST_F(MoveListGame, ATallWindowHasTheListBelowTheBoard) {
    load();
    w->Form_Resize(613, 533);
    w->menuCommand("KIFU_LIST");
    ASSERT_EQ(fake.area, std::make_pair(MoveListPanel::kAreaWidth, kWindowHeightTwips));
    play(*w, fake);

    const std::size_t mark = fake.draws.size();
    w->Form_Resize(600, 1000);
    EXPECT_EQ(fake.area, std::make_pair(kWindowWidthTwips, MoveListPanel::kBelowAreaHeight));
    // The whole window again, the list under the board's usual bottom edge.
    bool board = false, below = false, beside = false;
    for (const DrawCall& d : fake.textsSince(mark)) {
        below |= d.text == "▲７五歩(76)" && d.y > kWindowHeightTwips && d.x < kWindowWidthTwips;
        beside |= d.x >= MoveListPanel::kLeft;
    }
    for (std::size_t i = mark; i < fake.draws.size(); ++i) board |= fake.draws[i].kind == DrawCall::Picture;
    EXPECT_TRUE(board);
    EXPECT_TRUE(below);
    EXPECT_FALSE(beside);
    // A click on a line there steps to it: row 2 is the first column's third line.
    w->Form_MouseDown(1, 0, MoveListPanel::kBelowLeft + 500,
                      MoveListPanel::kBelowTop + 440 + 2 * MoveListPanel::kRowHeight + 50);
    EXPECT_EQ(w->moves.recordLength, 2);
    // Only clearly tall counts; back to a wide window, the list is beside the board.
    w->Form_Resize(600, 700);
    EXPECT_EQ(fake.area.second, MoveListPanel::kBelowAreaHeight);
    w->Form_Resize(800, 600);
    EXPECT_EQ(fake.area, std::make_pair(MoveListPanel::kAreaWidth, kWindowHeightTwips));
}

TEST_F(MoveListGame, AResignedGameEndsTheListWithItsResult) {
    load();
    w->menuCommand("KIFU_LIST");
    play(*w, fake);
    w->menuOpened("TAIKYOKU");
    w->menuCommand("TOURYOU");  // 後手, to move, resigns
    const std::size_t mark = fake.draws.size();
    w->描画_学習表示(true);
    const std::vector<std::string> texts = panelTexts(mark);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back(), "先手の勝ち（投了）");
}

}  // namespace
}  // namespace xantu::testing
