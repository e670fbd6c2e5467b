#pragma once
#include <QWidget>

#include "clock/time_control.h"

namespace xantu {

// The 持ち時間 dialog: for each side a kind (なし, 秒読み, 加算), the main
// time in minutes (0–600) and the byoyomi or increment in seconds (0–60).
// Returns true with `controls` changed on OK.
bool editTimeControls(QWidget* parent, TimeControls& controls);

}  // namespace xantu
