#pragma once
// The running score of one evaluation, with its optional trace.
#include "computer/eval_context.h"
#include "computer/evaluation_terms.h"
#include "computer/score.h"

namespace xantu::eval {

struct Sheet {
    const TraceSink* trace = nullptr;
    Score s = 0;

    void add(Term t, Score amount) {
        s += amount;
        if (trace != nullptr && trace->term != nullptr) trace->term(trace->context, labelOf(t), amount);
    }
    // Ends the evaluation with the score plus `amount`.
    Score finish(Term t, Score amount) {
        add(t, amount);
        return s;
    }
    // Ends the evaluation with a fixed result, whatever was summed so far.
    Score sentinel(Term t, Score result) { return finish(t, result - s); }
};

// The candidate as the rules read it.
struct Move {
    int C, P, fx, fy, tx, ty;
    bool drop;   // from COM's hand
    bool check;  // MAN's king is attacked after the move
};

// The piece terms (the part of the list after the level cut-offs), ending
// with the final result.
Score pieceTerms(const EvalContext& e, const Move& mv, Sheet& sheet);

}  // namespace xantu::eval
