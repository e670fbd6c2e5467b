// Whole games against the computer at every level, from both sides: the
// human's moves are picked by a fixed pseudo-random sequence among the moves
// the rules allow, and the Position must stay sound after every move.
#include <random>

#include "core/move_check.h"
#include "core/move_rules.h"
#include "window_fixture.h"

namespace xantu::testing {
namespace {

struct HumanMove {
    int fx, fy, tx, ty;  // fx 11 = a drop from the lower hand, fy its screen row
    bool right;
};

// Every move and drop of the lower side the rules allow, as clicks.
std::vector<HumanMove> lowerMoves(const Position& p) {
    PawnFiles f;
    調査_2歩フラグ設定(p, f);
    std::vector<HumanMove> out;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int c = p.board[x][y];
            if (c > -kPawn) continue;
            for (int tx = 1; tx <= 9; ++tx)
                for (int ty = 1; ty <= 9; ++ty)
                    if (移動チェック(p, f, x, y, tx, ty, c) == 1) out.push_back({x, y, tx, ty, 移動後チェック(ty, c) == 0});
        }
    for (int k = 1; k <= kHandKinds; ++k) {
        if (p.ownHand[k] <= 0) continue;
        for (int tx = 1; tx <= 9; ++tx)
            for (int ty = 1; ty <= 9; ++ty)
                if (移動チェック(p, f, kLowerHandCol, k + 2, tx, ty, -kHandKindCode[k]) == 1)
                    out.push_back({kLowerHandCol, k + 2, tx, ty, false});
    }
    return out;
}

void expectSound(const Position& p, bool kingsPresent) {
    ASSERT_TRUE(p.ok());
    int lowerKings = 0, upperKings = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            lowerKings += p.board[x][y] == -kKing;
            upperKings += p.board[x][y] == kKing;
        }
    if (kingsPresent) {
        EXPECT_EQ(lowerKings, 1);
        EXPECT_EQ(upperKings, 1);
    }
}

class LongGames : public WindowTest, public ::testing::WithParamInterface<std::tuple<int, bool>> {};

TEST_P(LongGames, PlayUntilAKingFallsOr200Moves) {
    const auto [level, humanFirst] = GetParam();
    load();
    w->menuCommand("LEVEL" + std::to_string(level));
    w->menuCommand(humanFirst ? "SENTE" : "GOTE");
    std::mt19937 rng(1234 + level * 2 + humanFirst);
    while (w->g.winnerSide == 0 && w->g.moveNumber < 200) {
        ASSERT_EQ(w->g.sideToMove, w->g.manSide);
        const auto moves = lowerMoves(w->pos);
        ASSERT_FALSE(moves.empty());
        const HumanMove m = moves[rng() % moves.size()];
        const int before = w->g.moveNumber;
        click(m.fx, m.fy);
        click(m.tx, m.ty, m.right ? 2 : 1);
        ASSERT_GT(w->g.moveNumber, before) << "the move was not made";
        expectSound(w->pos, w->g.winnerSide == 0);
    }
    EXPECT_TRUE(w->g.winnerSide != 0 || w->g.moveNumber >= 200);
    EXPECT_EQ(w->moves.recordLength, w->g.moveNumber);
}

INSTANTIATE_TEST_SUITE_P(EveryLevelBothSides, LongGames,
                         ::testing::Combine(::testing::Values(1, 2, 3), ::testing::Bool()));

}  // namespace
}  // namespace xantu::testing
