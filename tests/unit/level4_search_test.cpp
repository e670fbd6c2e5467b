// LEVEL4: incremental keys against keys from scratch, make/unmake restoring
// the board, and the search finding king captures.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <random>

#include "core/sfen.h"
#include "search/movegen.h"
#include "search/search.h"

namespace xantu::search {
namespace {

TEST(Level4Board, KeysFollowRandomGamesAndUnmakeRestores) {
    const char* starts[] = {
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1",
        "1n1gk1sn1/1s2g1P1+L/1p1ppp1+P1/9/9/9/1P1PPP3/+l6S1/1NSGKG1N1 w RBL4Prbl4p 1",
    };
    std::mt19937 rng(7);
    static MoveList lists[200];
    for (const char* sfen : starts)
        for (int game = 0; game < 20; ++game) {
            Board b;
            ASSERT_TRUE(b.fromSfen(sfen));
            const Board start = b;
            Move played[200];
            int n = 0;
            while (n < 200 && b.king[0] != 0 && b.king[1] != 0) {
                generateAll(b, lists[n]);
                if (lists[n].size == 0) break;
                played[n] = lists[n].moves[rng() % lists[n].size];
                b.make(played[n++]);
                ASSERT_EQ(b.key, b.computeKey()) << b.toSfen();
                if (b.king[0] && b.king[1]) {
                    Board fresh;
                    ASSERT_TRUE(fresh.fromSfen(b.toSfen()));
                    ASSERT_EQ(fresh.key, b.key);
                    ASSERT_EQ(fresh.psq[0], b.psq[0]);
                    ASSERT_EQ(fresh.psq[1], b.psq[1]);
                    ASSERT_EQ(std::memcmp(fresh.pawnsOnFile, b.pawnsOnFile, sizeof b.pawnsOnFile), 0);
                }
            }
            while (n > 0) b.unmake(played[--n]);
            EXPECT_EQ(b.key, start.key);
            EXPECT_EQ(b.psq[0], start.psq[0]);
            EXPECT_EQ(std::memcmp(b.sq, start.sq, sizeof b.sq), 0);
            EXPECT_EQ(std::memcmp(b.hand, start.hand, sizeof b.hand), 0);
            EXPECT_EQ(std::memcmp(b.king, start.king, sizeof b.king), 0);
        }
}

Result searchSfen(const char* sfen, int depth) {
    const SfenResult r = parseSfen(sfen);
    EXPECT_TRUE(r.ok) << sfen;
    Searcher s(4);
    Limits limits;
    limits.depth = depth;
    const std::atomic<bool> stop{false};
    return s.think(r.position, r.side == xantu::Side::Lower ? Side::Lower : Side::Upper, limits, stop);
}

TEST(Level4Search, TakesTheKingAndFindsKingCapturesInThreePlies) {
    struct Case {
        const char* sfen;
        const char* move;
        int mateIn;
    };
    const Case cases[] = {
        {"4k4/9/9/9/9/9/9/9/K3R4 b - 1", "5i5a+", 1},  // a rook down the open file
        {"4K4/9/9/9/9/9/9/9/k3p4 w - 1", "5i5a+", 1},  // a pawn moves like a rook, backwards too
        {"4k4/9/4G4/9/9/9/9/9/4K4 b G 1", "G*5b", 3},  // a guarded gold drop leaves no escape
        {"k8/9/1G7/9/9/9/9/9/4K4 b G 1", nullptr, 3},  // the corner: G*8b or G*9b
    };
    for (const Case& c : cases) {
        const Result r = searchSfen(c.sfen, 5);
        EXPECT_TRUE(r.hasMove) << c.sfen;
        if (c.move) {
            EXPECT_EQ(r.move.usi(), c.move) << c.sfen;
        }
        EXPECT_EQ(r.mateIn, c.mateIn) << c.sfen;
    }
    // The side whose king can be taken at once and has no defence sees its loss.
    const Result lost = searchSfen("4k4/9/9/9/9/9/9/4r4/4K4 b - 1", 3);
    EXPECT_TRUE(lost.hasMove);
    EXPECT_EQ(lost.mateIn, 0);  // the king steps away from the rook's file
}

}  // namespace
}  // namespace xantu::search
