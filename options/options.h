#pragma once
#include "clock/time_control.h"

namespace xantu {

// Theme codes of the background.
inline constexpr int kThemePekana = 6, kThemeTatami = 2, kThemeTake = 3, kThemeUchu = 4, kThemeRenga = 5;

// The options as the program uses them; their check marks live in the menus.
struct Options {
    int backgroundTheme = kThemePekana;
    int guidance = 0;     // 移動指導
    int guideColour = 2;  // 15 when guidance is on
    // The clocks the next game is played with (持ち時間…).
    TimeControls timeControls{};
};

}  // namespace xantu
