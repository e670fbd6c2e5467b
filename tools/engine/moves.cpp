// moves SFEN: every move and drop the move check allows for the side to move,
// in generation order, one line each: FX FY TX TY CODE USI.
#include <cstdio>
#include <string>

#include "core/move_check.h"
#include "core/move_rules.h"
#include "tools/engine/sfen_args.h"
#include "core/hand_rows.h"

namespace xantu::engine {

namespace {
void printLine(int fx, int fy, int tx, int ty, int code, const std::string& usi) {
    std::printf("%d %d %d %d %d %s\n", fx, fy, tx, ty, code, usi.c_str());
}
}  // namespace

int commandMoves(const Args& args) {
    const std::optional<SfenResult> r = readSfenArgs(args);
    if (!r) return kExitBadInput;
    const Position& p = r->position;
    const bool lower = r->side == Side::Lower;
    const auto own = [lower](int code) { return lower ? isLower(code) : isUpper(code); };

    PawnFiles none;  // board moves do not read the two-pawn flags
    for (int fx = 1; fx <= 9; ++fx)
        for (int fy = 1; fy <= 9; ++fy) {
            const int piece = p.board[fx][fy];
            if (!own(piece)) continue;
            for (int tx = 1; tx <= 9; ++tx)
                for (int ty = 1; ty <= 9; ++ty) {
                    if (移動チェック(p, none, fx, fy, tx, ty, piece) == 0) continue;
                    int promoted = 0;
                    const bool may = 調査_駒成(fx, fy, tx, ty, piece, promoted) == 1;
                    const bool must = may && 移動後チェック(ty, piece) == 0;
                    if (!must) printLine(fx, fy, tx, ty, piece, usiMove(fx, fy, tx, ty, false));
                    if (may) printLine(fx, fy, tx, ty, promoted, usiMove(fx, fy, tx, ty, true));
                }
        }

    PawnFiles files;
    調査_2歩フラグ設定(p, files);
    const int handCol = lower ? kLowerHandCol : kUpperHandCol;
    const int* hand = lower ? p.ownHand : p.enemyHand;
    for (int kind = 1; kind <= kHandKinds; ++kind) {
        if (hand[kind] <= 0) continue;
        const int piece = lower ? -kHandKindCode[kind] : kHandKindCode[kind];
        // The origin a drop of this kind names, as the move check's callers pass it.
        const int row = dropFromY(handCol, kind);
        for (int tx = 1; tx <= 9; ++tx)
            for (int ty = 1; ty <= 9; ++ty)
                if (移動チェック(p, files, handCol, row, tx, ty, piece) == 1)
                    printLine(handCol, kind, tx, ty, piece, usiMove(handCol, kind, tx, ty));
    }
    return 0;
}

}  // namespace xantu::engine
