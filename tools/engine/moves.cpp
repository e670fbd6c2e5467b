// moves SFEN: every move and drop the move check allows for the side to move,
// in generation order, one line each: FX FY TX TY CODE USI.
#include <cstdio>

#include "core/hand_rows.h"
#include "tools/engine/legal_moves.h"
#include "tools/engine/sfen_args.h"

namespace xantu::engine {

int commandMoves(const Args& args) {
    const std::optional<SfenResult> r = readSfenArgs(args);
    if (!r) return kExitBadInput;
    for (const LegalMove& m : legalMoves(r->position, r->side))
        std::printf("%d %d %d %d %d %s\n", m.fromX, m.fromY, m.toX, m.toY, m.code, m.usi.c_str());
    return 0;
}

}  // namespace xantu::engine
