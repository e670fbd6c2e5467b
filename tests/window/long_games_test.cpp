// Whole games against the computer at every level, from both sides: the
// human's moves are picked by a fixed pseudo-random sequence among the moves
// the rules allow, and the Position must stay sound after every move.
#include <random>

#include "core/legal_moves.h"
#include "influence/influence_map.h"
#include "window_fixture.h"

namespace xantu::testing {
namespace {

void expectSound(const Position& p, bool kingsPresent) {
    ASSERT_TRUE(p.ok());
    if (kingsPresent) {
        EXPECT_TRUE(bothKingsOnBoard(p));
    }
}

// Whether the lower king is safe from every upper piece after the move.
bool keepsKingSafe(const Position& p, const Move& m) {
    Position after = p;
    playMove(after, m);
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
        auto moves = legalMoves(w->pos, Side::Lower);
        ASSERT_FALSE(moves.empty());
        // A careful human: a random move among those that keep the king safe.
        std::vector<Move> safe;
        for (const Move& c : moves)
            if (keepsKingSafe(w->pos, c)) safe.push_back(c);
        if (!safe.empty()) moves = safe;
        const Move m = moves[rng() % moves.size()];
        const int before = w->g.moveNumber;
        // A drop is clicked on the hand's row of its kind; a right click promotes.
        click(m.originX(), m.originY());
        click(m.toX, m.toY, m.promotes ? 2 : 1);
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
