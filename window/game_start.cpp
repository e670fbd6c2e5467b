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
    // 1.
    描画_棋譜読込み部分消去();
    screen.背景桝(-2, 0);
    screen.背景桝(-1, 0);
    screen.背景桝(0, 0);
    screen.描画_将棋盤桝();
    // 2.
    startTurnClock();
    // 3.
    g.vsComputer = 0;
    // A new game starts a new move list: 進 must not step into the last game's.
    if (isNew) moves.lastEntry = 0;
    // 4.
    if (isNew) {
        g.manSide = kSente;
        g.comSide = kGote;
        g.sideToMove = kSente;
        message("先手の番です", " ");
    } else {
        message(g.sideToMove == kSente ? "先手の番です" : "後手の番です", " ");
    }
    // 5.
    g.paused = 0;
}

void GameWindow::SENTE_Click() {
    if (g.winnerSide != 0) 初期設定();
    const bool isNew = g.moveNumber == 0 || g.sideToMove == 0;
    const bool comToMove = !isNew && g.sideToMove == g.comSide;
    // 1.
    描画_棋譜読込み部分消去();
    screen.描画_レベル(g.comLevel);
    screen.描画_将棋盤桝();
    // 2.
    g.selectPhase = 0;
    g.vsComputer = 1;
    g.recordMode = 0;
    if (isNew) moves.lastEntry = 0;
    // 3.
    clk.turnStartTime = plat.clock.now();
    plat.clock.setTimerEnabled(true);
    if (isNew) {
        // 4.
        g.manSide = kSente;
        g.comSide = kGote;
        g.sideToMove = kSente;
        message("MANの番です", " ");
        g.paused = 0;
    } else if (!comToMove) {
        // 5. MAN keeps the move and is now 先手.
        g.manSide = kSente;
        g.comSide = kGote;
        g.sideToMove = kSente;
        message("MANの番です", "対局");
        g.paused = 0;
    } else {
        // 6.
        com_ban();
    }
}

void GameWindow::GOTE_Click() {
    if (g.winnerSide != 0) 初期設定();
    const bool isNew = g.moveNumber == 0 || g.sideToMove == 0;
    // 1.
    描画_棋譜読込み部分消去();
    screen.描画_レベル(g.comLevel);
    screen.描画_将棋盤桝();
    // 2.
    plat.clock.setTimerEnabled(true);
    g.selectPhase = 0;
    g.vsComputer = 1;
    g.recordMode = 0;
    if (isNew) moves.lastEntry = 0;
    if (isNew) {
        // 3. The computer makes the first move.
        g.manSide = kGote;
        g.comSide = kSente;
        g.sideToMove = kSente;
        com_ban();
    } else if (g.sideToMove == g.manSide) {
        // 4.
        message("MANの番です", "対局");
        g.paused = 0;
    } else {
        // 5.
        com_ban();
    }
}

}  // namespace xantu
