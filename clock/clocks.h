#pragma once
// The game's two clocks: what each side has used and the running turn.
#include "clock/time_control.h"

namespace xantu {

// Thinking-time totals and the running turn (seconds since midnight readings).
struct Clocks {
    double turnStartTime = 0;
    double turnSeconds = 0;
    double manSeconds = 0;
    double comSeconds = 0;
    long shownSecond = 0;
    // The time control of the game being played, set when it starts (none
    // while no game runs); the countdown last drawn for the side to move.
    TimeControls control{};
    long shownLeft = -1;
};

}  // namespace xantu
