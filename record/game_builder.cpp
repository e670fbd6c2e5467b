#include "record/game_builder.h"

#include <vector>

#include "core/legal_moves.h"
#include "core/move_rules.h"
#include "record/kif_reader.h"

namespace xantu {

RecordProblemCode GameBuilder::start(const Position& p, int firstMover) {
    Position s = p;
    s.ownHandTotal = s.enemyHandTotal = 0;
    for (int k = 1; k <= kHandKinds; ++k) {
        s.ownHandTotal += s.ownHand[k];
        s.enemyHandTotal += s.enemyHand[k];
    }
    int kings[2] = {0, 0};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int c = s.board[x][y];
            if (c == -kKing) {
                ++kings[0];
                s.manKingX = x;
                s.manKingY = y;
            }
            if (c == kKing) ++kings[1];
            // A piece that could never move again cannot stand there.
            if (c != kEmpty && 移動後チェック(y, c) == 0) return RecordProblemCode::StartStrandedPiece;
        }
    if (kings[0] != 1 || kings[1] != 1) return RecordProblemCode::StartKings;
    if (const PositionFault f = s.fault(); f.broken()) {
        const bool tooMany =
            f.rule == PositionRule::PieceSet || (f.rule == PositionRule::HandCount && f.found > f.allowed);
        return tooMany ? RecordProblemCode::StartTooManyPieces : RecordProblemCode::StartInvalid;
    }
    pos_ = s;
    kingTaken_ = false;
    開始_棋譜(game_, s, firstMover == kGote ? kGote : kSente);
    last_ = kRecordRoot;
    moves_ = 0;
    started_ = true;
    return RecordProblemCode::None;
}

int GameBuilder::sideToMove() const { return 調査_手番(game_, moves_ + 1); }

RecordProblemCode GameBuilder::play(const Move& m) {
    last_ = 追加_変化(game_, last_, m, MoveClock{total_[0], total_[0], total_[1], total_[1]}, true);
    kingTaken_ = absCode(playMove(pos_, m)) == kKing;
    ++moves_;
    return RecordProblemCode::None;
}

RecordProblemCode GameBuilder::boardMove(int fromX, int fromY, int toX, int toY, bool promote) {
    if (moves_ >= kMaxKifMoves) return RecordProblemCode::TooManyMoves;
    if (kingTaken_) return RecordProblemCode::MoveAfterKingTaken;
    const Side side = sideToMove() == kSente ? Side::Lower : Side::Upper;
    const int piece = pos_.board[fromX][fromY];
    if (piece == kEmpty || sideOf(piece) != side) return RecordProblemCode::NoOwnPieceAtOrigin;
    // The allowed moves between the two squares: the piece as it is and
    // promoted, each where the rules allow it.
    const std::vector<Move> legal = legalMoves(pos_, side);
    const Move* plain = nullptr;
    const Move* promoting = nullptr;
    for (const Move& m : legal)
        if (!m.isDrop() && m.fromX == fromX && m.fromY == fromY && m.toX == toX && m.toY == toY)
            (m.promotes ? promoting : plain) = &m;
    if (const Move* chosen = promote ? promoting : plain) return play(*chosen);
    if (promote && plain != nullptr) return RecordProblemCode::CannotPromote;
    if (!promote && promoting != nullptr) return RecordProblemCode::MustPromote;
    return RecordProblemCode::CannotMoveThere;
}

RecordProblemCode GameBuilder::drop(int kind, int toX, int toY) {
    if (moves_ >= kMaxKifMoves) return RecordProblemCode::TooManyMoves;
    if (kingTaken_) return RecordProblemCode::MoveAfterKingTaken;
    if (kind < 1 || kind > kHandKinds) return RecordProblemCode::CannotDropPiece;
    const Side side = sideToMove() == kSente ? Side::Lower : Side::Upper;
    if ((side == Side::Lower ? pos_.ownHand : pos_.enemyHand)[kind] < 1) return RecordProblemCode::DropNotInHand;
    for (const Move& m : legalMoves(pos_, side))
        if (m.isDrop() && m.dropKind == kind && m.toX == toX && m.toY == toY) return play(m);
    return RecordProblemCode::CannotDropThere;
}

void GameBuilder::addSeconds(double seconds) {
    if (moves_ == 0 || !(seconds > 0)) return;
    const int side = 調査_手番(game_, moves_) == kSente ? 0 : 1;
    total_[side] += seconds;
    MoveClock& c = game_.nodes[static_cast<std::size_t>(last_)].clock;
    (side == 0 ? c.lowerAfter : c.upperAfter) = total_[side];
}

}  // namespace xantu
