#pragma once
// The specified one-ply player (levels 1..3): its choice from a fresh state,
// and the same player as a Player.
#include "computer/one_ply_search.h"
#include "core/player.h"
#include "core/position.h"
#include "influence/influence_map.h"

namespace xantu {

struct ThinkOutcome {
    int commated = 0;  // the computer-mated test on the Position as given (1 or 0)
    SearchResult search;
};

// The computer's choice for the upper side from a fresh state, so that the
// result depends on the Position and the level alone: every table of the
// influence map and of the turn state zero, then one survey and the
// computer-mated test as after a human move, then the search. The survey
// count of the result includes that first survey.
ThinkOutcome thinkFromFreshState(const Position& position, int comLevel, const TraceSink* trace = nullptr);

// The one-ply player as a Player. It looks one move ahead whatever the
// limits say, and answers at once.
class OnePlyPlayer final : public Player {
public:
    // Every think starts from a fresh state (thinkFromFreshState); the lower
    // side's move is found on the board turned about and turned back.
    explicit OnePlyPlayer(int level, const TraceSink* trace = nullptr);
    // Thinks for the upper side on the game's own state, kept across turns as
    // the specified player keeps it: `board` is the game's Position, and think
    // must be given that very object. The candidates are played on it in
    // place and taken back (its king squares left as the last survey set
    // them), the map and the turn state are the game's, and tick is called
    // at each origin column and hand kind so that a clock can keep moving.
    OnePlyPlayer(int level, Position& board, InfluenceMap& map, TurnState& turn, SearchTick tick, void* tickContext);

    Thought think(const Position& p, Side side, const Limits& limits, const std::atomic<bool>& stop,
                  const InfoSink& onInfo = {}) override;
    bool answersAtOnce() const override { return true; }

    // The last think in full: its work counts and, from a fresh state, the
    // computer-mated test.
    const ThinkOutcome& last() const { return last_; }

private:
    int level_;
    const TraceSink* trace_ = nullptr;
    Position* board_ = nullptr;  // the game's state, or none for a fresh state
    InfluenceMap* map_ = nullptr;
    TurnState* turn_ = nullptr;
    SearchTick tick_ = nullptr;
    void* tickContext_ = nullptr;
    ThinkOutcome last_;
};

}  // namespace xantu
