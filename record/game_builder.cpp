#include "record/game_builder.h"

#include "core/hand_rows.h"
#include "core/move_check.h"
#include "core/move_rules.h"

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
    g_ = GameState{};
    g_.manSide = kSente;
    g_.comSide = kGote;
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

std::string GameBuilder::play(int fromX, int fromY, int toX, int toY, int placed, bool drop) {
    const int piece = drop ? placed : pos_.board[fromX][fromY];
    saveEntry(result_.moveCount);
    MoveRecord rec;
    rec.drop = drop;
    rec.fromX = drop ? 0 : fromX;
    rec.fromY = drop ? 0 : fromY;
    rec.toX = toX;
    rec.toY = toY;
    rec.piece = piece;
    rec.promote = placed != piece;
    int unused = 0;
    rec.mayPromote = !drop && 調査_駒成(fromX, fromY, toX, toY, piece, unused) == 1;
    rec.captured = pos_.board[toX][toY];
    駒移動_局面(pos_, g_, fromX, fromY, toX, toY, placed);
    result_.moves.push_back(rec);
    ++result_.moveCount;
    return {};
}

std::string GameBuilder::boardMove(int fromX, int fromY, int toX, int toY, bool promote) {
    if (result_.moveCount >= kMaxKifMoves) return "指し手が多すぎます";
    if (g_.winnerSide != 0) return "玉が取られた後に指し手があります";
    const int sign = sideToMove() == kSente ? -1 : 1;
    const int piece = pos_.board[fromX][fromY];
    if (piece == kEmpty || (piece < 0) != (sign < 0)) return "移動元に手番の駒がありません";
    PawnFiles files;
    調査_2歩フラグ設定(pos_, files);
    if (移動チェック(pos_, files, fromX, fromY, toX, toY, piece) != 1) return "その駒はそこへ動けません";
    int promoted = 0;
    const bool may = 調査_駒成(fromX, fromY, toX, toY, piece, promoted) == 1;
    if (promote && !may) return "この駒は成れません";
    if (!promote && 移動後チェック(toY, piece) == 0) return "成らなければ動けない駒です";
    return play(fromX, fromY, toX, toY, promote ? promoted : piece, false);
}

std::string GameBuilder::drop(int kind, int toX, int toY) {
    if (result_.moveCount >= kMaxKifMoves) return "指し手が多すぎます";
    if (g_.winnerSide != 0) return "玉が取られた後に指し手があります";
    if (kind < 1 || kind > kHandKinds) return "この駒は打てません";
    const int sign = sideToMove() == kSente ? -1 : 1;
    const int* hand = sign < 0 ? pos_.ownHand : pos_.enemyHand;
    if (hand[kind] < 1) return "持駒にない駒は打てません";
    const int fromX = sign < 0 ? kLowerHandCol : kUpperHandCol;
    const int fromY = dropFromY(fromX, kind);
    const int piece = sign * kHandKindCode[kind];
    PawnFiles files;
    調査_2歩フラグ設定(pos_, files);
    if (移動チェック(pos_, files, fromX, fromY, toX, toY, piece) != 1) return "そこへは打てません";
    return play(fromX, fromY, toX, toY, piece, true);
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
