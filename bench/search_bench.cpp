// One whole computer search (snapshot, turn-start analyses, every move and
// drop surveyed and evaluated) on a few positions of different weight.
#include <benchmark/benchmark.h>

#include "computer/one_ply_search.h"
#include "core/sfen.h"
#include "influence/influence_map.h"

namespace {

using namespace xantu;

constexpr const char* kSearchPositions[] = {
    // The standard layout: few moves, no drops.
    "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1",
    // A middle game with both sides holding rooks, bishops and more.
    "1n1gkl1+P1/1s2gp2+L/1p1pp4/9/9/9/3PPP3/+P6S1/1NSGKG1N1 w RBSN2L4Prbn5p 1",
    // Many checking drops near the lower king: the mate test runs often.
    "1n1gkl1+P1/1s2g3+L/1p7/9/9/9/3+p+p+p3/4PP+PS1/2S+pLKGN1 w RBSNL3Prbgn6p 1",
};

void BM_ComSearch(benchmark::State& state) {
    const SfenResult r = parseSfen(kSearchPositions[state.range(0)], SetBound::Waived);
    if (!r.ok) {
        state.SkipWithError(r.error.c_str());
        return;
    }
    long candidates = 0;
    for (auto _ : state) {
        Position p = r.position;
        InfluenceMap m{};
        TurnState t{};
        勢力調査(p, m);
        const SearchResult s = comSearch(p, m, t, 3);
        benchmark::DoNotOptimize(s.score);
        candidates += s.candidates;
    }
    state.counters["candidates/s"] = benchmark::Counter(static_cast<double>(candidates), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ComSearch)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace
