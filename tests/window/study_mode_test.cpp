// The strong search beside the game: 検討 follows the Position on the board,
// never helps a player against the computer, ヒント shows a move and counts.
#include <algorithm>
#include <chrono>
#include <fstream>
#include <mutex>
#include <thread>

#include "core/cp932.h"
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
    // The window goes first: its search threads call into the stub until
    // they are joined.
    void TearDown() override {
        w.reset();
        WindowTest::TearDown();
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
    // The game as KIF書出し writes it.
    std::string exportedKif() {
        fake.chosenFiles.push_back((dir / "game.kif").string());
        w->menuCommand("KIF_WRITE");
        std::ifstream in(dir / "game.kif", std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        return cp932ToUtf8(bytes).value_or("");
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

    // Once the game is over, 検討 may search; the record tells of the hint.
    move(7, 7, 7, 6);
    w->menuCommand("TOURYOU");
    tickUntil([&] { return stub.count() == 2; });
    EXPECT_TRUE(stub.runs[1].limits.infinite);
    EXPECT_NE(exportedKif().find("ヒント 1回"), std::string::npos);
}

TEST_F(StudyMode, AnalysedRecordFillsTheGraphMarksTheBlunderAndAClickStepsThere) {
    // A record whose first move leaves a rook where a gold takes it.
    fake.chosenFiles.push_back(std::string(XANTU_SOURCE_DIR) + "/tests/data/hanging_rook.kif");
    w->menuCommand("KIF_READ");
    ASSERT_EQ(w->g.recordMode, 1);
    w->menuCommand("KIFU_LIST");
    w->analysisDepth = 3;
    w->menuCommand("KAISEKI_START");
    EXPECT_TRUE(fake.checked("KEISEI"));  // the graph comes up for it
    tickUntil([&] {
        return !w->analysed.empty() &&
               std::all_of(w->analysed.begin(), w->analysed.end(), [](const AnalysedPly& p) { return p.done; });
    });

    // The graph's points are the analysed scores (clipped at its edge).
    const GraphView view = w->作成_形勢グラフ();
    ASSERT_EQ(view.scores.size(), w->analysed.size());
    std::vector<Point> line;
    for (std::size_t k = 0; k < view.scores.size(); ++k) {
        EXPECT_EQ(view.scores[k], w->analysed[k].score.value());
        line.push_back(w->studyStrip.graphPoint(view, static_cast<int>(k), false));
    }
    bool drawn = false;
    for (const DrawCall& d : fake.draws) drawn |= d.kind == DrawCall::Polyline && d.points == line;
    EXPECT_TRUE(drawn);

    // The rook move is a blunder: "??" beside it in the list and on the graph.
    EXPECT_EQ(w->analysed[0].mark, "??");
    EXPECT_GE(w->analysed[0].loss, kBlunderLoss);
    EXPECT_EQ(view.marks[1], 2);
    bool marked = false;
    for (const DrawCall& d : fake.draws)
        marked |= d.kind == DrawCall::Text && d.text == "??" && d.x > MoveListPanel::kLeft && d.code == colourLightRed;
    EXPECT_TRUE(marked);

    // A click on the graph at move 1 steps there, and the caption names the better move.
    const Point at = w->studyStrip.graphPoint(view, 1, false);
    w->Form_MouseDown(1, 0, at.x, at.y);
    EXPECT_EQ(w->moves.recordLength, 1);
    const std::string best = 作成_局面の指し手表記(w->record, 作成_手順局面(w->record), 0, w->analysed[0].best);
    EXPECT_NE(w->作成_形勢グラフ().caption.find("??　最善 " + best), std::string::npos);

    // KIF export writes the scores.
    EXPECT_NE(exportedKif().find("*評価値 "), std::string::npos);
}

}  // namespace
}  // namespace xantu::testing
