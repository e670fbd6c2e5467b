// A whole game of two humans played with the mouse through the fake desktop.
#include <cmath>

#include "window_fixture.h"

namespace xantu::testing {
namespace {

class TwoHumansGame : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        load();
        w->menuCommand("SIDOU");  // guidance on: reachable squares outlined in white
        w->menuCommand("START");
        ASSERT_EQ(lastDialog(), "先手の番です");
        fake.clearLog();
    }
    // The notation texts drawn since the mark, bright copies only.
    std::vector<DrawCall> notation(std::size_t mark) const {
        std::vector<DrawCall> out;
        for (const DrawCall& d : fake.textsSince(mark))
            if (d.code == colourWhite && d.size == 12) out.push_back(d);
        return out;
    }
};

TEST_F(TwoHumansGame, FromStartToACapturedKing) {
    const std::int32_t forbidden = w->forbiddenSound, piece = w->pieceSound;
    ASSERT_NE(forbidden, 0);
    ASSERT_NE(piece, 0);

    // 1. Lower pawn up the file, capturing and promoting with the right button.
    click(5, 7);
    EXPECT_EQ(fake.outlineAt(5, 7), colourSelect);
    EXPECT_EQ(fake.outlineAt(5, 4), colourWhite);  // reachable: the pawn moves like a rook
    EXPECT_EQ(fake.outlineAt(5, 3), colourWhite);
    EXPECT_EQ(fake.outlineAt(5, 2), outlineColour);
    std::size_t mark = fake.draws.size();
    click(5, 3, 2);
    EXPECT_EQ(w->pos.board[5][3], -kPromPawn);
    EXPECT_EQ(w->pos.ownHand[1], 1);
    EXPECT_EQ(fake.pictureAt(5, 3), -kPromPawn);
    EXPECT_EQ(fake.pictureAt(11, 3), -kPawn);  // the captured pawn in the lower hand
    EXPECT_EQ(fake.sounds.back(), play(piece));
    EXPECT_EQ(w->g.moveNumber, 1);
    EXPECT_EQ(w->g.sideToMove, kGote);
    {
        const auto texts = notation(mark);
        ASSERT_GE(texts.size(), 4u);
        // Counter "1" at (13.2, 3.3), then the move "５三奔" right of the board.
        EXPECT_EQ(texts[0].text, "1");
        EXPECT_DOUBLE_EQ(texts[0].x, cellX(13.2));
        const auto n = texts.size();
        EXPECT_EQ(texts[n - 3].text, "５");
        EXPECT_EQ(texts[n - 2].text, "三");
        EXPECT_EQ(texts[n - 1].text, "奔");
        EXPECT_DOUBLE_EQ(texts[n - 3].x, cellX(12.4));
        EXPECT_DOUBLE_EQ(texts[n - 3].y, cellY(2.4));
    }

    // 2. The upper pawn takes the promoted pawn sideways; it returns unpromoted.
    move(4, 3, 5, 3);
    EXPECT_EQ(w->pos.board[5][3], kPawn);
    EXPECT_EQ(w->pos.enemyHand[1], 1);
    EXPECT_EQ(fake.pictureAt(-1, 7), kPawn);

    // 3. Two pawns on file 1: refused. Then a drop on file 5.
    click(11, 3);
    EXPECT_EQ(fake.outlineAt(11, 3), colourSelect);
    click(1, 5);
    EXPECT_EQ(fake.sounds.back(), play(forbidden));
    EXPECT_EQ(w->pos.board[1][5], kEmpty);
    EXPECT_EQ(w->g.selectPhase, 0);
    EXPECT_EQ(w->g.sideToMove, kSente);
    move(11, 3, 5, 5);
    EXPECT_EQ(w->pos.board[5][5], -kPawn);
    EXPECT_EQ(w->pos.ownHand[1], 0);
    EXPECT_EQ(fake.pictureAt(11, 3), kEmpty);

    // 4. Upper pawn runs down file 1 and takes; 5. the lance takes back.
    move(1, 3, 1, 7);
    EXPECT_EQ(w->pos.board[1][7], kPawn);  // a left click never promotes
    move(1, 9, 1, 7);
    EXPECT_EQ(w->pos.board[1][7], -kLance);
    // 6.
    move(9, 3, 9, 4);

    // 7. The lance must promote on rank 1: the left button is refused.
    const std::size_t dialogsBefore = fake.dialogs.size();
    move(1, 7, 1, 1);
    ASSERT_EQ(fake.dialogs.size(), dialogsBefore + 1);
    EXPECT_EQ(fake.dialogs.back().text, "マウスの右をクリックして下さい");
    EXPECT_EQ(fake.dialogs.back().title, "成り");
    EXPECT_EQ(fake.sounds.back(), play(forbidden));
    EXPECT_EQ(w->pos.board[1][1], kLance);
    EXPECT_EQ(w->g.selectPhase, 1);  // still selected
    click(1, 1, 2);
    EXPECT_EQ(w->pos.board[1][1], -kPromLance);
    EXPECT_EQ(w->pos.ownHand[2], 1);

    // 8-11. The pawn goes up file 5 and takes the king.
    move(9, 4, 9, 5);
    move(5, 5, 5, 3);
    move(9, 5, 9, 6);
    move(5, 3, 5, 1);
    EXPECT_EQ(w->g.winnerSide, w->g.manSide);
    EXPECT_EQ(lastDialog(), "先手の勝ちです");
    EXPECT_EQ(w->screen.shownResult(), "先手の勝ち（王を取る）");
    EXPECT_EQ(fake.dialogs.back().title, "終了");
    EXPECT_EQ(w->g.moveNumber, 11);
    EXPECT_EQ(w->moves.recordLength, 11);
    EXPECT_TRUE(w->pos.ok());
    // The winning move stays outlined; nobody is to move any more.
    ASSERT_EQ(fake.marks.size(), 2u);
    EXPECT_EQ(fake.marks[1].kind, Mark::Kind::Square);
    EXPECT_DOUBLE_EQ(fake.marks[1].x1, cellX(5));
    EXPECT_DOUBLE_EQ(fake.marks[1].y1, cellY(1));

    // Any click afterwards asks for a new game.
    click(5, 5);
    EXPECT_EQ(lastDialog(), "新規に対局してください");
    EXPECT_EQ(fake.marks.size(), 2u);
}

