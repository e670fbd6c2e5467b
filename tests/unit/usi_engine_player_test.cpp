// An outside engine as a Player, with real processes: this program's own
// `xantu-engine usi` as a good engine, and small shell scripts for engines
// that go wrong. No case may hang: each failure comes back in the Thought.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "core/legal_moves.h"
#include "core/sfen.h"
#include "test_support.h"
#include "usi/usi_engine_player.h"

namespace xantu::testing {
namespace {

using Clock = std::chrono::steady_clock;
using usi::UsiEnginePlayer;

const std::string kEngine = std::string(XANTU_ENGINE_PATH) + " usi";
const char* const kStartSfen = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";
const usi::EngineTimeouts kShort{500, 300, 300};

bool allowed(const Position& p, Side side, const Thought& t) {
    const std::vector<Move> moves = legalMoves(p, side);
    return t.hasMove && std::find(moves.begin(), moves.end(), t.move) != moves.end();
}

TEST(UsiEnginePlayer, OurOwnEnginePlaysEitherSeatAndStopsWhenTold) {
    UsiEnginePlayer player(kEngine, {"Level=1"});
    const std::atomic<bool> never{false};
    Limits limits;
    limits.movetimeMs = 500;
    // The lower seat is SFEN's b; after one move the upper seat (w) is to move.
    const SfenResult start = parseSfen(kStartSfen);
    std::vector<Info> heard;
    const Thought first =
        player.think(start.position, Side::Lower, limits, never, [&heard](const Info& i) { heard.push_back(i); });
    EXPECT_EQ(first.failure, PlayerFailure::None) << first.failureDetail;
    ASSERT_TRUE(allowed(start.position, Side::Lower, first));
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.back().depth, 1);
    EXPECT_EQ(heard.back().pv, first.move.usi());
    Position after = start.position;
    playMove(after, first.move);
    const Thought second = player.think(after, Side::Upper, limits, never);
    EXPECT_TRUE(allowed(after, Side::Upper, second)) << second.failureDetail;

    // LEVEL4 thinking without end answers soon after the stop flag is set.
    UsiEnginePlayer strong(kEngine, {"Level=4", "USI_Hash=4"});
    std::atomic<bool> stop{false};
    Limits endless;
    endless.infinite = true;
    std::thread stopper([&stop] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        stop = true;
    });
    const Thought stopped = strong.think(start.position, Side::Lower, endless, stop);
    stopper.join();
    EXPECT_TRUE(allowed(start.position, Side::Lower, stopped)) << stopped.failureDetail;
    EXPECT_GT(stopped.depth, 0);
}

// An engine script: answers usi and then misbehaves as `how` says.
void writeScript(const std::filesystem::path& file) {
    std::ofstream(file) << R"(how="$1"
while read -r line; do
    case "$line" in
        usi) echo "id name script"; echo usiok ;;
        isready) [ "$how" = hang ] || echo readyok ;;
        go*) case "$how" in
                die) exit 3 ;;
                illegal) echo "info depth 1 score cp 12 pv 5e5d"; echo "bestmove 5e5d" ;;
                resign) echo "bestmove resign" ;;
                huge) head -c 1100000 /dev/zero | tr '\0' x; echo ;;
             esac ;;
        quit) exit 0 ;;
    esac
done
)";
}

TEST(UsiEnginePlayer, EveryWayAnEngineFailsIsToldAndNoneHangs) {
    ScratchFolder folder;
    const std::filesystem::path script = folder.path / "engine.sh";
    writeScript(script);
    struct Case {
        std::string command;
        PlayerFailure failure;
        std::string detail;
    };
    const Case cases[] = {
        {"bash " + script.string() + " hang", PlayerFailure::NoHandshake, "no readyok"},
        {"bash " + script.string() + " die", PlayerFailure::Crashed, "engine ended"},
        {"bash " + script.string() + " illegal", PlayerFailure::IllegalMove, "5e5d"},
        {"bash " + script.string() + " resign", PlayerFailure::Resigned, "resign"},
        {"bash " + script.string() + " silent", PlayerFailure::Timeout, "no bestmove in time"},
        {"bash " + script.string() + " huge", PlayerFailure::LineTooLong, "line too long"},
        {(folder.path / "no-such-engine").string(), PlayerFailure::NoStart, "command not found"},
    };
    const SfenResult start = parseSfen(kStartSfen);
    const std::atomic<bool> never{false};
    Limits limits;
    limits.movetimeMs = 200;
    for (const Case& c : cases) {
        UsiEnginePlayer player(c.command, {}, kShort);
        const auto t0 = Clock::now();
        const Thought t = player.think(start.position, Side::Lower, limits, never);
        EXPECT_LT(Clock::now() - t0, std::chrono::seconds(3)) << c.command;
        EXPECT_FALSE(t.hasMove) << c.command;
        EXPECT_EQ(t.failure, c.failure) << c.command;
        EXPECT_EQ(t.failureDetail, c.detail) << c.command;
    }
}

}  // namespace
}  // namespace xantu::testing
