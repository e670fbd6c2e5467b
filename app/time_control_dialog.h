#pragma once
#include <QWidget>

#include "clock/time_control.h"

class QComboBox;
class QSpinBox;

namespace xantu {

// Both sides' time controls as a small grid: for each side a kind (なし,
// 秒読み, 加算), the main time in minutes (0–600) and the byoyomi or
// increment in seconds (0–60). Used by the 持ち時間 dialog and by 新規対局.
class TimeControlFields : public QWidget {
public:
    TimeControlFields(const TimeControls& controls, QWidget* parent);
    TimeControls value() const;

private:
    struct Row {
        QComboBox* kind = nullptr;
        QSpinBox* minutes = nullptr;
        QSpinBox* seconds = nullptr;
    };
    Row makeRow(int line, const QString& name, const TimeControl& t);
    static TimeControl valueOf(const Row& row);

    Row man_, com_;
};

// The 持ち時間 dialog; true with `controls` changed on OK.
bool editTimeControls(QWidget* parent, TimeControls& controls);

}  // namespace xantu
