#pragma once
// Clock arithmetic of the thinking-time display: timer readings are seconds
// since midnight (with fractions) and wrap at 86400.
#include <string>

namespace xantu {

inline constexpr double kSecondsPerDay = 86400;

// Seconds from `I_開始` to `I_終了`: the difference, or, when the end reads
// earlier than the start, the time across midnight.
double 調査_経過秒(double I_開始, double I_終了);

// "HH:MM:SS" of a number of seconds (fractions never show): 3725 →
// "01:02:05". Each part goes through 変換_数字から文字, so hours of three
// digits or more leave their place empty (360000 → ":00:00"). A negative or
// non-finite value is shown as 0.
std::string 調査_時間秒追加結果(double IN_経過秒);

// Two-character text of a number: one digit gets a leading "0" ("7" →
// "07"), two characters stay as they are, anything longer gives "".
std::string 変換_数字から文字(long long I_数字);

}  // namespace xantu
