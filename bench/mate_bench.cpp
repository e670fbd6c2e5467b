// 詰み探索 from start to a confirmed answer on positions of different weight,
// in nodes per second: the proof-number search, its move generation and the
// proof read back with the rules.
#include <benchmark/benchmark.h>

#include <atomic>

#include "core/sfen.h"
#include "search/mate_solver.h"

namespace {

using namespace xantu;

constexpr const char* kMatePositions[] = {
    // A bare king in the corner against a gold and a pawn: mate in 7 plies.
    "8k/9/9/9/9/9/9/9/K8 b GP 1",
    // The same pieces against a king on its edge: mate in 13, many checks.
    "4k4/9/9/9/9/9/9/9/K8 b GP 1",
    // From a game: full hands and boards, a long mate found first, then
    // shortened to 9 plies.
    "2g4k1/2pp2s2/+B+P3G3/9/3+P5/2+P6/9/2R6/2SGKG3 b S2L10P2n3p 1",
};

void BM_MateSolve(benchmark::State& state) {
    const SfenResult r = parseSfen(kMatePositions[state.range(0)], SetBound::Waived);
    if (!r.ok) {
        state.SkipWithError(r.error.c_str());
        return;
    }
    search::MateSolver solver;  // the table is allocated once, outside the timing
    const std::atomic<bool> stop{false};
    search::MateLimits limits;
    limits.movetimeMs = 0;
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        const search::MateResult res = solver.solve(r.position, r.side, limits, stop);
        if (res.status != search::MateStatus::Mate) state.SkipWithError("no mate found");
        nodes += res.nodes;
    }
    state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MateSolve)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
