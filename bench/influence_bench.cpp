// The influence survey runs once per candidate move of the computer, and the
// lower-king mate test once per checking candidate: both sit on the hot path
// of a computer turn.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "computer/mate_search.h"
#include "core/sfen.h"
#include "influence/influence_map.h"

using namespace xantu;

namespace {

Position load(const char* sfen) {
    SfenResult r = parseSfen(sfen, SetBound::Waived);
    if (!r.ok) {
        std::fprintf(stderr, "bench position: %s\n", r.error.c_str());
        std::abort();
    }
    return r.position;
}

// Start position: 40 pieces, short rays.
constexpr const char* kOpening = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";
// Crowded middle game: open files and diagonals, long rays for the rook-like pawns.
constexpr const char* kMiddle = "ln1g3nl/1r3kg2/p2ppsbpp/2ps1pp2/1p7/2PP2P2/PPBSPP1PP/2G1K2R1/LN3GSNL b Pp 1";
// The lower king in check from a rook down an open file (it can step aside).
constexpr const char* kCheck = "lnsgkgsnl/7b1/pppp1pppp/9/9/4r4/PPPP1PPPP/1B5R1/LNSGKGSNL b - 1";
// Double check, nothing saves the king: every step of the mate test runs.
constexpr const char* kDoubleCheck = "k8/9/3p1p3/9/b3r3R/9/9/9/4K4 b G 1";
// A block by a pinned silver that fails: step 4 with several replies tried.
constexpr const char* kPinned = "k8/9/3p1p3/9/9/4r2b1/9/5Sg2/4K4 b - 1";

void BM_Survey(benchmark::State& state, const char* sfen) {
    Position p = load(sfen);
    InfluenceMap m;
    for (auto _ : state) {
        勢力調査(p, m);
        benchmark::DoNotOptimize(m);
        benchmark::ClobberMemory();
    }
}

void BM_MateMan(benchmark::State& state, const char* sfen) {
    Position p = load(sfen);
    InfluenceMap m;
    勢力調査(p, m);
    for (auto _ : state) {
        benchmark::DoNotOptimize(詰めかMAN(p, m));
        benchmark::ClobberMemory();
    }
}

void BM_MateCom(benchmark::State& state, const char* sfen) {
    const Position start = load(sfen);
    InfluenceMap m;
    for (auto _ : state) {
        // The test leaves a trial's map behind: give every round a fresh one.
        Position p = start;
        勢力調査(p, m);
        benchmark::DoNotOptimize(詰めかCOM(p, m));
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK_CAPTURE(BM_Survey, opening, kOpening);
BENCHMARK_CAPTURE(BM_Survey, middle_game, kMiddle);
BENCHMARK_CAPTURE(BM_Survey, king_in_check, kCheck);
BENCHMARK_CAPTURE(BM_MateMan, opening_no_check, kOpening);
BENCHMARK_CAPTURE(BM_MateMan, king_in_check, kCheck);
BENCHMARK_CAPTURE(BM_MateMan, double_check_mated, kDoubleCheck);
BENCHMARK_CAPTURE(BM_MateMan, pinned_blocker_mated, kPinned);
// Upper king mated by a smothered knight check, with its own pieces tried.
BENCHMARK_CAPTURE(BM_MateCom, knight_check_mated, "3lkl3/3nnn3/3N5/9/9/9/9/9/8K w R 1");
// Two trials with a resurvey each before a block is found.
BENCHMARK_CAPTURE(BM_MateCom, trials_then_block, "4k4/5rG2/8r/9/8B/4R4/9/9/K2P5 w - 1");
