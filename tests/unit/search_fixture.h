#pragma once
// Shared helpers of the computer-player tests: positions from SFEN, the
// state of a turn start, and the candidates of a whole search.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "computer/eval_context.h"
#include "computer/evaluation_terms.h"
#include "computer/one_ply_player.h"
#include "computer/trace.h"
#include "core/move_rules.h"
#include "core/sfen.h"
#include "influence/influence_map.h"

namespace xantu::testing {

// A composed position: it may hold more of a kind than a set has.
inline Position positionOf(const char* sfen) {
    const SfenResult r = parseSfen(sfen, SetBound::Waived);
    EXPECT_TRUE(r.ok) << sfen << ": " << r.error;
    return r.position;
}

// A Position with one survey on a fresh map and the two-pawn flags set, as
// the analyses see it. Turn-start tables stay zero unless a test fills them.
struct Surveyed {
    Position p;
    InfluenceMap m{};
    TurnState t{};
    explicit Surveyed(const char* sfen) : p(positionOf(sfen)) {
        勢力調査(p, m);
        調査_2歩フラグ設定(p, t.pawnFiles);
    }
    EvalContext context(int level = 3) { return EvalContext{p, m, t, level, nullptr}; }
};

struct Candidate {
    int fx, fy, tx, ty, placed;
    Score score;
};

struct Term {
    std::string label;
    Score amount;
};

// Everything a fresh think reports: candidates in order, the terms and
// result of every evaluation (one list per evaluation, in order).
struct Recorded {
    std::vector<Candidate> candidates;
    std::vector<std::vector<Term>> evaluations;
    std::vector<Score> results;
    std::vector<int> placedEvaluated;  // P of each evaluation
    std::vector<int> originEvaluated;  // origin and destination of each evaluation, packed
    ThinkOutcome outcome;

    const Candidate* find(int fx, int fy, int tx, int ty) const {
        for (const Candidate& c : candidates)
            if (c.fx == fx && c.fy == fy && c.tx == tx && c.ty == ty) return &c;
        return nullptr;
    }
    // The terms of the evaluations of one candidate (two for an optional promotion).
    std::vector<std::vector<Term>> termsOf(int fx, int fy, int tx, int ty) const {
        std::vector<std::vector<Term>> out;
        const int key = pack(fx, fy, tx, ty);
        for (std::size_t i = 0; i < evaluations.size(); ++i)
            if (originEvaluated[i] == key) out.push_back(evaluations[i]);
        return out;
    }
    static int pack(int fx, int fy, int tx, int ty) { return ((fx + 1) * 1000) + fy * 100 + tx * 10 + ty; }
};

inline Recorded thinkRecorded(const char* sfen, int level = 3) {
    Recorded r;
    TraceSink sink;
    sink.context = &r;
    sink.candidate = [](void* c, int fx, int fy, int tx, int ty, int placed, Score s) {
        static_cast<Recorded*>(c)->candidates.push_back({fx, fy, tx, ty, placed, s});
    };
    sink.evaluationBegins = [](void* c, int, int P, int fx, int fy, int tx, int ty) {
        Recorded& rec = *static_cast<Recorded*>(c);
        rec.evaluations.emplace_back();
        rec.placedEvaluated.push_back(P);
        rec.originEvaluated.push_back(Recorded::pack(fx, fy, tx, ty));
    };
    sink.term = [](void* c, const char* label, Score amount) {
        static_cast<Recorded*>(c)->evaluations.back().push_back({label, amount});
    };
    sink.evaluationEnds = [](void* c, Score s) { static_cast<Recorded*>(c)->results.push_back(s); };
    r.outcome = thinkFromFreshState(positionOf(sfen), level, &sink);
    return r;
}

// A term of the evaluation named by its full label, checked against the
// evaluation's own table while compiling: a test that names a term the
// evaluation no longer has does not build.
struct TermName {
    consteval TermName(const char* label) : label(eval::labelOf(eval::term(label))) {}
    const char* label;
};

// The amount of the named term, or a marker when it was not applied.
inline constexpr Score kAbsent = -123456789;
inline Score termAmount(const std::vector<Term>& terms, TermName name) {
    for (const Term& t : terms)
        if (t.label == name.label) return t.amount;
    return kAbsent;
}

}  // namespace xantu::testing
