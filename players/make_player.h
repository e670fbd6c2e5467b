#pragma once
// The one place a Player is made from an opponent identity, for the game
// and the tools alike: a built-in level 1..3 (the one-ply player), LEVEL4
// at a step of strength with its threads and table, or a registered
// outside engine spoken to over USI.
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "computer/one_ply_search.h"
#include "computer/turn_state.h"
#include "core/player.h"
#include "core/position.h"
#include "influence/influence_map.h"
#include "opponent/opponent.h"
#include "search/strength.h"
#include "usi/usi_engine_player.h"

namespace xantu::players {

// A game's own state for the one-ply player to think on, kept across its
// turns (see OnePlyPlayer): the Position think is given must be `board`.
struct GameStateBinding {
    Position* board = nullptr;
    InfluenceMap* map = nullptr;
    TurnState* turn = nullptr;
    SearchTick tick = nullptr;
    void* tickContext = nullptr;
};

struct PlayerSetup {
    // LEVEL4: its table, its step of strength and its search threads.
    std::size_t hashMegabytes = 64;
    search::Strength strength = search::kFullStrength;
    int threads = 1;
    // Levels 1..3: the game's state to think on; none, a fresh state each move.
    std::optional<GameStateBinding> onePlyOn;
    // The engines an identity may name, and the time they are allowed
    // beyond what they are asked for.
    const std::vector<RegisteredEngine>* engines = nullptr;
    usi::EngineTimeouts engineTimeouts{};
};

// The player of `who`. A built-in level 1..3 is the one-ply player, any
// other built-in level LEVEL4. An engine not among setup.engines gives a
// player that answers every think with PlayerFailure::NoStart.
std::unique_ptr<Player> makePlayer(const Opponent& who, const PlayerSetup& setup = {});

// A built-in level as the tools name it, with LEVEL4's table, step and threads.
std::unique_ptr<Player> makePlayer(int level, std::size_t hashMegabytes = 64,
                                   search::Strength strength = search::kFullStrength, int threads = 1);

}  // namespace xantu::players
