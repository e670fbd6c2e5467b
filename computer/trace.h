#pragma once
#include "computer/score.h"

namespace xantu {

// Where a search reports what it does, for the engine tool and for tests.
// Plain function pointers: a null sink (normal play) costs one test per
// term, and any pointer left null is simply not called.
struct TraceSink {
    void* context = nullptr;
    // An evaluation begins for the candidate (C, P, fx, fy, tx, ty).
    void (*evaluationBegins)(void* context, int C, int P, int fx, int fy, int tx, int ty) = nullptr;
    // One term applied, with the amount it changed the score by (for a
    // final "return X" the amount is what the return added to the score).
    void (*term)(void* context, const char* label, Score amount) = nullptr;
    // The evaluation's result.
    void (*evaluationEnds)(void* context, Score result) = nullptr;
    // One candidate scored, after the promotion choice: origin (-1 and the
    // hand kind for a drop), destination, the code placed, its score.
    void (*candidate)(void* context, int fx, int fy, int tx, int ty, int placed, Score score) = nullptr;
};

}  // namespace xantu
