// go [--depth N] [--nodes N] [--movetime MS] SFEN: one LEVEL4 search of the
// position for the side to move; prints a progress line per iteration
// (`info depth D seldepth S score cp|mate N nodes N nps N time MS pv ...`)
// and then `bestmove USI` (or `bestmove resign`).
#include <atomic>
#include <cstdio>
#include <string>

#include "core/score_view.h"
#include "search/searcher.h"
#include "tools/engine/commands.h"
#include "tools/engine/sfen_args.h"

namespace xantu::engine {

int commandGo(const Args& args) {
    search::Limits limits;
    std::size_t i = 0;
    for (; i + 1 < args.size() && args[i].rfind("--", 0) == 0; i += 2) {
        const std::string& v = args[i + 1];
        if (v.empty() || v.size() > 9 || v.find_first_not_of("0123456789") != std::string::npos) break;
        const long n = std::stol(v);
        if (args[i] == "--depth")
            limits.depth = static_cast<int>(n);
        else if (args[i] == "--nodes")
            limits.nodes = static_cast<std::uint64_t>(n);
        else if (args[i] == "--movetime")
            limits.movetimeMs = static_cast<int>(n);
        else
            break;
    }
    if (i < args.size() && args[i].rfind("--", 0) == 0) {
        std::fprintf(stderr, "xantu-engine: go: usage: go [--depth N] [--nodes N] [--movetime MS] SFEN\n");
        return kExitBadInput;
    }
    if (limits.depth == 0 && limits.nodes == 0 && limits.movetimeMs == 0) limits.movetimeMs = 1000;
    const std::optional<SfenResult> r = readSfenArgs(Args(args.begin() + static_cast<long>(i), args.end()));
    if (!r) return kExitBadInput;
    search::Searcher searcher;
    const std::atomic<bool> stop{false};
    const Order toMove = usiOrder(r->side);
    const search::Result res = searcher.go(r->position, r->side, limits, stop, [toMove](const search::Info& info) {
        std::printf("info depth %d seldepth %d score %s nodes %llu nps %llu time %d pv %s\n", info.depth, info.selDepth,
                    ScoreView::of(info, toMove).usi(toMove).c_str(), static_cast<unsigned long long>(info.nodes),
                    static_cast<unsigned long long>(info.nps), info.timeMs, info.pv.c_str());
        std::fflush(stdout);
    });
    std::printf("bestmove %s\n", res.hasMove ? res.move.usi().c_str() : "resign");
    return 0;
}

}  // namespace xantu::engine
