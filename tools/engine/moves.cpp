// moves SFEN: every move and drop the move check allows for the side to move,
// in generation order, one line each: FX FY TX TY CODE USI.
#include <cstdio>

#include "core/legal_moves.h"
#include "tools/engine/sfen_args.h"

namespace xantu::engine {

std::string moveColumns(const Move& m) {
    char line[64];
    std::snprintf(line, sizeof line, "%d %d %d %d %d", m.isDrop() ? m.originX() : m.fromX,
                  m.isDrop() ? m.dropKind : m.fromY, m.toX, m.toY, m.placed);
    return line;
}

int commandMoves(const Args& args) {
    const std::optional<SfenResult> r = readSfenArgs(args);
    if (!r) return kExitBadInput;
    for (const Move& m : legalMoves(r->position, r->side))
        std::printf("%s %s\n", moveColumns(m).c_str(), m.usi().c_str());
    return 0;
}

}  // namespace xantu::engine
