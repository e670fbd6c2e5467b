// mate [--movetime MS] SFEN: 詰み探索 for the side to move. One progress line
// per bounded search (`info bound B result mate|none|open plies N nodes N
// time MS`, bound 0 for none), then the last line: `mate N USI…` (N plies up
// to and including the king's capture, then the line), `nomate` or `unknown`.
#include <atomic>
#include <cstdio>
#include <string>

#include "search/mate_solver.h"
#include "tools/engine/commands.h"
#include "tools/engine/sfen_args.h"

namespace xantu::engine {

int commandMate(const Args& args) {
    search::MateLimits limits;
    std::size_t i = 0;
    if (!args.empty() && args[0] == "--movetime") {
        const std::string v = args.size() > 1 ? args[1] : "";
        if (v.empty() || v.size() > 9 || v.find_first_not_of("0123456789") != std::string::npos) {
            std::fprintf(stderr, "xantu-engine: mate: usage: mate [--movetime MS] SFEN\n");
            return kExitBadInput;
        }
        limits.movetimeMs = std::stoi(v);
        i = 2;
    }
    const std::optional<SfenResult> r = readSfenArgs(Args(args.begin() + static_cast<long>(i), args.end()));
    if (!r) return kExitBadInput;
    const std::atomic<bool> stop{false};
    const search::MateResult res =
        search::solveMate(r->position, r->side, limits, stop, [](const search::MateProgress& step) {
            std::printf("info bound %d result %s plies %d nodes %llu time %d\n", step.boundPlies, step.outcome,
                        step.matePlies, static_cast<unsigned long long>(step.nodes), step.timeMs);
            std::fflush(stdout);
        });
    std::printf("info nodes %llu time %d%s\n", static_cast<unsigned long long>(res.nodes), res.timeMs,
                res.status == search::MateStatus::Mate && !res.shortest ? " shortest unproven" : "");
    switch (res.status) {
    case search::MateStatus::Mate: std::printf("mate %d %s\n", res.plies, res.lineUsi().c_str()); break;
    case search::MateStatus::NoMate: std::printf("nomate\n"); break;
    case search::MateStatus::Unknown: std::printf("unknown\n"); break;
    }
    return 0;
}

}  // namespace xantu::engine
