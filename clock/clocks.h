#pragma once
// The game's two clocks: what each side has used and the running turn.

namespace xantu {

// Thinking-time totals and the running turn (seconds since midnight readings).
struct Clocks {
    double turnStartTime = 0;
    double turnSeconds = 0;
    double manSeconds = 0;
    double comSeconds = 0;
    long shownSecond = 0;
};

}  // namespace xantu
