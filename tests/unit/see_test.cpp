// The exchange evaluation on hand-made exchanges: a defended piece, sliders
// lined up behind each other, a king that may only take last, a lost drop.
#include <gtest/gtest.h>

#include "search/eval.h"
#include "search/movegen.h"
#include "search/see.h"

namespace xantu::search {
namespace {

// The exchange's exact value v: at least v, not at least v + 1.
void expectExchange(const char* sfen, const char* usi, int value) {
    Board b;
    ASSERT_TRUE(b.fromSfen(sfen)) << sfen;
    const Move m = parseUsiMove(b, usi);
    ASSERT_NE(m, 0u) << usi;
    EXPECT_TRUE(seeGE(b, m, value)) << sfen << ' ' << usi;
    EXPECT_FALSE(seeGE(b, m, value + 1)) << sfen << ' ' << usi;
}

TEST(StaticExchange, CountsEachSideItsLeastValuablePieceAndTheRaysBehind) {
    const int pawn = gCaptureValue[kP], gold = gCaptureValue[kG], rook = gCaptureValue[kR];
    // A rook takes a pawn that a gold defends: the gold takes the rook.
    expectExchange("k8/9/9/4g4/4p4/9/9/4R4/8K b - 1", "5h5e", pawn - rook);
    // A second rook behind the first takes the gold back (taking the first
    // rook still beats leaving it there for the upper side).
    expectExchange("k8/9/9/4g4/4p4/9/9/4R4/4R3K b - 1", "5h5e", pawn - rook + gold);
    // An upper lance behind the gold answers the second rook: the lower side
    // stops after losing its first rook.
    expectExchange("k3l4/9/9/4g4/4p4/9/9/4R4/4R3K b - 1", "5h5e", pawn - rook);
    // The king takes back when nothing else can ...
    expectExchange("9/9/9/4k4/4p4/9/9/4R4/8K b - 1", "5h5e", pawn - rook);
    // ... but not into the second rook's reach.
    expectExchange("9/9/9/4k4/4p4/9/9/4R4/4R3K b - 1", "5h5e", pawn);
    // A gold dropped where the pawn takes it, the rook taking the pawn back.
    expectExchange("k8/9/9/4g4/4p4/9/9/4R4/8K b G 1", "G*5f", pawn - gold);
}

}  // namespace
}  // namespace xantu::search
