#include "record/game_builder.h"

#include <vector>

#include "core/legal_moves.h"
#include "core/move_rules.h"
#include "record/move_notation.h"

namespace xantu {

GameBuilder::GameBuilder() { result_.list.entries.resize(501); }

std::string GameBuilder::start(const Position& p, int firstMover) {
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
            if (c != kEmpty && 移動後チェック(y, c) == 0) return "開始局面に動けない駒があります";
        }
    if (kings[0] != 1 || kings[1] != 1) return "開始局面の玉がそれぞれ1枚ではありません";
    if (const PositionFault f = s.fault(); f.broken()) {
        const bool tooMany =
            f.rule == PositionRule::PieceSet || (f.rule == PositionRule::HandCount && f.found > f.allowed);
        return tooMany ? "開始局面の駒の数が多すぎます" : "開始局面が正しくありません";
    }
    pos_ = s;
    kingTaken_ = false;
    firstMover_ = firstMover == kGote ? kGote : kSente;
    result_.firstMover = firstMover_;
    started_ = true;
    return {};
}

int GameBuilder::sideToMove() const { return result_.moveCount % 2 == 0 ? firstMover_ : -firstMover_; }

void GameBuilder::saveEntry(int k) {
    MoveListEntry& e = result_.list.entry(k);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) e.board[x][y] = pos_.board[x][y];
    for (int kind = 1; kind <= kHandKinds; ++kind) {
        e.ownHand[kind] = pos_.ownHand[kind];
        e.enemyHand[kind] = pos_.enemyHand[kind];
    }
    e.manSecondsBefore = e.manSecondsAfter = total_[0];
    e.comSecondsBefore = e.comSecondsAfter = total_[1];
    e.movedPiece = 0;
}

std::string GameBuilder::play(const Move& m) {
    saveEntry(result_.moveCount);
    result_.moves.push_back(toMoveRecord(pos_, m));
    kingTaken_ = absCode(playMove(pos_, m)) == kKing;
    ++result_.moveCount;
    return {};
}

std::string GameBuilder::boardMove(int fromX, int fromY, int toX, int toY, bool promote) {
    if (result_.moveCount >= kMaxKifMoves) return "指し手が多すぎます";
    if (kingTaken_) return "玉が取られた後に指し手があります";
    const Side side = sideToMove() == kSente ? Side::Lower : Side::Upper;
    const int piece = pos_.board[fromX][fromY];
    if (piece == kEmpty || sideOf(piece) != side) return "移動元に手番の駒がありません";
    // The allowed moves between the two squares: the piece as it is and
    // promoted, each where the rules allow it.
    const std::vector<Move> legal = legalMoves(pos_, side);
    const Move* plain = nullptr;
    const Move* promoting = nullptr;
    for (const Move& m : legal)
        if (!m.isDrop() && m.fromX == fromX && m.fromY == fromY && m.toX == toX && m.toY == toY)
            (m.promotes ? promoting : plain) = &m;
    if (const Move* chosen = promote ? promoting : plain) return play(*chosen);
    if (promote && plain != nullptr) return "この駒は成れません";
    if (!promote && promoting != nullptr) return "成らなければ動けない駒です";
    return "その駒はそこへ動けません";
}

std::string GameBuilder::drop(int kind, int toX, int toY) {
    if (result_.moveCount >= kMaxKifMoves) return "指し手が多すぎます";
    if (kingTaken_) return "玉が取られた後に指し手があります";
    if (kind < 1 || kind > kHandKinds) return "この駒は打てません";
    const Side side = sideToMove() == kSente ? Side::Lower : Side::Upper;
    if ((side == Side::Lower ? pos_.ownHand : pos_.enemyHand)[kind] < 1) return "持駒にない駒は打てません";
    for (const Move& m : legalMoves(pos_, side))
        if (m.isDrop() && m.dropKind == kind && m.toX == toX && m.toY == toY) return play(m);
    return "そこへは打てません";
}

void GameBuilder::addSeconds(double seconds) {
    if (result_.moveCount == 0 || !(seconds > 0)) return;
    const int mover = result_.moveCount % 2 == 1 ? firstMover_ : -firstMover_;
    const int side = mover == kSente ? 0 : 1;
    total_[side] += seconds;
    MoveListEntry& e = result_.list.entry(result_.moveCount - 1);
    (side == 0 ? e.manSecondsAfter : e.comSecondsAfter) = total_[side];
}

KifReadResult GameBuilder::finish() {
    saveEntry(result_.moveCount);
    result_.list.recordLength = 0;
    result_.list.lastEntry = result_.moveCount;
    result_.ok = true;
    return std::move(result_);
}

KifGame 作成_読込対局(const KifReadResult& r) {
    KifGame game = 作成_KIF対局(r.list, std::nullopt, kSente);
    if (r.moveCount == 0) game.firstMover = r.firstMover;
    game.startDateTime = r.startDateTime;
    game.event = r.event;
    game.senteName = r.senteName;
    game.goteName = r.goteName;
    if (r.winner != 0) game.winner = r.winner;
    return game;
}

}  // namespace xantu
