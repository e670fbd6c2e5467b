#include <cmath>

#include "clock/elapsed_time.h"
#include "window/game_window.h"

namespace xantu {

double GameWindow::refreshTurnSeconds() {
    clk.turnSeconds = 調査_経過秒(clk.turnStartTime, plat.clock.now());
    return clk.turnSeconds;
}

void GameWindow::Timer1_Timer() {
    // Nothing runs once the game is over or while the timer is off.
    if (g.winnerSide != 0 || !plat.clock.timerEnabled()) return;
    refreshTurnSeconds();
    if (clk.control.timed()) {
        時計_監視();
        return;
    }
    // Only a new whole second is drawn.
    const long whole = static_cast<long>(std::floor(clk.turnSeconds));
    if (whole == clk.shownSecond) return;
    clk.shownSecond = whole;
    // The running total of the side to move.
    if (g.sideToMove == g.comSide)
        screen.描画_所有時間(g.comSide, clk.comSeconds + clk.turnSeconds);
    else if (g.sideToMove == g.manSide)
        screen.描画_所有時間(g.manSide, clk.manSeconds + clk.turnSeconds);
    plat.canvas.refresh();
}

}  // namespace xantu