TEST_F(TwoHumansGame, TurnMarkAndLastMoveFollowTheGame) {
    auto squares = [this] {
        std::vector<std::pair<int, int>> out;
        for (const Mark& m : fake.marks)
            if (m.kind == Mark::Kind::Square)
                out.push_back({int((m.x1 - boardLeft) / squareWidth), int((m.y1 - boardTop) / squareHeight)});
        return out;
    };
    auto badgeLeft = [this] {
        for (const Mark& m : fake.marks)
            if (m.kind == Mark::Kind::Badge) return m.x1;
        return -1.0;
    };
    // 先手 (the lower side) to move: its mark beside its clock on the right.
    EXPECT_TRUE(squares().empty());
    EXPECT_DOUBLE_EQ(badgeLeft(), cellX(13));

    move(7, 7, 7, 4);
    EXPECT_EQ(squares(), (std::vector<std::pair<int, int>>{{7, 7}, {7, 4}}));
    EXPECT_DOUBLE_EQ(badgeLeft(), cellX(-1.6));
    // A click that only selects changes nothing.
    click(3, 3);
    EXPECT_EQ(squares(), (std::vector<std::pair<int, int>>{{7, 7}, {7, 4}}));

    w->menuCommand("REPLAY");
    EXPECT_TRUE(squares().empty());
    EXPECT_DOUBLE_EQ(badgeLeft(), cellX(13));
    w->menuCommand("AFTER");
    EXPECT_EQ(squares(), (std::vector<std::pair<int, int>>{{7, 7}, {7, 4}}));

    // A capture: the square left and the square taken.
    move(7, 3, 7, 4);
    EXPECT_EQ(squares(), (std::vector<std::pair<int, int>>{{7, 3}, {7, 4}}));
    move(3, 7, 3, 3);
    // A drop from the upper hand: only the square dropped on.
    move(-1, 7, 3, 5);
    EXPECT_EQ(squares(), (std::vector<std::pair<int, int>>{{3, 5}}));
    EXPECT_DOUBLE_EQ(badgeLeft(), cellX(13));
}

