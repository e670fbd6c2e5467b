// Whole games against the computer at every level, from both sides: the
// human's moves are picked by a fixed pseudo-random sequence among the moves
// the rules allow, and the Position must stay sound after every move.
#include <random>

#include "core/hand_rows.h"
#include "core/move_check.h"
#include "core/move_rules.h"
#include "influence/influence_map.h"
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
                    if (移動チェック(p, f, x, y, tx, ty, c) == 1)
                        out.push_back({x, y, tx, ty, 移動後チェック(ty, c) == 0});
        }
    for (int k = 1; k <= kHandKinds; ++k) {
        if (p.ownHand[k] <= 0) continue;
        for (int tx = 1; tx <= 9; ++tx)
            for (int ty = 1; ty <= 9; ++ty)
                if (移動チェック(p, f, kLowerHandCol, lowerHandRow(k), tx, ty, -kHandKindCode[k]) == 1)
                    out.push_back({kLowerHandCol, lowerHandRow(k), tx, ty, false});
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

// Whether the lower king is safe from every upper piece after the move.
bool keepsKingSafe(const Position& p, const HumanMove& m) {
    Position after = p;
    GameState g;
    const int piece = m.fx == kLowerHandCol ? -kHandKindCode[m.fy - 2] : p.board[m.fx][m.fy];
    int promoted = piece;
    if (m.right) 調査_駒成(m.fx, m.fy, m.tx, m.ty, piece, promoted);
    駒移動_局面(after, g, m.fx, m.fy, m.tx, m.ty, promoted);
    InfluenceMap map;
    勢力調査(after, map);
    return map.comInfluence[after.manKingX][after.manKingY] == 0;
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
        auto moves = lowerMoves(w->pos);
        ASSERT_FALSE(moves.empty());
        // A careful human: a random move among those that keep the king safe.
        std::vector<HumanMove> safe;
        for (const HumanMove& c : moves)
            if (keepsKingSafe(w->pos, c)) safe.push_back(c);
        if (!safe.empty()) moves = safe;
        const HumanMove m = moves[rng() % moves.size()];
        const int before = w->g.moveNumber;
        click(m.fx, m.fy);
        click(m.tx, m.ty, m.right ? 2 : 1);
        ASSERT_GT(w->g.moveNumber, before) << "the move was not made";
        expectSound(w->pos, w->g.winnerSide == 0);
    }
    EXPECT_TRUE(w->g.winnerSide != 0 || w->g.moveNumber >= 200);
    RecordProperty("moves", w->g.moveNumber);
    EXPECT_EQ(w->moves.recordLength, w->g.moveNumber);

    // The game saved and read back gives the same entries, the last Position included.
    const MoveList played = w->moves;
    const Position end = w->pos;
    w->menuCommand("KIFU_WRITE");
    fake.setText(1, "game");
    w->Command1_Click();
    ASSERT_EQ(lastDialog(), "棋譜を書き込みました");
    w->File1_Click("game.棋譜");
    ASSERT_EQ(w->moves.lastEntry, played.lastEntry + 1);
    for (int k = 1; k <= w->moves.lastEntry; ++k) {
        const auto& got = w->moves.entries[k];
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const int want = k <= played.lastEntry ? played.entries[k].board[x][y] : end.board[x][y];
                ASSERT_EQ(got.board[x][y], want) << "entry " << k;
            }
        for (int kind = 1; kind <= kHandKinds; ++kind)
            ASSERT_EQ(got.ownHand[kind], k <= played.lastEntry ? played.entries[k].ownHand[kind] : end.ownHand[kind]);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLevelBothSides, LongGames,
                         ::testing::Combine(::testing::Values(1, 2, 3), ::testing::Bool()));

}  // namespace
}  // namespace xantu::testing
