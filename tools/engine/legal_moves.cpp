#include "tools/engine/legal_moves.h"

#include "core/hand_rows.h"
#include "core/move_check.h"
#include "core/move_rules.h"

namespace xantu::engine {

std::vector<LegalMove> legalMoves(const Position& p, Side side) {
    std::vector<LegalMove> out;
    const bool lower = side == Side::Lower;
    const auto own = [lower](int code) { return lower ? isLower(code) : isUpper(code); };
    const auto add = [&out](int fx, int fy, int tx, int ty, int code, bool promotes) {
        out.push_back({fx, fy, tx, ty, code, promotes, usiMove(fx, fy, tx, ty, promotes)});
    };

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
                    if (!must) add(fx, fy, tx, ty, piece, false);
                    if (may) add(fx, fy, tx, ty, promoted, true);
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
                if (移動チェック(p, files, handCol, row, tx, ty, piece) == 1) add(handCol, kind, tx, ty, piece, false);
    }
    return out;
}

const LegalMove* findMove(const std::vector<LegalMove>& moves, std::string_view usi) {
    for (const LegalMove& m : moves)
        if (m.usi == usi) return &m;
    return nullptr;
}

GameState refereeState() {
    GameState g;
    g.manSide = kSente;
    g.comSide = kGote;
    return g;
}

void playMove(Position& p, GameState& g, const LegalMove& m) {
    // A drop lists its kind; the move names its origin as the rules do.
    const int fromY = m.fromX == kLowerHandCol ? dropFromY(kLowerHandCol, m.fromY) : m.fromY;
    駒移動_局面(p, g, m.fromX, fromY, m.toX, m.toY, m.code);
}

}  // namespace xantu::engine
