// LEVEL4: the board kept consistent move by move, and the search finding
// king captures and clearly best moves.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <random>

#include "core/legal_moves.h"
#include "core/pieces.h"
#include "core/sfen.h"
#include "search/movegen.h"
#include "search/searcher.h"
#include "search/time_budget.h"

namespace xantu::search {
namespace {

// Random games from two starts: every move keeps the board's running sums
// equal to a rebuild (Board::ok), and unmaking them all gives the start back;
// where the king is attacked, the answers kept are the moves that save it;
// a move is pseudo-legal exactly when the generator gives it.
TEST(Level4Board, RandomGamesKeepTheBoardConsistentAndUnmakeRestores) {
    const char* starts[] = {
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1",
        "1n1gk1sn1/1s2g1P1+L/1p1ppp1+P1/9/9/9/1P1PPP3/+l6S1/1NSGKG1N1 w RBL4Prbl4p 1",
    };
    std::mt19937 rng(7);
    static MoveBuffer lists[201];
    int attackedSeen = 0;
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
                // A move is taken from the table only if generateAll gives it here;
                // the last position's moves stand in for a table's stale ones.
                for (int i = 0; i < lists[n].size; ++i) ASSERT_TRUE(isPseudoLegal(b, lists[n].moves[i]));
                if (n > 0)
                    for (int i = 0; i < lists[n - 1].size; ++i) {
                        const Move m = lists[n - 1].moves[i];
                        const bool listed = std::find(lists[n].moves, lists[n].moves + lists[n].size, m) !=
                                            lists[n].moves + lists[n].size;
                        ASSERT_EQ(isPseudoLegal(b, m), listed) << b.toSfen() << ' ' << b.usi(m);
                    }
                if (b.kingAttacked(b.side)) {
                    // The answers kept are exactly the moves after which the king is safe.
                    MoveBuffer& kept = lists[n + 1];
                    kept = lists[n];
                    keepEvasions(b, kept);
                    int safe = 0;
                    for (int i = 0; i < lists[n].size; ++i) {
                        b.make(lists[n].moves[i]);
                        if (!b.attacked(b.king[b.side ^ 1], b.side)) {
                            ASSERT_LT(safe, kept.size) << b.toSfen();
                            EXPECT_EQ(kept.moves[safe++], lists[n].moves[i]);
                        }
                        b.unmake(lists[n].moves[i]);
                    }
                    EXPECT_EQ(safe, kept.size);
                    ++attackedSeen;
                }
                played[n] = lists[n].moves[rng() % lists[n].size];
                b.make(played[n++]);
                ASSERT_TRUE(b.ok()) << b.toSfen();
            }
            while (n > 0) b.unmake(played[--n]);
            EXPECT_TRUE(b.ok());
            EXPECT_EQ(b.key, start.key);
            EXPECT_EQ(std::memcmp(b.sq, start.sq, sizeof b.sq), 0);
            EXPECT_EQ(std::memcmp(b.hand, start.hand, sizeof b.hand), 0);
        }
    EXPECT_GT(attackedSeen, 20);
}

// Board::ok notices each running value that has drifted from the squares.
TEST(Level4Board, OkNoticesEachStaleField) {
    Board b;
    ASSERT_TRUE(b.fromSfen("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPP1PPP/1B5R1/LNSGKGSNL b P 1"));
    ASSERT_TRUE(b.ok());
    const Board good = b;
    b.key ^= 1;  // a key that missed a change
    EXPECT_FALSE(b.ok());
    b = good;
    b.psq[1] += 1;  // a material sum that missed a capture
    EXPECT_FALSE(b.ok());
    b = good;
    b.pawnsOnFile[0][5] = 0;  // a pawn file that looks free for a second pawn
    EXPECT_FALSE(b.ok());
    b = good;
    b.king[1] = static_cast<std::uint8_t>(squareOf(4, 1));  // a king square left behind
    EXPECT_FALSE(b.ok());
    b = good;
    b.hand[0][kP] = 0;  // a hand changed without its key
    EXPECT_FALSE(b.ok());
}

