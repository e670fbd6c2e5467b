#include "clock/elapsed_time.h"

#include <cmath>

namespace xantu {

double 調査_経過秒(double I_開始, double I_終了) {
    if (I_開始 <= I_終了) return I_終了 - I_開始;
    return I_終了 + (kSecondsPerDay - I_開始);
}

std::string 調査_時間秒追加結果(double IN_経過秒) {
    double s = std::isfinite(IN_経過秒) && IN_経過秒 > 0 ? IN_経過秒 : 0;
    double hours = 0;
    if (s >= 3600) {
        hours = std::floor(s / 3600);
        s -= 3600 * hours;
    }
    const double minutes = std::floor(s / 60);
    const double secs = s - 60 * minutes;
    // Beyond any whole number a long long holds, the hours text is too long anyway.
    const std::string h = hours < 1e15 ? 変換_数字から文字(static_cast<long long>(hours)) : std::string();
    return h + ":" + 変換_数字から文字(static_cast<long long>(minutes)) + ":" +
           変換_数字から文字(static_cast<long long>(std::floor(secs)));
}

std::string 変換_数字から文字(long long I_数字) {
    std::string text = std::to_string(I_数字);
    if (text.size() == 1) return "0" + text;
    if (text.size() == 2) return text;
    return {};
}

}  // namespace xantu
