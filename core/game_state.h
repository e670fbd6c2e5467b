#pragma once
#include "opponent/opponent.h"

namespace xantu {

// Game-state values that sit beside the Position.
struct GameState {
    int sideToMove = 0;     // +1 先手 to move, -1 後手, 0 no game
    int manSide = -1;       // order value of the lower side
    int comSide = 1;        // order value of the upper side, always -manSide
    int winnerSide = 0;     // 0 while the game runs
    int vsComputer = 0;     // 1 against the computer, 0 two humans
    int moveNumber = 0;     // 手数
    int handicapLevel = 0;  // -10..+10
    // Who plays against the human: a built-in level (1..3 the one-ply
    // player, 4 the strong search) or a registered engine.
    Opponent opponent;
    // 0/1 flags
    int handicapSet = 0;
    int flipped = 0;
    int recordMode = 0;
    int paused = 0;
    // Mouse selection
    int selectPhase = 0;
    int selFromX = 0, selFromY = 0, selToX = 0, selToY = 0;
    int selPiece = 0;
    bool operator==(const GameState&) const = default;
};

}  // namespace xantu
