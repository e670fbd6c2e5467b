// 詰み探索 on composed positions of this game (a pawn moves like a rook): mates
// of several lengths for either side, positions without one, a mate of
// ordinary shogi that a rook-moving pawn refutes, a stop from another thread,
// the proof check refusing a table that claims too much, and the check and
// evasion generators against playing every move.
#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <set>
#include <thread>

#include "core/legal_moves.h"
#include "core/sfen.h"
#include "search/mate_moves.h"
#include "search/mate_proof.h"
#include "search/mate_solver.h"

namespace xantu::search {
namespace {

Position positionOf(const char* sfen) {
    const SfenResult r = parseSfen(sfen, SetBound::Waived);
    EXPECT_TRUE(r.ok) << sfen << ": " << r.error;
    return r.position;
}

// Bounded by nodes, not time, so that the answer is the same on any machine.
MateResult solve(const Position& p, Side attacker) {
    const std::atomic<bool> stop{false};
    MateLimits limits;
    limits.movetimeMs = 0;
    limits.nodes = 1000000;
    limits.tableMegabytes = 4;
    return solveMate(p, attacker, limits, stop);
}

// Replays the line with the rules alone: every move allowed, no king taken
// before the last move, which takes the defender's.
void expectLineTakesKing(const Position& start, Side attacker, const MateResult& r) {
    ASSERT_EQ(static_cast<int>(r.line.size()), r.plies) << r.lineUsi();
    Position p = start;
    Side side = attacker;
    for (std::size_t i = 0; i < r.line.size(); ++i) {
        const std::optional<xantu::Move> m = legalMove(p, side, r.line[i].usi());
        ASSERT_TRUE(m.has_value()) << r.lineUsi() << " at " << i;
        const int taken = playMove(p, *m);
        EXPECT_EQ(absCode(taken) == kKing, i + 1 == r.line.size()) << r.lineUsi() << " at " << i;
        side = opponent(side);
    }
    EXPECT_EQ(side, opponent(attacker));  // the attacker made the last move
}

TEST(MateSolver, FindsTheShortestMateByChecksForEitherSide) {
    struct Case {
        const char* sfen;
        int plies;
    };
    const Case cases[] = {
        // The pawn on 9e takes the king from four squares away.
        {"k8/9/9/9/P8/9/9/9/8K b - 1", 1},
        // A pawn dropped on file 1 checks down it; the pawn on 2c guards
        // 2a and 2b along its own file.
        {"8k/9/7P1/9/9/9/9/9/K8 b P 1", 3},
        // A pawn dropped on 1d (or lower) checks from afar; the knight's jump
        // to 1c is the only answer, and the pawn takes it, promoting to 奔.
        {"7nk/9/7P1/9/9/9/9/9/K8 b P 1", 5},
        // A bare king in the corner. One mate: P*4a checks along the rank,
        // the pawn comes back down and promotes (4a4b+, a rook's move), G*2b.
        {"8k/9/9/9/9/9/9/9/K8 b GP 1", 7},
        // Two pawns in hand, dropped and moved like rooks, against a king
        // beside its gold.
        {"7gk/9/9/9/9/9/9/9/K8 b 2P 1", 11},
    };
    for (const Case& c : cases) {
        const Position p = positionOf(c.sfen);
        for (const Side attacker : {Side::Lower, Side::Upper}) {
            // The upper side attacks on the board turned about.
            const Position q = attacker == Side::Lower ? p : turnedAboutWithKings(p);
            const MateResult r = solve(q, attacker);
            ASSERT_EQ(r.status, MateStatus::Mate) << c.sfen;
            EXPECT_EQ(r.plies, c.plies) << c.sfen << ": " << r.lineUsi();
            EXPECT_TRUE(r.shortest) << c.sfen;
            expectLineTakesKing(q, attacker, r);
        }
    }
}

TEST(MateSolver, SaysNoMateOnlyWhenEveryCheckRunsOut) {
    // No piece of the lower side can give check at all.
    EXPECT_EQ(solve(positionOf("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1"), Side::Lower).status,
              MateStatus::NoMate);
    // Two golds against a king with its knight beside it: every check is
    // taken or walked away from, and the checks run out.
    EXPECT_EQ(solve(positionOf("7nk/9/9/9/9/9/9/9/K8 b 2G 1"), Side::Lower).status, MateStatus::NoMate);
}

TEST(MateSolver, TheRookMovingPawnRefutesAMateOfOrdinaryShogi) {
    // With a shogi pawn on 5b, G*1b (guarded by the gold on 1c) would mate in
    // three; here the pawn slides along the rank and takes the gold, and no
    // sequence of checks wins the king (the checks that go round included).
    EXPECT_EQ(solve(positionOf("8k/4p4/8G/9/9/9/9/9/K8 b G 1"), Side::Lower).status, MateStatus::NoMate);
}

TEST(MateSolver, AStopFromAnotherThreadEndsAnUnboundedSearch) {
    // A lone pawn and gold can check for ever here without mating quickly.
    const Position p = positionOf("7nk/7p1/9/9/9/9/9/9/K8 b GP 1");
    std::atomic<bool> stop{false};
    MateLimits limits;
    limits.movetimeMs = 0;  // no time bound: only the stop ends it
    limits.tableMegabytes = 4;
    MateResult r;
    std::thread worker([&] { r = solveMate(p, Side::Lower, limits, stop); });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    stop = true;
    worker.join();
    EXPECT_EQ(r.status, MateStatus::Unknown);
    EXPECT_GT(r.nodes, 0u);
}

TEST(MateProof, ConfirmsOnlyWhatTheRulesConfirm) {
    const std::atomic<bool> stop{false};
    MateTable table(1);
    // A table that claims G*1b mates in three: every reply must be answered.
    const auto walk = [&](const char* sfen) {
        Board b;
        EXPECT_TRUE(b.fromSfen(sfen));
        table.newSearch();
        table.store(mateKey(b.key, 3), 0, kInfinitePn, parseUsiMove(b, "G*1b"), 1);
        ProofReader reader(table, stop);
        return reader.walk(b, positionOf(sfen), 3);
    };
    // True with the gold on 1c guarding 1b: each reply leaves the king to be taken.
    EXPECT_EQ(walk("8k/9/8G/9/9/9/9/9/K8 b G 1"), 3);
    // False here: the pawn's reply 5b1b is not answered by anything in the table.
    EXPECT_EQ(walk("8k/4p4/8G/9/9/9/9/9/K8 b G 1"), -1);
}

// The moves after which the king of `victim` stands attacked, or not.
std::set<Move> byPlaying(Board& b, int victim, bool attacked) {
    MoveBuffer all;
    generateAll(b, all);
    std::set<Move> out;
    for (int i = 0; i < all.size; ++i) {
        b.make(all.moves[i]);
        if (b.kingAttacked(victim) == attacked) out.insert(all.moves[i]);
        b.unmake(all.moves[i]);
    }
    return out;
}

// The moves, each once.
std::set<Move> asSet(const MateChildren& c) {
    const std::set<Move> out(c.moves, c.moves + c.size);
    EXPECT_EQ(static_cast<int>(out.size()), c.size);
    return out;
}

TEST(MateMoves, ChecksAndEvasionsAreThoseFoundByPlayingEveryMove) {
    std::mt19937 random(7);
    MoveBuffer all;
    MateChildren children;
    int checksSeen = 0;
    for (const char* start : {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1",
                              "4k4/9/9/9/9/9/9/9/4K4 b RBGSNLPrbgsnl2p 1",
                              "1n1gk1sn1/1s2g1P1+L/1p1ppp1+P1/9/9/9/1P1PPP3/+l6S1/1NSGKG1N1 w RBL4Prbl4p 1"}) {
        Board b;
        ASSERT_TRUE(b.fromSfen(start));
        for (int ply = 0; ply < 40 && b.king[0] && b.king[1]; ++ply) {
            const int us = b.side, them = us ^ 1;
            if (!b.kingAttacked(them)) {
                generateChecks(b, children);
                const std::set<Move> checks = byPlaying(b, them, true);
                ASSERT_EQ(asSet(children), checks) << b.toSfen();
                for (const Move m : checks) {  // every check, answered
                    b.make(m);
                    generateEvasions(b, children);
                    ASSERT_EQ(asSet(children), byPlaying(b, them, false)) << b.toSfen();
                    b.unmake(m);
                }
                checksSeen += static_cast<int>(checks.size());
            }
            generateAll(b, all);
            b.make(all.moves[random() % all.size]);
        }
    }
    EXPECT_GT(checksSeen, 100);
}

}  // namespace
}  // namespace xantu::search
