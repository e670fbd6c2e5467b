#pragma once
// One move of a game in the usual Japanese form with its origin square:
// "▲７六歩(77)", "△同　奔(33)", "▲５五角打", "▲２二角成(88)". In this variant a
// pawn moves like a rook, so the origin is often the only way to tell which
// piece went where; the move list, the KIF files and the engine's outputs all
// write moves with this one function.
#include <optional>
#include <string>

#include "core/move.h"
#include "core/position.h"

namespace xantu {

// A move as it changed the Position. Squares are board squares (x from the
// left as drawn, y from the top).
struct MoveRecord {
    bool drop = false;
    int fromX = 0, fromY = 0;  // origin; 0, 0 for a drop
    int toX = 0, toY = 0;
    int piece = 0;            // signed code that moved (for a drop, the unpromoted code)
    bool promote = false;     // the piece was promoted by this move
    bool mayPromote = false;  // promotion was possible (a move that declined it is written "不成")
    int captured = 0;         // signed code taken on the destination, 0 for none
};

// How squares are numbered. AsDrawn: file 10 − x, rank y, as the board's
// labels show them. UpperSideFirst: the board seen from the upper side
// (file x, rank 10 − y), the view of a KIF file when the upper side moved
// first, since KIF numbers every square from the first player's seat.
enum class NotationView { AsDrawn, UpperSideFirst };

// Finds the one move (board move or drop, with its promotion and capture)
// that turns `before` into `after`; no value when no single move does.
std::optional<MoveRecord> 調査_指し手(const Position& before, const Position& after);

// The notation of `m`. `moverOrder` is the mover's order value (+1 先手 "▲",
// −1 後手 "△"); 0 writes no mark (the KIF move column). A destination equal to
// the previous move's (prevToX, prevToY) is written "同　"; pass 0, 0 for the
// first move. Piece names: 歩 香 桂 銀 金 角 飛 玉, promoted 奔 成香 成桂 成銀 馬 龍.
std::string 作成_指し手表記(const MoveRecord& m, int moverOrder, int prevToX, int prevToY,
                            NotationView view = NotationView::AsDrawn);

// A move given as a Move, on the Position it is played from: the same
// record and notation as the change it makes would give.
MoveRecord toMoveRecord(const Position& before, const Move& m);
std::string 作成_指し手表記(const Position& before, const Move& m, int moverOrder, int prevToX, int prevToY,
                            NotationView view = NotationView::AsDrawn);

// The notation name of a piece code, either sign ("歩", "奔", "成香", "玉"…);
// empty for anything else.
std::string 指し手駒名(int code);

// Full-width file digit ("１".."９") and kanji rank ("一".."九") of 1..9.
std::string 全角数字(int n);
std::string 漢数字(int n);

}  // namespace xantu
