#pragma once
// The computer player of a level: 1..3 the specified one-ply player (from a
// fresh state on every move), 4 LEVEL4 with a table of hashMegabytes at the
// given step of strength, searched by `threads` threads.
#include <cstddef>
#include <memory>

#include "core/player.h"
#include "search/strength.h"

namespace xantu::engine {

std::unique_ptr<Player> makePlayer(int level, std::size_t hashMegabytes = 64,
                                   search::Strength strength = search::kFullStrength, int threads = 1);

}  // namespace xantu::engine
