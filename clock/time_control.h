#pragma once
// Time controls: none (the clocks only count up), main time with byoyomi,
// or main time with an increment after each move (フィッシャー). Pure
// arithmetic on seconds; the window reads the clock and keeps the state.
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace xantu {

enum class TimeKind { None, Byoyomi, Increment };

inline constexpr int kMaxMainMinutes = 600;
inline constexpr int kMaxPeriodSeconds = 60;  // byoyomi and increment alike
// The clock turns red and ticks in the last seconds of the time that ends
// the game: the byoyomi period, or the main time when nothing follows it.
inline constexpr double kWarningSeconds = 10;

// One player's time control. With TimeKind::Byoyomi a period of 0 seconds
// is a plain time limit (切れ負け).
struct TimeControl {
    TimeKind kind = TimeKind::None;
    int mainMinutes = 0;    // 0..600
    int periodSeconds = 0;  // byoyomi or increment, 0..60
    bool timed() const { return kind != TimeKind::None; }
    double mainSeconds() const { return 60.0 * mainMinutes; }
    bool operator==(const TimeControl&) const = default;
};

// The two players' controls, by seat: the lower side (MAN; 先手 in a game of
// two people) and the upper side (COM).
struct TimeControls {
    TimeControl man, com;
    bool timed() const { return man.timed() || com.timed(); }
    bool operator==(const TimeControls&) const = default;
};

// The same control with its values brought into range; one that would give
// no time at all (0 minutes, no byoyomi or increment) becomes none.
TimeControl 調整_持ち時間(TimeControl t);

// What one clock shows during a turn of `turnSeconds`, its main time left
// at the turn's start being `mainLeft`.
struct ClockReading {
    double main = 0;  // main time left now
    bool inByoyomi = false;
    double byoyomi = 0;    // what is left of the period, while inByoyomi
    bool warning = false;  // in the last kWarningSeconds before a loss on time
    bool timedOut = false;
    // What the display shows: the main time, or the period once it began.
    double shown() const { return inByoyomi ? byoyomi : main; }
};
ClockReading 調査_残り時間(const TimeControl& t, double mainLeft, double turnSeconds);

// Main time left after a move that took `turnSeconds`: the time used comes
// off the main time (never below 0; byoyomi is used up first neither way)
// and an increment is added.
double 調査_着手後の持ち時間(const TimeControl& t, double mainLeft, double turnSeconds);

// How much longer the turn may last before the player loses on time (below
// 0 once lost; a control without a clock gives a very large number).
double 調査_残り猶予(const TimeControl& t, double mainLeft, double turnSeconds);

// Texts: "10分", "10分＋秒読み30秒", "10分＋加算10秒" (for the settings file
// and the KIF header), "なし" for no clock. Reading also takes full-width
// digits, the half-width "+", hours ("1時間30分"), "各" and the usual KIF
// forms "1時間(秒読み60秒)", "15分+30秒" (byoyomi) and "10分切れ負け";
// anything else, or a value out of range, reads as nothing.
std::string 作成_持ち時間文字列(const TimeControl& t);
std::optional<TimeControl> 解析_持ち時間文字列(std::string_view text);

// The KIF header value: "各10分＋秒読み30秒" when both players have the same
// control, else "先手10分 後手5分＋加算10秒" (sente and gote as they sit this
// game); empty when neither has a clock.
std::string 作成_持ち時間見出し(const TimeControl& sente, const TimeControl& gote);
// Reads the header value: both controls (sente, gote), or nothing for a text
// it does not know.
std::optional<std::pair<TimeControl, TimeControl>> 解析_持ち時間見出し(std::string_view text);

}  // namespace xantu
