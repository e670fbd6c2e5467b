#include "tools/engine/make_player.h"

#include "computer/one_ply_player.h"
#include "search/level4_player.h"

namespace xantu::engine {

std::unique_ptr<Player> makePlayer(int level, std::size_t hashMegabytes, search::Strength strength, int threads) {
    if (level >= 1 && level <= 3) return std::make_unique<OnePlyPlayer>(level);
    return std::make_unique<search::Level4Player>(hashMegabytes, strength, threads);
}

}  // namespace xantu::engine
