#include <cmath>

#include "options/elapsed_time.h"
#include "window/game_window.h"

namespace xantu {

double GameWindow::refreshTurnSeconds() {
    clk.turnSeconds = 調査_経過秒(clk.turnStartTime, plat.clock.now());
    return clk.turnSeconds;
}

void GameWindow::Timer1_Timer() {
    // 1.
    if (g.winnerSide != 0 || !plat.clock.timerEnabled()) return;
    // 2.
    refreshTurnSeconds();
    // 3. Only a new whole second is drawn.
    const long whole = static_cast<long>(std::floor(clk.turnSeconds));
    if (whole == clk.shownSecond) return;
    clk.shownSecond = whole;
    // 4.
    if (g.sideToMove == g.comSide)
        screen.描画_所有時間(g.comSide, clk.comSeconds + clk.turnSeconds);
    else if (g.sideToMove == g.manSide)
        screen.描画_所有時間(g.manSide, clk.manSeconds + clk.turnSeconds);
    plat.canvas.refresh();
}

}  // namespace xantu
