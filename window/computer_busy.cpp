#include "window/game_window.h"

namespace xantu {

namespace {
// The slice of a long wait: one period of Timer1, so the clock display moves as usual.
constexpr double kWaitSlice = 0.05;
}  // namespace

GameWindow::BusyScope::BusyScope(GameWindow& window) : w_(window) { ++w_.busyDepth_; }

GameWindow::BusyScope::~BusyScope() {
    // Input made during the busy time that the desktop has not delivered yet
    // is thrown away now, while the window still counts as busy: it must not
    // reach the human's turn that follows.
    if (w_.busyDepth_ == 1) w_.plat.frame.discardUserInput();
    --w_.busyDepth_;
    if (w_.busyDepth_ == 0 && w_.exitAfterBusy_) {
        w_.exitAfterBusy_ = false;
        w_.OWARI_Click();
    }
}

void GameWindow::waitWhileBusy(const std::function<bool()>& done) {
    BusyScope busy(*this);
    while (!done()) {
        plat.clock.wait(kWaitSlice);
        Timer1_Timer();
    }
}

}  // namespace xantu
