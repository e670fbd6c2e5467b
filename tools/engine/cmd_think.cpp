// think [--level N] [--trace] [--terms] SFEN: the move the computer would
// play for the upper side, from a fresh state, without making it.
//   --trace  one line per candidate scored: cand FX FY TX TY P SCORE
//   --terms  every evaluation term with its amount, on stderr
#include <cstdio>
#include <string>

#include "computer/one_ply_player.h"
#include "computer/trace.h"
#include "tools/engine/sfen_args.h"

namespace xantu::engine {

namespace {

// Candidate lines are kept until the search is over: the commated line,
// known only once the search has begun, comes first.
void keepCandidate(void* context, int fx, int fy, int tx, int ty, int placed, Score s) {
    char line[96];
    std::snprintf(line, sizeof line, "cand %d %d %d %d %d %s\n", fx, fy, tx, ty, placed, formatScore(s).c_str());
    *static_cast<std::string*>(context) += line;
}
void printEvaluationBegins(void*, int C, int P, int fx, int fy, int tx, int ty) {
    std::fprintf(stderr, "eval C=%d P=%d %d %d -> %d %d\n", C, P, fx, fy, tx, ty);
}
void printTerm(void*, const char* label, Score amount) {
    std::fprintf(stderr, "  %s %s\n", label, formatScore(amount).c_str());
}
void printEvaluationEnds(void*, Score s) { std::fprintf(stderr, "  = %s\n", formatScore(s).c_str()); }

}  // namespace

int commandThink(const Args& args) {
    int level = 3;
    bool trace = false, terms = false;
    std::size_t i = 0;
    for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
        if (args[i] == "--trace") {
            trace = true;
        } else if (args[i] == "--terms") {
            terms = true;
        } else if (args[i] == "--level" && i + 1 < args.size() &&
                   (args[i + 1] == "1" || args[i + 1] == "2" || args[i + 1] == "3")) {
            level = args[++i][0] - '0';
        } else {
            std::fprintf(stderr, "xantu-engine: think: bad option '%s' (--level 1|2|3, --trace, --terms)\n",
                         args[i].c_str());
            return kExitBadInput;
        }
    }
    std::optional<SfenResult> r = readSfenArgs(Args(args.begin() + static_cast<long>(i), args.end()));
    if (!r) return kExitBadInput;

    std::string candidates;
    TraceSink sink;
    sink.context = &candidates;
    if (trace) sink.candidate = keepCandidate;
    if (terms) {
        sink.evaluationBegins = printEvaluationBegins;
        sink.term = printTerm;
        sink.evaluationEnds = printEvaluationEnds;
    }
    const ThinkOutcome out = thinkFromFreshState(r->position, level, (trace || terms) ? &sink : nullptr);
    std::printf("commated %d\n", out.commated);
    std::fputs(candidates.c_str(), stdout);
    const SearchResult& s = out.search;
    if (!s.found) {
        std::printf("best none\n");
        return 0;
    }
    std::printf("best %s %s %s\n", moveColumns(s.move).c_str(), formatScore(s.score).c_str(), s.move.usi().c_str());
    return 0;
}

}  // namespace xantu::engine
