#include "players/make_player.h"

#include "computer/one_ply_player.h"
#include "search/level4_player.h"

namespace xantu::players {

namespace {

// An engine the identity names but nobody registered: it cannot be started.
class UnregisteredEngine final : public Player {
public:
    explicit UnregisteredEngine(std::string name) : name_(std::move(name)) {}
    Thought think(const Position&, Side, const Limits&, const std::atomic<bool>&, const InfoSink&) override {
        Thought t;
        t.failure = PlayerFailure::NoStart;
        t.failureDetail = "not registered: " + name_;
        return t;
    }
    bool answersAtOnce() const override { return true; }

private:
    std::string name_;
};

}  // namespace

std::unique_ptr<Player> makePlayer(const Opponent& who, const PlayerSetup& setup) {
    if (who.isEngine()) {
        const RegisteredEngine* e = setup.engines != nullptr ? findEngine(*setup.engines, who.engine) : nullptr;
        if (e == nullptr) return std::make_unique<UnregisteredEngine>(who.engine);
        return std::make_unique<usi::UsiEnginePlayer>(e->command, e->options, setup.engineTimeouts);
    }
    if (who.level >= 1 && who.level <= 3) {
        if (const std::optional<GameStateBinding>& b = setup.onePlyOn)
            return std::make_unique<OnePlyPlayer>(who.level, *b->board, *b->map, *b->turn, b->tick, b->tickContext);
        return std::make_unique<OnePlyPlayer>(who.level);
    }
    return std::make_unique<search::Level4Player>(setup.hashMegabytes, setup.strength, setup.threads);
}

std::unique_ptr<Player> makePlayer(int level, std::size_t hashMegabytes, search::Strength strength, int threads) {
    PlayerSetup setup;
    setup.hashMegabytes = hashMegabytes;
    setup.strength = strength;
    setup.threads = threads;
    return makePlayer(Opponent::builtIn(level), setup);
}

}  // namespace xantu::players
