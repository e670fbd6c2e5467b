#include "clock/time_control.h"

#include <algorithm>
#include <cmath>

namespace xantu {

namespace {

constexpr double kNoLimit = 1e18;

// Full-width digits, "＋", brackets and spaces in their plain forms, "各"
// and spaces dropped, so that one reader serves every spelling.
std::string plain(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto rest = text.substr(i);
        if (rest.starts_with("\xEF\xBC") && rest.size() >= 3) {
            const unsigned char c = static_cast<unsigned char>(rest[2]);
            if (c >= 0x90 && c <= 0x99) {  // ０..９
                out += static_cast<char>('0' + (c - 0x90));
                i += 3;
                continue;
            }
            if (c == 0x8B) {  // ＋
                out += '+';
                i += 3;
                continue;
            }
            if (c == 0x88) {  // （
                out += '(';
                i += 3;
                continue;
            }
            if (c == 0x89) {  // ）
                out += ')';
                i += 3;
                continue;
            }
        }
        if (rest.starts_with("各")) {
            i += std::string_view("各").size();
            continue;
        }
        if (rest.starts_with("　")) {
            i += std::string_view("　").size();
            continue;
        }
        if (text[i] != ' ' && text[i] != '\t') out += text[i];
        ++i;
    }
    return out;
}

// A whole number at the front of `s`, taken off it.
std::optional<int> number(std::string_view& s) {
    std::size_t n = 0;
    long v = 0;
    while (n < s.size() && s[n] >= '0' && s[n] <= '9' && v < 100000) v = v * 10 + (s[n++] - '0');
    if (n == 0) return std::nullopt;
    s.remove_prefix(n);
    return static_cast<int>(v);
}

bool take(std::string_view& s, std::string_view word) {
    if (!s.starts_with(word)) return false;
    s.remove_prefix(word.size());
    return true;
}

// "1時間30分", "10分", "0分": whole minutes.
std::optional<int> mainMinutes(std::string_view& s) {
    int minutes = 0;
    bool any = false;
    for (;;) {
        std::string_view at = s;
        const std::optional<int> n = number(at);
        if (!n) break;
        if (take(at, "時間"))
            minutes += 60 * *n;
        else if (take(at, "分"))
            minutes += *n;
        else
            break;
        any = true;
        s = at;
    }
    if (!any) return std::nullopt;
    return minutes;
}

// "秒読み30秒", "加算10秒", "30秒" (byoyomi, as KIF files write it).
bool period(std::string_view s, TimeControl& t) {
    t.kind = TimeKind::Byoyomi;
    if (take(s, "加算"))
        t.kind = TimeKind::Increment;
    else
        take(s, "秒読み");
    const std::optional<int> n = number(s);
    if (!n) return false;
    take(s, "秒");
    if (!s.empty()) return false;
    t.periodSeconds = *n;
    return true;
}

}  // namespace

TimeControl 調整_持ち時間(TimeControl t) {
    if (t.kind == TimeKind::None) return TimeControl{};
    t.mainMinutes = std::clamp(t.mainMinutes, 0, kMaxMainMinutes);
    t.periodSeconds = std::clamp(t.periodSeconds, 0, kMaxPeriodSeconds);
    // No time at all would lose before the first move.
    if (t.mainMinutes == 0 && t.periodSeconds == 0) return TimeControl{};
    return t;
}

ClockReading 調査_残り時間(const TimeControl& t, double mainLeft, double turnSeconds) {
    ClockReading r;
    if (!t.timed()) return r;
    const double left = mainLeft - turnSeconds;
    const bool byoyomiFollows = t.kind == TimeKind::Byoyomi && t.periodSeconds > 0;
    if (left > 0) {
        r.main = left;
        r.warning = !byoyomiFollows && left <= kWarningSeconds;
        return r;
    }
    if (!byoyomiFollows) {
        r.warning = true;
        r.timedOut = left < 0;
        return r;
    }
    const double period = t.periodSeconds + left;  // left ≤ 0: the part of the period used
    r.inByoyomi = true;
    r.byoyomi = std::max(0.0, period);
    r.warning = period <= kWarningSeconds;
    r.timedOut = period < 0;
    return r;
}

double 調査_着手後の持ち時間(const TimeControl& t, double mainLeft, double turnSeconds) {
    if (!t.timed()) return mainLeft;
    const double left = std::max(0.0, mainLeft - std::max(0.0, turnSeconds));
    return t.kind == TimeKind::Increment ? left + t.periodSeconds : left;
}

double 調査_残り猶予(const TimeControl& t, double mainLeft, double turnSeconds) {
    if (!t.timed()) return kNoLimit;
    const double period = t.kind == TimeKind::Byoyomi ? t.periodSeconds : 0;
    return mainLeft + period - turnSeconds;
}

std::string 作成_持ち時間文字列(const TimeControl& t) {
    if (!t.timed()) return "なし";
    std::string s = std::to_string(t.mainMinutes) + "分";
    if (t.kind == TimeKind::Byoyomi && t.periodSeconds > 0)
        s += "＋秒読み" + std::to_string(t.periodSeconds) + "秒";
    else if (t.kind == TimeKind::Increment)
        s += "＋加算" + std::to_string(t.periodSeconds) + "秒";
    return s;
}

std::optional<TimeControl> 解析_持ち時間文字列(std::string_view text) {
    const std::string p = plain(text);
    std::string_view s = p;
    if (s == "なし") return TimeControl{};
    TimeControl t;
    t.kind = TimeKind::Byoyomi;
    const std::optional<int> minutes = mainMinutes(s);
    if (!minutes) return std::nullopt;
    t.mainMinutes = *minutes;
    take(s, "切れ負け");
    if (take(s, "+")) {
        if (!period(s, t)) return std::nullopt;
    } else if (take(s, "(")) {
        if (!s.ends_with(")")) return std::nullopt;
        s.remove_suffix(1);
        if (!period(s, t)) return std::nullopt;
    } else if (!s.empty()) {
        return std::nullopt;
    }
    if (t.mainMinutes > kMaxMainMinutes || t.periodSeconds > kMaxPeriodSeconds) return std::nullopt;
    return t;
}

std::string 作成_持ち時間見出し(const TimeControl& sente, const TimeControl& gote) {
    if (!sente.timed() && !gote.timed()) return {};
    if (sente == gote) return "各" + 作成_持ち時間文字列(sente);
    return "先手" + 作成_持ち時間文字列(sente) + " 後手" + 作成_持ち時間文字列(gote);
}

std::optional<std::pair<TimeControl, TimeControl>> 解析_持ち時間見出し(std::string_view text) {
    const std::size_t sente = text.find("先手"), gote = text.find("後手");
    if (sente == std::string_view::npos || gote == std::string_view::npos || gote < sente) {
        const std::optional<TimeControl> both = 解析_持ち時間文字列(text);
        if (!both) return std::nullopt;
        return std::pair{*both, *both};
    }
    const std::size_t word = std::string_view("先手").size();
    const std::optional<TimeControl> s = 解析_持ち時間文字列(text.substr(sente + word, gote - sente - word));
    const std::optional<TimeControl> g = 解析_持ち時間文字列(text.substr(gote + word));
    if (!s || !g) return std::nullopt;
    return std::pair{*s, *g};
}

}  // namespace xantu
