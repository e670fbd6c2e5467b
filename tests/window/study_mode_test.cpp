// The strong search beside the game: 検討 follows the Position on the board,
// never helps a player against the computer, ヒント shows a move and counts.
#include <chrono>
#include <mutex>
#include <thread>

#include "core/legal_moves.h"
#include "window_fixture.h"

namespace xantu::testing {
namespace {

// A stand-in for the strong search: it tells one line of progress (the first
// move the rules allow, at a fixed score) and runs until stopped, or answers
// at once when given a time. Every search it ran is kept.
struct StubSearch {
    struct Run {
        Position pos;
        Side side;
        Limits limits;
        bool stopped = false;
    };
    std::mutex mutex;
    std::vector<Run> runs;
    int running = 0;

    auto think() {
        return [this](const Position& p, Side side, const Limits& limits, const std::atomic<bool>& stop,
                      const InfoSink& onInfo) {
            std::size_t me;
            {
                std::lock_guard lock(mutex);
                me = runs.size();
                runs.push_back({p, side, limits});
                ++running;
            }
            const Move first = legalMoves(p, side).front();
            Info info;
            info.depth = 7;
            info.scoreCp = 123;
            info.nps = 4567;
            info.pv = first.usi();
            onInfo(info);
            const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
            while (limits.infinite && !stop && std::chrono::steady_clock::now() < giveUp)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            std::lock_guard lock(mutex);
            runs[me].stopped = stop;
            --running;
            Thought t;
            t.hasMove = true;
            t.move = first;
            return t;
        };
    }
    std::size_t count() {
        std::lock_guard lock(mutex);
        return runs.size();
    }
};

class StudyMode : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        load();
        w->studyThink = stub.think();
    }
    // Ticks until `done` holds (the worker thread has got so far).
    template <typename Done>
    void tickUntil(Done done) {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!done() && std::chrono::steady_clock::now() < giveUp) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            w->studyTick();
        }
        w->studyTick();
    }
    // The panel's line that starts as `start` says, as last drawn.
    std::string panelLine(const std::string& start) const {
        for (auto d = fake.draws.rbegin(); d != fake.draws.rend(); ++d)
            if (d->kind == DrawCall::Text && d->y >= StudyStrip::kTop && d->text.rfind(start, 0) == 0) return d->text;
        return {};
    }
    bool panelShows(const std::string& part) const {
        for (const std::string start : {"検討", "読み筋"})
            if (panelLine(start).find(part) != std::string::npos) return true;
        return false;
    }
    // The arrow's colour, 0 when none is shown.
    int arrowColour() const {
        for (const Mark& m : fake.marks)
            if (m.kind == Mark::Kind::Line) return m.colour;
        return 0;
    }
    StubSearch stub;
};

TEST_F(StudyMode, FollowsThePositionOfATwoPlayerGameAndStopsWhenTurnedOff) {
    w->menuCommand("START");
    w->keyCommand(GameKey::Study);
    EXPECT_TRUE(fake.checked("KENTOU"));
    EXPECT_GT(fake.area.second, 8000);  // the panel below the board
    tickUntil([&] { return panelShows("評価値"); });
    ASSERT_EQ(stub.count(), 1u);
    EXPECT_TRUE(stub.runs[0].limits.infinite);
    EXPECT_EQ(stub.runs[0].side, Side::Lower);  // 先手 at the bottom moves first
    EXPECT_TRUE(panelShows("評価値 +123"));
    EXPECT_TRUE(panelShows("読み筋 ▲"));
    EXPECT_NE(arrowColour(), 0);

    // A move: the search of the old Position stops, the new one is searched
    // for 後手 and its score is still shown from 先手's view.
    move(7, 7, 7, 6);
    tickUntil([&] { return stub.count() == 2 && panelShows("評価値 -"); });
    EXPECT_TRUE(stub.runs[0].stopped);
    EXPECT_EQ(stub.runs[1].side, Side::Upper);
    EXPECT_EQ(stub.runs[1].pos.board[7][6], -kPawn);
    EXPECT_TRUE(panelShows("評価値 -123"));
    EXPECT_TRUE(panelShows("読み筋 △"));

    // 戻: the first Position again.
    w->menuCommand("REPLAY");
    tickUntil([&] { return stub.count() == 3; });
    EXPECT_EQ(stub.runs[2].pos.board[7][6], kEmpty);

    // Off: the search stops, the arrow and the panel go.
    w->menuCommand("KENTOU");
    EXPECT_EQ(stub.running, 0);
    EXPECT_EQ(arrowColour(), 0);
    EXPECT_EQ(fake.area.second, 8000);
    w->studyTick();
    EXPECT_EQ(stub.count(), 3u);
}

TEST_F(StudyMode, NeverSearchesDuringAGameAgainstTheComputerButGivesHints) {
    w->menuCommand("SENTE");
    w->menuCommand("KENTOU");
    w->studyTick();
    EXPECT_TRUE(panelShows("止めています"));

    // ヒント at the human's turn: one second of thought, an arrow for three.
    w->keyCommand(GameKey::Hint);
    tickUntil([&] { return arrowColour() != 0; });
    ASSERT_EQ(stub.count(), 1u);
    EXPECT_EQ(stub.runs[0].limits.movetimeMs, kHintThinkMs);
    EXPECT_FALSE(stub.runs[0].limits.infinite);
    EXPECT_EQ(w->gameInfo.hints, 1);
    fake.clockNow += kHintShowSeconds;
    w->studyTick();
    EXPECT_EQ(arrowColour(), 0);
    EXPECT_EQ(stub.count(), 1u);  // and no analysis meanwhile

    // Once the game is over, 検討 may search.
    w->menuCommand("TOURYOU");
    tickUntil([&] { return stub.count() == 2; });
    EXPECT_TRUE(stub.runs[1].limits.infinite);
}

}  // namespace
}  // namespace xantu::testing
