#include "usi/usi_lines.h"

#include <charconv>
#include <vector>

namespace xantu::usi {

namespace {

std::vector<std::string_view> words(std::string_view s) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
        std::size_t j = i;
        while (j < s.size() && s[j] != ' ' && s[j] != '\t') ++j;
        if (j > i) out.push_back(s.substr(i, j - i));
        i = j;
    }
    return out;
}

// A whole number (a leading + or - allowed) that fits in T.
template <class T>
bool readNumber(std::string_view w, T& out) {
    if (!w.empty() && w[0] == '+') w.remove_prefix(1);
    T v{};
    const auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), v);
    if (ec != std::errc() || end != w.data() + w.size() || w.empty()) return false;
    out = v;
    return true;
}

}  // namespace

std::string goArguments(const Limits& limits, Side mover) {
    if (limits.infinite) return "infinite";
    std::string go;
    const auto add = [&go](std::string_view key, long long v) {
        if (!go.empty()) go += ' ';
        go.append(key).append(" ").append(std::to_string(v));
    };
    if (limits.timeLeftMs >= 0) {
        const bool lower = mover == Side::Lower;
        const int other = limits.opponentTimeLeftMs >= 0 ? limits.opponentTimeLeftMs : 0;
        add("btime", lower ? limits.timeLeftMs : other);
        add("wtime", lower ? other : limits.timeLeftMs);
        if (limits.byoyomiMs > 0) {
            add("byoyomi", limits.byoyomiMs);
        } else {
            add("binc", lower ? limits.incrementMs : limits.opponentIncrementMs);
            add("winc", lower ? limits.opponentIncrementMs : limits.incrementMs);
        }
    }
    if (limits.movetimeMs > 0) add("movetime", limits.movetimeMs);
    if (limits.depth > 0) add("depth", limits.depth);
    if (limits.nodes > 0) add("nodes", static_cast<long long>(limits.nodes));
    return go.empty() ? "infinite" : go;
}

std::optional<Info> parseInfo(std::string_view line) {
    const std::vector<std::string_view> w = words(line);
    if (w.empty() || w[0] != "info") return std::nullopt;
    Info info;
    bool told = false;
    bool timed = false;
    for (std::size_t i = 1; i < w.size(); ++i) {
        const std::string_view key = w[i];
        if (key == "string") break;  // the rest is text
        if (key == "pv") {
            for (std::size_t k = i + 1; k < w.size(); ++k) {
                if (!info.pv.empty()) info.pv += ' ';
                info.pv.append(w[k]);
            }
            told = told || !info.pv.empty();
            break;
        }
        if (i + 1 >= w.size()) break;
        const std::string_view v = w[i + 1];
        if (key == "score") {
            if (v != "cp" && v != "mate") continue;
            if (i + 2 >= w.size()) break;
            const std::string_view n = w[i + 2];
            i += 2;
            if (v == "cp") {
                told = readNumber(n, info.scoreCp) || told;
            } else if (n == "+" || n == "-") {
                info.mateIn = n == "+" ? kUncountedMatePlies : -kUncountedMatePlies;
                told = true;
            } else if (readNumber(n, info.mateIn)) {
                told = true;
            }
            continue;
        }
        bool known = true;
        if (key == "depth") {
            told = readNumber(v, info.depth) || told;
        } else if (key == "seldepth") {
            readNumber(v, info.selDepth);
        } else if (key == "nodes") {
            told = readNumber(v, info.nodes) || told;
        } else if (key == "nps") {
            timed = readNumber(v, info.nps) || timed;
        } else if (key == "time") {
            timed = readNumber(v, info.timeMs) || timed;
        } else if (key == "multipv") {
            readNumber(v, info.multiPv);
        } else {
            known = false;  // currmove, hashfull, lowerbound …: not kept
        }
        if (known) ++i;
    }
    if (!told) return std::nullopt;
    info.timed = timed;
    return info;
}

std::optional<std::string> bestMoveOf(std::string_view line) {
    const std::vector<std::string_view> w = words(line);
    if (w.empty() || w[0] != "bestmove") return std::nullopt;
    return std::string(w.size() > 1 ? w[1] : std::string_view());
}

}  // namespace xantu::usi
