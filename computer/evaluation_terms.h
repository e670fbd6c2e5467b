#pragma once
// The terms of the board evaluation, one label each. The evaluation names a
// term only through term(), which does not compile for a label missing from
// this table; the trace reports the label, and the tests pick terms out of
// the trace through the same table.
#include <cstddef>
#include <iterator>
#include <string_view>

namespace xantu::eval {

// Each label starts with the number of its step in the list of terms, so a
// trace reads in the order the evaluation runs.
inline constexpr const char* kTermLabels[] = {
    "1 king captured",
    "2 own king attacked",
    "3.1 pawn mate",
    "3.1 mate",
    "3.2 king-only attacker",
    "3.3 dragon-backed check",
    "3.4 unattacked check",
    "4 drop",
    "4 promotion",
    "5 danger squares",
    "6 approach (columns)",
    "6 approach (rows)",
    "7 pinned attacker",
    "8.1 beware MAN's bishop",
    "8.2 escape squares taken",
    "9.1 rook across the king",
    "9.2 exchange",
    "9.3 checker only the king attacks",
    "10 hanging drop",
    "11 edge lance",
    "12.1 major piece taken",
    "12.2 level 1",
    "12.3 defended capture",
    "12.3 trapped piece's capture",
    "12.4 free capture",
    "12.4 promoted minor",
    "13 level 2",
    "14.1 lance aim",
    "14.1 knight aim",
    "14.2 gold ahead",
    "14.2 rook ahead",
    "14.2 trapped piece ahead",
    "14.3 beside the rook",
    "14.4 shield before a piece",
    "14.4 pawn before MAN's bishop",
    "14.4 stop the file",
    "14.5 pawn move",
    "14.5 guarded by gold or silver",
    "14.5 backed by a lance",
    "14.5 backed by the rook",
    "14.5 piece two ahead",
    "14.5 MAN pawn ahead",
    "14.5 beside the bishop",
    "14.5 bishop's pawn target",
    "14.5 opening the bishop",
    "14.5 capture under the lance",
    "14.5 capture",
    "14.5 pawn taken before a lance or rook",
    "14.5 ahead: stronger",
    "14.5 ahead: a pawn",
    "14.5 ahead: was ours",
    "14.5 ahead: held",
    "14.5 ahead: quiet",
    "15 promoted pawn held",
    "16.1 knight aim",
    "16.2 pawn can block",
    "16.2 skewer",
    "16.3 quiet lance move",
    "16.3 lance takes lance",
    "16.3 lance trade",
    "17 knight",
    "17 square ahead attacked",
    "17 both jumps attacked",
    "17 blocks the bishop",
    "18.1 advance against MAN's silver",
    "18.1 straight advance",
    "18.2 in front of a knight",
    "18.3 silver to (7,3)",
    "19.1 diagonal step forward",
    "19.2 bishop left hanging",
    "19.3 gold to (7,2)",
    "19.3 guards the piece ahead",
    "19.3 guards the bishop's way",
    "20.1 surroundings",
    "20.2 bishop to (9,3)",
    "20.2 bishop to (7,3)",
    "20.2 shut in",
    "20.2 MAN pawn two ahead",
    "20.3 from (9,3)",
    "20.3 from (7,3)",
    "20.4 deep drop shut in",
    "20.4 edge drop",
    "20.4 drop on (4,5)",
    "21 surroundings",
    "22.1 surroundings",
    "22.2 back-rank drop",
    "22.3 rook to (3,4)",
    "22.3 square ahead attacked",
    "22.3 sideways before a pawn",
    "22.3 guard of (8,row) lost",
    "22.3 left the row",
    "22.3 (2,2) to (2,3)",
    "22.3 rook shut in",
    "22.3 rook by the king",
    "23.1 surroundings",
    "23.2 before a silver beside a gold",
    "23.3 left of the silver",
    "23.3 right of the silver",
    "23.4 into (3,9)",
    "23.4 into (7,9)",
    "23.5 dragon by the king",
    "24.1 king forward",
    "24.2 off the centre file",
    "24.3 unpins",
    "24.4 better guarded",
    "24.5 king boxed in",
};
inline constexpr int kTermCount = static_cast<int>(std::size(kTermLabels));

// One term of the evaluation: its row in kTermLabels.
struct Term {
    int index;
};

// The term with this label, found while compiling.
consteval Term term(std::string_view label) {
    for (int i = 0; i < kTermCount; ++i)
        if (label == kTermLabels[i]) return Term{i};
    throw "no term of the evaluation has this label";
}

inline constexpr const char* labelOf(Term t) { return kTermLabels[t.index]; }

namespace detail {
consteval bool labelsAreDistinct() {
    for (int i = 0; i < kTermCount; ++i)
        for (int j = i + 1; j < kTermCount; ++j)
            if (std::string_view(kTermLabels[i]) == kTermLabels[j]) return false;
    return true;
}
}  // namespace detail
static_assert(detail::labelsAreDistinct(), "two terms of the evaluation share a label");

}  // namespace xantu::eval
