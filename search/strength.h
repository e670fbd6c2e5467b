#pragma once
// The strengths LEVEL4 offers below its full strength, for players climbing
// from the one-ply levels. A weaker step searches less (a node and depth
// budget) and does not always play its best move: it picks among the moves
// scoring within a margin of the best, the nearer the likelier (a softmax
// with a temperature). The margin stays below the value of any piece, so
// a step never chooses a move that loses a piece the best move keeps.
#include <cstdint>
#include <optional>
#include <string_view>

namespace xantu::search {

enum class Strength : int { Nyuumon, Shokyuu, Chuukyuu, Joukyuu, Saikyou };
inline constexpr int kStrengthCount = 5;
inline constexpr Strength kFullStrength = Strength::Saikyou;

// The values of the USI option Strength, in order from the weakest: words of
// the protocol, the same in every language (the names players see are the
// game's texts).
inline constexpr std::string_view kStrengthUsiValues[kStrengthCount] = {"入門", "初級", "中級", "上級", "最強"};
inline constexpr std::string_view strengthUsiValue(Strength s) { return kStrengthUsiValues[static_cast<int>(s)]; }
inline std::optional<Strength> strengthFromUsiValue(std::string_view value) {
    for (int i = 0; i < kStrengthCount; ++i)
        if (kStrengthUsiValues[i] == value) return static_cast<Strength>(i);
    return std::nullopt;
}

// Two ways to find the near-best moves. With `candidates` 0 every root move
// is scored exactly, depth by depth (cheap moves, costly root). Otherwise the
// full search runs on three quarters of the budget, and then only the next
// `candidates` root moves in its order are each asked, with a null window,
// whether they reach (best - margin): the deeper search of the two per node.
struct StrengthPlan {
    int depth;            // 0: no bound of its own
    std::uint64_t nodes;  // 0: no bound of its own
    int marginCp;         // moves this far below the best are never chosen
    int temperatureCp;    // 0: always the best move
    int candidates = 0;   // see above
};

StrengthPlan planFor(Strength s);

}  // namespace xantu::search
