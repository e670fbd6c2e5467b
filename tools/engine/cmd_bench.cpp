// bench [--level N]: think over a fixed set of positions and print what was
// chosen, how much work it took and a signature of the behaviour. Every
// figure but the times changes only when the engine's choices or work do.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>

#include "computer/one_ply_player.h"
#include "core/sfen.h"
#include "players/make_player.h"
#include "tools/engine/commands.h"

namespace xantu::engine {

namespace {

// The upper side (lowercase, COM) is to move in every position.
constexpr const char* kPositions[] = {
    // --- Openings ---
    // The standard layout: the upper side moving first (a pawn that takes
    // and always promotes, keeping the larger of its two scores).
    "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1",
    // After the lower side's 7g7f: the bishop diagonal opened.
    "lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w - 1",
    // After 2g2f: the lower rook's pawn advanced.
    "lnsgkgsnl/1r5b1/ppppppppp/9/9/7P1/PPPPPPP1P/1B5R1/LNSGKGSNL w - 1",
    // Upper bishop removed (handicap +1): the opening terms that look for
    // the bishop on (8,2) find nothing.
    "lnsgkgsnl/1r7/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1",
    // Lower bishop and rook removed (handicap -2).
    "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/9/LNSGKGSNL w - 1",
    // Lower side with king and pawns only (handicap -10).
    "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/9/4K4 w - 1",
    // Bishops exchanged, both in hand: bishop drops and the bishop-check squares.
    "lnsgkg1nl/1r5s1/ppppppppp/9/9/2P6/PP1PPPPPP/7R1/LNSGKGSNL w Bb 1",

    // --- Middle games from self-play, pieces in hand on both sides ---
    // Move 10 of the standard self-play game: promoted pawns on both sides.
    "lnsgkgsnl/1r5+P1/p1ppppp2/9/9/9/1+pPPPPP1P/1B5R1/LNSGKGSNL w B2P2p 1",
    // Move 20: both rooks and bishops in hand.
    "ln1gkgsnl/1s6+P/p1ppppp2/P8/9/9/2PPPPP2/7S1/LNSGKG1NL w RB4Prbp 1",
    // Move 30: lances in hand, a promoted lance on the lower back rank.
    "1n1gkgsn1/1s6+L/2pppppp1/9/9/9/1PPPPP1P1/+l6S1/1NSGKG1N1 w RBL3Prbl3p 1",
    // Move 40: a lower pawn deep in the upper camp.
    "1n1gk1sn1/1s2g1P1+L/1p1ppp1+P1/9/9/9/1P1PPP3/+l6S1/1NSGKG1N1 w RBL4Prbl4p 1",
    // Move 50: many pieces in hand, the upper king's side thin.
    "1n1gkl1+P1/1s2gp2+L/1p1pp4/9/9/9/3PPP3/+P6S1/1NSGKG1N1 w RBSN2L4Prbn5p 1",
    // Move 60: upper promoted pawns near the lower king.
    "1n1gkl1+P1/1s2g3+L/1p1p5/9/9/9/3P+p+p3/4P1+PS1/2SGK1GN1 w RBSN2L5Prbn5p 1",
    // Move 68: the lower king surrounded, two moves before the end.
    "1n1gkl1+P1/1s2g3+L/1p7/9/9/9/3+p+p+p3/4PP+PS1/2S+pLKGN1 w RBSNL3Prbgn6p 1",
    // Handicap -1 game, move 12: a lower rook in the upper camp's reach.
    "lnsgk1snl/1r5b1/pppppp+Pp1/7R1/9/9/PPPPPP2P/9/LNSGKGSNL w GP2p 1",
    // Handicap -1 game, move 30: a promoted lance on the lower side's rank 8.
    "lnsgk1sn1/1r4pb1/ppppppp2/9/9/9/PPPPPPNS1/8+l/LNSGKG3 w Prgl3p 1",
    // Handicap -1 game, move 60: the position that later repeats.
    "1nsgk1sn1/6pb1/lrpppp3/9/7N1/8S/2PPPP3/1P5+l1/LNSGKG3 w 2Prgl6p 1",
    // Handicap -7 game, move 12: the lower side without its minor pieces.
    "ln1gkgsnb/3s4r/p+P1ppppp1/9/9/9/P1P1PPP2/3P5/3GKGS2 w LP4p 1",
    // Handicap -7 game, move 30.
    "1+p1gkgsn1/3s4r/3+Pppb2/8p/9/9/4PP3/8P/2PGKGS2 w N2LP8p 1",
    // Handicap -7 game, move 60: an upper bishop and pawns near the lower king.
    "3gkgsn1/8r/3sp2+p1/9/9/7b1/1+p2L4/3GPG1S1/2P1KP1p1 w NL2P9p 1",
    // Handicap -7 game, move 100: many pawns in the upper hand.
    "3gkgsp1/6r2/9/6+p2/5+p3/7b1/2+p6/3P1PP2/4K1G2 w S2N2Pgs2l9p 1",
    // Handicap -10 game, move 30: the lower king alone behind pawns.
    "1ng1kgsnb/8r/l2pppp2/9/9/9/P3PPP1S/9/4K4 w L10p 1",
    // Handicap -10 game, move 60: the lower king in the corner.
    "1ng1kg1n1/5s3/2+p1p3r/9/9/1+s6p/1+b7/6P2/K8 w 2LP13p 1",

    // --- Checks and mates ---
    // MAN's king can be captured: 9999 ends the search before any drop.
    "4k4/9/9/9/4K4/9/9/9/4r4 w p 1",
    // A gold drop mates (9998) and ends the drops at once.
    "k8/9/9/9/9/9/1g7/9/K8 w g 1",
    // The only mating drop is a pawn: refused with -9998.
    "k8/9/9/9/9/9/1g7/2s6/K8 w p 1",
    // COM's king in check from a rook: every move that stays on the file
    // scores -9998.
    "4k4/9/9/9/9/9/9/4R4/4K4 w - 1",
    // COM checks with a rook; MAN holds a gold, so a drop can block.
    "4k4/9/9/9/9/9/9/r8/4K4 w G 1",
    // A check beside the lower king backed by a dragon.
    "4k4/9/9/9/9/9/9/5+r3/3K5 w g 1",
    // COM's king on its back rank with the square ahead attacked while MAN
    // holds a gold.
    "4k4/9/4G4/9/9/9/9/9/8K w G 1",

    // --- Endgames ---
    // Bare kings: only king steps, ties broken by generation order.
    "4k4/9/9/9/9/9/9/9/4K4 w - 1",
    // A lance that reaches row 9 must promote; a pawn that may promote always does.
    "k8/9/9/9/9/4p4/9/4l4/8K w - 1",
    // Knights in hand and on the board near the lower king.
    "k8/9/9/9/9/3n5/9/9/4K4 w n 1",
    // Every kind in the upper hand and nothing else: the drop loop over all kinds.
    "4k4/9/9/9/9/9/9/9/4K4 w rbgsnlp 1",
    // A MAN piece pinned to its king by a COM rook, with a COM piece able to take it.
    "4k4/9/9/9/4r4/3g5/4S4/9/4K4 w - 1",
    // A COM piece pinned to its king by a MAN lance.
    "4k4/4g4/9/9/4L4/9/9/9/4K4 w - 1",
};

void fnv1a(std::uint64_t& h, const std::string& s) {
    for (unsigned char c : s) {
        h ^= c;
        h *= 0x100000001B3ULL;
    }
}

// LEVEL4 searches every position to this depth with a fresh table; the
// one-ply player reads no limit.
constexpr int kLevel4Depth = 4;

}  // namespace

int commandBench(const Args& args) {
    int level = 3;
    if (args.size() == 2 && args[0] == "--level" && args[1].size() == 1 && args[1][0] >= '1' && args[1][0] <= '4') {
        level = args[1][0] - '0';
    } else if (!args.empty()) {
        std::fprintf(stderr, "xantu-engine: bench: usage: bench [--level 1|2|3|4]\n");
        return kExitBadInput;
    }
    // LEVEL4 reports nodes and is timed in processor time (on a shared
    // machine the wall clock also counts the time other programs held the
    // core); the one-ply player reports its work counts.
    const bool level4 = level == 4;
    const std::unique_ptr<Player> player = players::makePlayer(level, 16);
    const std::atomic<bool> stop{false};
    Limits limits;
    limits.depth = kLevel4Depth;
    std::uint64_t signature = 0xCBF29CE484222325ULL;
    long positions = 0, candidates = 0, surveys = 0, evaluations = 0;
    std::uint64_t nodes = 0;
    double totalUs = 0;
    const std::clock_t cpu0 = std::clock();
    for (const char* sfen : kPositions) {
        const SfenResult r = parseSfen(sfen, SetBound::Waived);  // composed positions
        if (!r.ok) {
            std::fprintf(stderr, "xantu-engine: bench: built-in position %ld: %s\n", positions + 1, r.error.c_str());
            return 1;
        }
        player->newGame();
        const auto t0 = std::chrono::steady_clock::now();
        const Thought t = player->think(r.position, r.side, limits, stop);
        const double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count();
        totalUs += us;
        ++positions;
        const std::string move = t.hasMove ? t.move.usi() : "none";
        if (level4) {
            nodes += t.nodes;
            const std::string score = std::to_string(t.scoreCp);
            fnv1a(signature, move + ' ' + score + ' ' + std::to_string(t.nodes) + '\n');
            std::printf("%ld %s %s %llu %.0f\n", positions, move.c_str(), score.c_str(),
                        static_cast<unsigned long long>(t.nodes), us);
        } else {
            const SearchResult& s = static_cast<const OnePlyPlayer&>(*player).last().search;
            const std::string score = s.found ? formatScore(s.score) : "none";
            fnv1a(signature, move + ' ' + score + '\n');
            candidates += s.candidates;
            surveys += s.surveys;
            evaluations += s.evaluations;
            std::printf("%ld %s %s %ld %.0f\n", positions, move.c_str(), score.c_str(), s.candidates, us);
        }
    }
    if (level4) {
        std::printf("positions: %ld\nnodes: %llu\n", positions, static_cast<unsigned long long>(nodes));
        std::printf("signature: %016llx\n", static_cast<unsigned long long>(signature));
        const double cpuS = static_cast<double>(std::clock() - cpu0) / CLOCKS_PER_SEC;
        std::printf("time_ms: %.0f\n", totalUs / 1000.0);
        std::printf("cpu_time_ms: %.0f\n", cpuS * 1000.0);
        std::printf("nodes_per_second: %.0f\n", cpuS > 0 ? static_cast<double>(nodes) / cpuS : 0.0);
        return 0;
    }
    std::printf("positions: %ld\ncandidates: %ld\nsurveys: %ld\nevaluations: %ld\n", positions, candidates, surveys,
                evaluations);
    std::printf("signature: %016llx\n", static_cast<unsigned long long>(signature));
    std::printf("time_ms: %.0f\n", totalUs / 1000.0);
    std::printf("candidates_per_second: %.0f\n", totalUs > 0 ? static_cast<double>(candidates) * 1e6 / totalUs : 0.0);
    return 0;
}

}  // namespace xantu::engine
