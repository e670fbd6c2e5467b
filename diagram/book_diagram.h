#pragma once
#include "diagram/diagram.h"

namespace xantu {

// The diagram as a book prints it: black on white, a 9×9 grid in a heavy
// frame, the files ９..１ above it and the ranks 一..九 on its right, each
// piece as its kanji (the upper side's turned upside down), 後手's hand
// written above the board and 先手's below it, the square of the last move
// shaded, and the caption under everything.
Diagram bookDiagram(const DiagramContent& content);

// The one-kanji name a book diagram gives a piece on the board: 歩 香 桂 銀
// 金 角 飛, 玉 for 先手's king and 王 for 後手's, promoted 奔 杏 圭 全 馬 龍.
std::string bookPieceName(int code);

// A hand as a diagram writes it: "▲先手 持駒：飛 歩二", "△後手 持駒：なし".
// `hand` holds the counts by kind 1..7 (pawn .. rook).
std::string bookHandLine(bool sente, const int (&hand)[8]);

}  // namespace xantu
