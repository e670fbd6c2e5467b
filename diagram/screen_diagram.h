#pragma once
#include "diagram/diagram.h"

namespace xantu {

// The diagram as the game shows the board: its own drawing procedures, with
// the piece pictures on the board, both hand columns with their counts, the
// coordinate labels, the background theme of the content around them and
// the frame the game puts on the square of the last move. It is cut from
// the window's drawing at the board and the hands, and made at twice the
// size of the window at 100 %, from the pictures' sharper drawings.
Diagram screenDiagram(const DiagramContent& content);

}  // namespace xantu
