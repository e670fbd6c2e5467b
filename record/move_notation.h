#pragma once
// Moves as text. A move is first taken apart once, on the Position it is
// played from, into its tokens (the piece, the squares, a promotion made or
// declined, a drop, 同); each written form is then a formatter of those
// tokens:
//   - the screen's Japanese with its origin square, as the move list and the
//     analysis show it: "▲７六歩(77)", "△同　奔(33)", "▲５五角打", "▲２二角成(88)".
//     In this variant a pawn moves like a rook, so the origin is often the
//     only way to tell which piece went where;
//   - the KIF move column, in the names every shogi reader knows;
//   - CSA ("+7776FU") and USI ("7g7f").
// A new written form is one more formatter; the readers never change for it.
#include <string>
#include <string_view>

#include "core/move.h"
#include "core/position.h"

namespace xantu {

// How squares are numbered. AsDrawn: file 10 − x, rank y, as the board's
// labels show them. UpperSideFirst: the board seen from the upper side
// (file x, rank 10 − y), the view of a file when 先手 sat on the upper side,
// since every record numbers squares from 先手's seat.
enum class NotationView { AsDrawn, UpperSideFirst };

// A move taken apart. Squares are board squares as drawn (x from the left, y
// from the top); the formatters number them for their view.
struct MoveTokens {
    bool drop = false;
    int fromX = 0, fromY = 0;  // origin; 0, 0 for a drop
    int toX = 0, toY = 0;
    int piece = 0;          // signed code that moved (for a drop, the unpromoted code)
    int placed = 0;         // signed code standing on the destination afterwards
    bool promote = false;   // the piece was promoted by this move (成)
    bool declined = false;  // promotion was possible and was not made (不成)
    bool same = false;      // the destination is the previous move's (同)
    int captured = 0;       // signed code taken on the destination, 0 for none
};

// The tokens of `m` played from `before`. `prevToX`, `prevToY` is the
// destination of the move before it (0, 0 for the first move of a game).
MoveTokens 作成_指し手要素(const Position& before, const Move& m, int prevToX, int prevToY);

// The screen's Japanese: `moverOrder` +1 writes "▲" (先手), −1 "△" (後手),
// 0 no mark. Piece names: 歩 香 桂 銀 金 角 飛 玉, promoted 奔 成香 成桂 成銀 馬 龍.
std::string 表記_画面(const MoveTokens& t, int moverOrder, NotationView view = NotationView::AsDrawn);

// The KIF move column: as the screen's without a mark, but "と" for a
// promoted pawn ("奔" is this program's own name, which other readers refuse
// or misread) and no "不成", which the origin written after it makes
// redundant and which the most used readers refuse.
std::string 表記_KIF(const MoveTokens& t, NotationView view = NotationView::AsDrawn);

// CSA: "+7776FU", "-0055KA" ("+" for 先手), the piece as it stands after the move.
std::string 表記_CSA(const MoveTokens& t, NotationView view = NotationView::AsDrawn);

// USI: "7g7f", "8h2b+", "P*5e".
std::string 表記_USI(const MoveTokens& t, NotationView view = NotationView::AsDrawn);

// The screen's Japanese of `m` played from `before`, in one call.
std::string 作成_指し手表記(const Position& before, const Move& m, int moverOrder, int prevToX, int prevToY,
                            NotationView view = NotationView::AsDrawn);

// The notation name of a piece code, either sign ("歩", "奔", "成香", "玉"…);
// empty for anything else.
std::string 指し手駒名(int code);

// The two-letter CSA name of a piece code, either sign ("FU", "TO", "RY"…);
// empty for anything else.
std::string_view CSA駒名(int code);

// Full-width file digit ("１".."９") and kanji rank ("一".."九") of 1..9.
std::string 全角数字(int n);
std::string 漢数字(int n);

}  // namespace xantu