TEST_F(TwoHumansGame, SelectionRulesAndRefusals) {
    // The opponent's piece only shows where it could go.
    w->g.sideToMove = kSente;
    click(5, 3);
    EXPECT_EQ(w->g.selectPhase, 0);
    EXPECT_EQ(fake.outlineAt(5, 3), colourWhite);
    // Re-selection moves silently to the other own piece.
    click(5, 7);
    click(4, 7);
    EXPECT_EQ(w->g.selFromX, 4);
    EXPECT_EQ(fake.outlineAt(4, 7), colourSelect);
    EXPECT_EQ(fake.outlineAt(5, 7), outlineColour);
    EXPECT_TRUE(fake.sounds.empty());
    // An empty square with nothing selected does nothing.
    w->g.selectPhase = 0;
    const std::size_t n = fake.draws.size();
    click(5, 5);
    EXPECT_EQ(fake.draws.size(), n);
    // An empty hand cell selects nothing.
    click(11, 5);
    EXPECT_EQ(w->g.selectPhase, 0);
}

TEST_F(TwoHumansGame, StartInTheMiddleAsksThenStartsAfresh) {
    move(7, 7, 7, 6);
    fake.clearLog();
    // No: the game goes on untouched.
    fake.answers = {kMsgNo};
    w->menuCommand("START");
    ASSERT_EQ(fake.dialogs.size(), 1u);
    EXPECT_EQ(lastDialog(), "対局を中止して最初に戻しますか？");
    EXPECT_EQ(w->g.moveNumber, 1);
    EXPECT_EQ(w->g.sideToMove, kGote);
    EXPECT_EQ(w->pos.board[7][6], -kPawn);
    // Yes: a new game from the start.
    fake.answers = {kMsgYes};
    w->menuCommand("START");
    EXPECT_EQ(lastDialog(), "先手の番です");
    EXPECT_EQ(w->g.moveNumber, 0);
    EXPECT_EQ(w->g.sideToMove, kSente);
    EXPECT_EQ(w->pos.board[7][7], -kPawn);
}

TEST_F(TwoHumansGame, OpponentsHandOnlyCancels) {
    Position p = w->pos;
    p.enemyHand[1] = p.enemyHandTotal = 1;
    w->setPosition(p);
    click(-1, 7);  // upper hand, lower side to move
    EXPECT_EQ(w->g.selectPhase, 1);
    EXPECT_EQ(fake.outlineAt(-1, 7), colourWhite);  // not the selection colour: wrong hand
    click(5, 5);
    EXPECT_EQ(w->g.selectPhase, 0);
    EXPECT_EQ(w->pos.board[5][5], kEmpty);
    EXPECT_EQ(w->g.moveNumber, 0);
}

TEST(ClickGeometry, JustLeftOfTheBoardIsTheUpperHandColumn) {
    EXPECT_EQ(static_cast<int>(std::floor((1049 - boardLeft) / squareWidth)), -1);
    EXPECT_EQ(static_cast<int>(std::floor((6495 - boardLeft) / squareWidth)), 11);
    EXPECT_EQ(static_cast<int>(std::floor((6989 - boardLeft) / squareWidth)), 11);
}

}  // namespace
}  // namespace xantu::testing