Result searchSfen(const char* sfen, int depth, int threads = 1) {
    const SfenResult r = parseSfen(sfen);
    EXPECT_TRUE(r.ok) << sfen;
    Searcher s(4, threads);
    Limits limits;
    limits.depth = depth;
    const std::atomic<bool> stop{false};
    return s.go(r.position, r.side, limits, stop);
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

// Positions with one clearly best move, searched as the bench does (depth 4).
TEST(Level4Search, PlaysTheClearlyBestMove) {
    struct Case {
        const char* sfen;
        const char* move;
        const char* why;
    };
    const Case cases[] = {
        {"4k4/9/9/9/2r6/9/9/9/4K1B2 b - 1", "3i7e", "the bishop takes a rook that nothing guards"},
        {"3k5/9/9/9/9/9/9/3s5/4K4 b - 1", "5i6h", "the king takes the silver beside it, unguarded"},
        {"4k4/9/9/4b4/9/9/9/1R7/4K4 b - 1", "8h5h",
         "the rook pins the bishop to its king on the file: the bishop cannot leave, so it falls"},
    };
    for (const Case& c : cases) EXPECT_EQ(searchSfen(c.sfen, 4).move.usi(), c.move) << c.sfen << ": " << c.why;
}

// A machine whose answers reach the clock 150 ms after the search ends: the
// next move sees it in its main time and keeps that much more in reserve,
// so that, low on time, the search stops at once instead of eating into
// what a late answer needs.
TEST(Level4Clock, LagSeenOnTheClockWidensTheMargin) {
    using std::chrono::milliseconds;
    ClockLag lag;
    Limits first;
    first.timeLeftMs = 900;
    first.incrementMs = 100;
    EXPECT_EQ(lag.observe(first), 0);
    lag.searched(first, 200);  // 700 left, 800 after the increment, had nothing else passed
    Limits next = first;
    next.timeLeftMs = 650;
    EXPECT_DOUBLE_EQ(lag.observe(next), 150);

    const TimeBudget::Clock::time_point t0{};
    EXPECT_GE(TimeBudget::plan(next, t0).hardDeadline, t0 + milliseconds(300));
    EXPECT_LE(TimeBudget::plan(next, t0, 150).hardDeadline, t0 + milliseconds(70));
    // A new game forgets it.
    lag.reset();
    EXPECT_EQ(lag.observe(next), 0);
}

// Helper threads share the table but never choose the move: where one move is
// clearly best, two threads at a fixed depth find the same move and the same
// king capture as one. (Elsewhere they may not: what the helpers leave in the
// table changes the main thread's order and cut-offs, and so its tree.)
TEST(Level4Search, TwoThreadsFindTheSameClearMovesAsOne) {
    const char* positions[] = {
        "4k4/9/9/9/9/9/9/9/K3R4 b - 1",  "4k4/9/4G4/9/9/9/9/9/4K4 b G 1",   "4k4/9/9/9/2r6/9/9/9/4K1B2 b - 1",
        "3k5/9/9/9/9/9/9/3s5/4K4 b - 1", "4k4/9/9/4b4/9/9/9/1R7/4K4 b - 1",
    };
    for (const char* sfen : positions)
        for (int round = 0; round < 3; ++round) {
            const Result one = searchSfen(sfen, 5, 1), two = searchSfen(sfen, 5, 2);
            EXPECT_EQ(two.move.usi(), one.move.usi()) << sfen;
            EXPECT_EQ(two.mateIn, one.mateIn) << sfen;
            EXPECT_EQ(two.depth, one.depth) << sfen;
        }
}

// Each step below full strength keeps to its node budget, whatever the
// time allows, in an opening full of captures and in a middle game with
// pieces in hand.
TEST(Level4Strength, EachStepStaysWithinItsNodeBudget) {
    const char* positions[] = {
        "lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w - 1",
        "1n1gk1sn1/1s2g1P1+L/1p1ppp1+P1/9/9/9/1P1PPP3/+l6S1/1NSGKG1N1 w RBL4Prbl4p 1",
    };
    Searcher s(4);
    const std::atomic<bool> stop{false};
    for (int step = 0; step < kStrengthCount - 1; ++step)
        for (const char* sfen : positions) {
            const SfenResult r = parseSfen(sfen);
            ASSERT_TRUE(r.ok);
            Limits limits;
            limits.movetimeMs = 60000;
            const auto strength = static_cast<Strength>(step);
            s.setStrength(strength);
            const Result res = s.go(r.position, r.side, limits, stop);
            EXPECT_TRUE(res.hasMove);
            EXPECT_LE(res.nodes, planFor(strength).nodes) << strengthUsiValue(strength) << " " << sfen;
        }
}

// Whether the opponent of `side` can now take one of its pieces that `side`
// can neither take back on that square nor answer by taking the king.
bool leavesAPieceHanging(const Position& p, Side side) {
    for (const xantu::Move& take : legalMoves(p, opponent(side))) {
        if (take.isDrop() || p.at(take.toX, take.toY) == 0) continue;
        Position after = p;
        playMove(after, take);
        bool answered = false;
        for (const xantu::Move& back : legalMoves(after, side)) {
            const int there = after.at(back.toX, back.toY);
            if (!back.isDrop() && ((back.toX == take.toX && back.toY == take.toY) || absCode(there) == kKing))
                answered = true;
        }
        if (!answered) return true;
    }
    return false;
}

// From 初級 up a step never leaves a piece hanging when a move keeps it: a
// rook attacked by a silver and a bishop attacked by a pawn (which moves like
// a rook), nothing guarding either, and each with many safe squares. Each step
// draws its move a dozen times.
TEST(Level4Strength, AStepFrom初級UpKeepsItsAttackedPiece) {
    const char* positions[] = {
        "8k/9/9/5s3/4R4/9/9/9/3GKS3 b - 1",
        "7k1/4p4/9/9/4B4/9/P8/9/3K5 b - 1",
    };
    Searcher s(4);
    const std::atomic<bool> stop{false};
    for (int step = 1; step < kStrengthCount - 1; ++step) {
        const auto strength = static_cast<Strength>(step);
        s.setStrength(strength);
        for (const char* sfen : positions) {
            const SfenResult r = parseSfen(sfen);
            ASSERT_TRUE(r.ok);
            ASSERT_TRUE(leavesAPieceHanging(r.position, r.side)) << sfen;
            for (int draw = 0; draw < 12; ++draw) {
                Limits limits;
                limits.movetimeMs = 60000;
                const Result res = s.go(r.position, r.side, limits, stop);
                ASSERT_TRUE(res.hasMove);
                Position after = r.position;
                playMove(after, res.move);
                EXPECT_FALSE(leavesAPieceHanging(after, r.side))
                    << strengthUsiValue(strength) << " " << sfen << " " << res.move.usi();
            }
        }
    }
}

}  // namespace
}  // namespace xantu::search
