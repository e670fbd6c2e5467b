#include "core/legal_moves.h"

#include "core/game_state.h"
#include "core/hand_rows.h"
#include "core/move_check.h"
#include "core/move_rules.h"

namespace xantu {

std::vector<Move> legalMoves(const Position& p, Side side) {
    std::vector<Move> out;
    const bool lower = side == Side::Lower;
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
                    if (!must) out.push_back(Move::boardMove(fx, fy, tx, ty, piece, false));
                    if (may) out.push_back(Move::boardMove(fx, fy, tx, ty, promoted, true));
                }
        }

    PawnFiles files;
    調査_2歩フラグ設定(p, files);
    const int handCol = lower ? kLowerHandCol : kUpperHandCol;
    const int* hand = lower ? p.ownHand : p.enemyHand;
    for (int kind = 1; kind <= kHandKinds; ++kind) {
        if (hand[kind] <= 0) continue;
        const int piece = sign(side) * kHandKindCode[kind];
        const int row = dropFromY(handCol, kind);
        for (int tx = 1; tx <= 9; ++tx)
            for (int ty = 1; ty <= 9; ++ty)
                if (移動チェック(p, files, handCol, row, tx, ty, piece) == 1)
                    out.push_back(Move::drop(side, kind, tx, ty));
    }
    return out;
}

const Move* findMove(const std::vector<Move>& moves, std::string_view usi) {
    for (const Move& m : moves)
        if (m.usi() == usi) return &m;
    return nullptr;
}

namespace {

// A square of USI text ("7g"): file 1..9 is x = 10 - file, rank a..i is y 1..9.
bool usiSquareAt(std::string_view text, std::size_t at, int& x, int& y) {
    if (text.size() < at + 2) return false;
    const char file = text[at], rank = text[at + 1];
    if (file < '1' || file > '9' || rank < 'a' || rank > 'i') return false;
    x = 10 - (file - '0');
    y = rank - 'a' + 1;
    return true;
}

}  // namespace

std::optional<Move> legalMove(const Position& p, Side side, std::string_view usi) {
    const bool lower = side == Side::Lower;
    int tx = 0, ty = 0;
    std::optional<Move> found;
    if (usi.size() == 4 && usi[1] == '*') {
        if (!usiSquareAt(usi, 2, tx, ty)) return std::nullopt;
        const int handCol = lower ? kLowerHandCol : kUpperHandCol;
        const int* hand = lower ? p.ownHand : p.enemyHand;
        for (int kind = 1; kind <= kHandKinds; ++kind) {
            if (hand[kind] <= 0) continue;
            const Move m = Move::drop(side, kind, tx, ty);
            if (m.usi() != usi) continue;
            PawnFiles files;
            調査_2歩フラグ設定(p, files);
            if (移動チェック(p, files, handCol, dropFromY(handCol, kind), tx, ty, m.placed) == 1) found = m;
            break;
        }
    } else if (usi.size() == 4 || (usi.size() == 5 && usi[4] == '+')) {
        int fx = 0, fy = 0;
        if (!usiSquareAt(usi, 0, fx, fy) || !usiSquareAt(usi, 2, tx, ty)) return std::nullopt;
        const int piece = p.board[fx][fy];
        if (!(lower ? isLower(piece) : isUpper(piece))) return std::nullopt;
        PawnFiles none;
        if (移動チェック(p, none, fx, fy, tx, ty, piece) == 0) return std::nullopt;
        // The same choice of forms as legalMoves makes.
        int promoted = 0;
        const bool may = 調査_駒成(fx, fy, tx, ty, piece, promoted) == 1;
        const bool must = may && 移動後チェック(ty, piece) == 0;
        const bool promotes = usi.size() == 5;
        if (promotes ? may : !must) found = Move::boardMove(fx, fy, tx, ty, promotes ? promoted : piece, promotes);
    }
    // The text must be the move's own (no other spelling is accepted).
    if (found && found->usi() != usi) return std::nullopt;
    return found;
}

int playMove(Position& p, const Move& m) {
    GameState g;  // only told a king was taken; the caller reads the capture
    return 駒移動_局面(p, g, m.originX(), m.originY(), m.toX, m.toY, m.placed);
}

}  // namespace xantu
