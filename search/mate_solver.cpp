#include "search/mate_solver.h"

#include <algorithm>

#include "search/mate_dfpn.h"
#include "search/mate_proof.h"

namespace xantu::search {

std::string MateResult::lineUsi() const {
    std::string out;
    for (const xantu::Move& m : line) {
        if (!out.empty()) out += ' ';
        out += m.usi();
    }
    return out;
}

struct MateSolver::Impl {
    MateTable table;
    MateSearch search;
    Board board;
    explicit Impl(std::size_t megabytes) : table(megabytes), search(table) {}
};

MateSolver::MateSolver(std::size_t tableMegabytes) : impl_(std::make_unique<Impl>(tableMegabytes)) {}
MateSolver::~MateSolver() = default;

namespace {

// The bounds searched in turn before any longer mate is looked for, and the
// share of the time they may take.
constexpr int kShortBounds[] = {1, 3, 5, 7};
constexpr int kShortShare = 4;

}  // namespace

MateResult MateSolver::solve(const Position& p, Side attacker, const MateLimits& limits, const std::atomic<bool>& stop,
                             const MateProgressSink& onProgress) {
    using Clock = MateSearch::Clock;
    const Clock::time_point start = Clock::now();
    const auto msSince = [start] {
        return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
    };
    const Clock::time_point deadline =
        limits.movetimeMs > 0 ? start + std::chrono::milliseconds(limits.movetimeMs) : Clock::time_point::max();
    const Clock::time_point shortDeadline = limits.movetimeMs > 0
                                                ? start + std::chrono::milliseconds(limits.movetimeMs / kShortShare + 1)
                                                : Clock::time_point::max();

    MateResult result;
    MateSearch& search = impl_->search;
    Board& b = impl_->board;
    search.resetNodes();
    const auto finish = [&] {
        result.nodes = search.nodes();
        result.timeMs = msSince();
        return result;
    };
    if (kingCount(p, Side::Lower) != 1 || kingCount(p, Side::Upper) != 1) return finish();
    b.set(p, attacker);
    ProofReader reader(impl_->table, stop);

    // One search; a proof is read back and confirmed at once (the table
    // holds it only until the next search). True when it found a mate.
    const auto attempt = [&](int bound, Clock::time_point until, std::uint64_t nodeLimit, DfpnOutcome& out) {
        out = search.run(b, bound, until, stop, nodeLimit);
        int plies = 0;
        if (out.kind == DfpnOutcome::Proven) {
            plies = reader.walk(b, p, bound);
            std::vector<xantu::Move> line = plies > 0 ? reader.line(b, p) : std::vector<xantu::Move>{};
            if (plies > 0 && static_cast<int>(line.size()) == plies && lineMates(p, attacker, line)) {
                result.status = MateStatus::Mate;
                result.plies = plies;
                result.line = std::move(line);
            } else {
                plies = 0;  // not confirmed: count it as open
                out.kind = DfpnOutcome::Open;
            }
        }
        if (onProgress) {
            const char* what = out.kind == DfpnOutcome::Proven      ? "mate"
                               : out.kind == DfpnOutcome::Disproven ? "none"
                                                                    : "open";
            onProgress(MateProgress{bound, what, plies, search.nodes(), msSince()});
        }
        return plies > 0;
    };
    const auto outOfTime = [&] {
        return stop.load(std::memory_order_relaxed) || Clock::now() >= deadline ||
               (limits.nodes != 0 && search.nodes() >= limits.nodes);
    };

    DfpnOutcome out;
    // Short mates first, the shortest first. Every search is exact: its
    // disproof shows there is no mate within its bound, and with no line cut
    // by the bound, none at all.
    int lo = 1;  // no mate shorter than this many plies
    for (const int bound : kShortBounds) {
        if (attempt(bound, shortDeadline < deadline ? shortDeadline : deadline, limits.nodes, out)) {
            result.shortest = lo == bound;
            return finish();
        }
        if (out.kind == DfpnOutcome::Disproven && !out.boundCut) {
            result.status = MateStatus::NoMate;
            return finish();
        }
        if (out.kind == DfpnOutcome::Open) break;
        lo = bound + 2;
    }
    if (outOfTime()) return finish();

    // Any mate up to the longest bound.
    if (!attempt(0, deadline, limits.nodes, out)) {
        if (out.kind == DfpnOutcome::Disproven && !out.boundCut) result.status = MateStatus::NoMate;
        return finish();
    }
    // Then shorter ones: each search halves the range between the shortest
    // length still open and the mate in hand. A search that would cost more
    // nodes than all before it is given up and the range moves above it;
    // once the range is used up that way, it opens again with four times
    // the budget.
    int exactLo = lo;  // below this, no mate: every search there was finished
    std::uint64_t scale = 1;
    while (result.plies - 2 >= exactLo && !outOfTime()) {
        if (result.plies - 2 < lo) {
            lo = exactLo;
            scale *= 4;
        }
        int half = (result.plies - 2 - lo) / 2;
        half -= half % 2;
        const int bound = lo + half;
        const std::uint64_t budget = std::max<std::uint64_t>(search.nodes(), 20000) * scale;
        std::uint64_t nodeLimit = search.nodes() + budget;
        if (limits.nodes != 0 && limits.nodes < nodeLimit) nodeLimit = limits.nodes;
        if (attempt(bound, deadline, nodeLimit, out)) continue;
        if (out.kind == DfpnOutcome::Disproven && bound + 2 > exactLo) exactLo = bound + 2;
        lo = bound + 2;
    }
    result.shortest = result.plies - 2 < exactLo;
    return finish();
}

MateResult solveMate(const Position& p, Side attacker, const MateLimits& limits, const std::atomic<bool>& stop,
                     const MateProgressSink& onProgress) {
    MateSolver solver(limits.tableMegabytes);
    return solver.solve(p, attacker, limits, stop, onProgress);
}

}  // namespace xantu::search
