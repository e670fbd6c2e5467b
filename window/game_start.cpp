#include "window/game_window.h"

namespace xantu {

void GameWindow::startTurnClock() {
    clk.turnStartTime = plat.clock.now();
    if (plat.menus.checked("KEIKA")) plat.clock.setTimerEnabled(true);
}

void GameWindow::START_Click() {
    if (g.winnerSide != 0) {
        初期設定();
        plat.canvas.refresh();
    }
    const bool isNew = g.moveNumber == 0 || g.sideToMove == 0;
    // Clear what a viewed record left below the board, the level label and any guidance.
    描画_棋譜読込み部分消去();
    screen.背景桝(-2, 0);
    screen.背景桝(-1, 0);
    screen.背景桝(0, 0);
    screen.描画_将棋盤桝();
    // The mover's clock starts.
    startTurnClock();
    // Two people on one board.
    g.vsComputer = 0;
    // A new game starts a new move list: 進 must not step into the last game's.
    if (isNew) moves.lastEntry = 0;
    // A new game starts with 先手; a game under way names the side to move.
    if (isNew) {
        g.manSide = kSente;
        g.comSide = kGote;
        g.sideToMove = kSente;
        message("先手の番です", " ");
    } else {
        message(g.sideToMove == kSente ? "先手の番です" : "後手の番です", " ");
    }
    g.paused = 0;
}

void GameWindow::SENTE_Click() {
    if (g.winnerSide != 0) 初期設定();
    const bool isNew = g.moveNumber == 0 || g.sideToMove == 0;
    const bool comToMove = !isNew && g.sideToMove == g.comSide;
    // Clear what a viewed record left, show the level, clear any guidance.
    描画_棋譜読込み部分消去();
    screen.描画_レベル(g.comLevel);
    screen.描画_将棋盤桝();
    // A game against the computer from the Position on the board.
    g.selectPhase = 0;
    g.vsComputer = 1;
    g.recordMode = 0;
    g.gameStartMove = g.moveNumber;
    if (isNew) moves.lastEntry = 0;
    // The clock runs from now.
    clk.turnStartTime = plat.clock.now();
    plat.clock.setTimerEnabled(true);
    if (isNew) {
        // A new game: MAN is 先手 and moves first.
        g.manSide = kSente;
        g.comSide = kGote;
        g.sideToMove = kSente;
        message("MANの番です", " ");
        g.paused = 0;
    } else if (!comToMove) {
        // MAN keeps the move and is now 先手.
        g.manSide = kSente;
        g.comSide = kGote;
        g.sideToMove = kSente;
        message("MANの番です", "対局");
        g.paused = 0;
    } else {
        // The computer is to move: it moves now.
        com_ban();
    }
}

void GameWindow::GOTE_Click() {
    if (g.winnerSide != 0) 初期設定();
    const bool isNew = g.moveNumber == 0 || g.sideToMove == 0;
    // Clear what a viewed record left, show the level, clear any guidance.
    描画_棋譜読込み部分消去();
    screen.描画_レベル(g.comLevel);
    screen.描画_将棋盤桝();
    // A game against the computer from the Position on the board, the clock running.
    plat.clock.setTimerEnabled(true);
    g.selectPhase = 0;
    g.vsComputer = 1;
    g.recordMode = 0;
    g.gameStartMove = g.moveNumber;
    if (isNew) moves.lastEntry = 0;
    if (isNew) {
        // The computer makes the first move.
        g.manSide = kGote;
        g.comSide = kSente;
        g.sideToMove = kSente;
        com_ban();
    } else if (g.sideToMove == g.manSide) {
        // MAN is to move: say so.
        message("MANの番です", "対局");
        g.paused = 0;
    } else {
        // The computer is to move: it moves now.
        com_ban();
    }
}

}  // namespace xantu
