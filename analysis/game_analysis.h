#pragma once
// 棋譜解析: LEVEL4 searches every Position of a game, on worker threads, and
// judges each move played by what it cost its mover. The game stays usable
// meanwhile: start() returns at once, the owner reads the results while they
// come in (progress(), snapshot(), from any thread) and may cancel() at any
// time; a cancel ends every search within a few milliseconds (the search
// polls its stop flag every few hundred nodes).
//
// Scores are ScoreViews (先手's view). A move's loss is the best score of the
// Position it was played from less the score of the Position it led to, both
// from its mover's view; the second is the next Position's search, whose side
// to move is the opponent, so its score is that side's view turned about.
// Both are held within ±kScoreViewShownLimit first: past that a game is won
// or lost, and a missed king capture costs a few thousand, as the graph shows.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "core/move.h"
#include "core/player.h"
#include "core/position.h"
#include "core/score_view.h"
#include "core/side.h"
#include "record/game_record.h"

namespace xantu::search {
class Searcher;
}

namespace xantu {

// A played move that lost this much of its mover's score (centipawns) is a
// mistake ("?"), and this much a blunder ("??").
inline constexpr int kMistakeLoss = 300;
inline constexpr int kBlunderLoss = 800;

// "??", "?" or "" for a move's loss.
std::string_view mistakeMark(int loss);

struct AnalysedPly;

// Puts what was found into the game's current line: the score of each
// Position analysed on the move that led to it, and each move's mark. The
// KIF writer writes the scores as comments.
void 記入_解析結果(GameRecord& game, const std::vector<AnalysedPly>& plies);

// One Position of the game and, when a move was played from it, that move.
struct AnalysedPly {
    bool done = false;  // analysed: everything below is filled in
    bool over = false;  // a king is gone (or no move is left): nothing to search
    Order toMove = Order::Sente;
    ScoreView score;  // 先手's view; for a finished game, the winner's capture in 1
    bool hasBest = false;
    Move best;       // LEVEL4's choice
    std::string pv;  // USI moves of the best line
    int depth = 0;
    std::uint64_t nodes = 0;

    bool hasPlayed = false;  // a move of the game was played from here (every Position but the last)
    Move played;
    bool playedBest = false;  // the move played is LEVEL4's choice: no loss
    bool lossKnown = false;   // this Position and the next are analysed
    int loss = 0;             // centipawns the move cost its mover (0 .. 2 × kScoreViewShownLimit)
    std::string_view mark;    // mistakeMark(loss) once the loss is known
};

struct GameAnalysisSettings {
    // Per Position. The default is half a second; tests give a depth.
    Limits limits = [] {
        Limits l;
        l.movetimeMs = 500;
        return l;
    }();
    int threads = 1;                 // searchers working on different Positions at once
    std::size_t hashMegabytes = 32;  // each searcher's table
};

class GameAnalysis {
public:
    // The game's current line: its Positions, its moves and who moved first.
    explicit GameAnalysis(const GameRecord& game, GameAnalysisSettings settings = {});
    ~GameAnalysis();  // cancels and waits for the workers
    GameAnalysis(const GameAnalysis&) = delete;
    GameAnalysis& operator=(const GameAnalysis&) = delete;

    // Starts the workers and returns at once. Once only.
    void start();
    // Asks every search to stop and returns at once, so that a window's
    // button never waits; the workers end within milliseconds (running()
    // turns false). What was finished stays readable; the rest stays not done.
    void cancel();
    // Waits for the workers to finish the game (or a cancel).
    void wait();
    // A worker is still searching (false before start and once all ended).
    bool running() const { return active_.load() > 0; }

    int total() const { return static_cast<int>(plies_.size()); }  // Positions, the start included
    int progress() const { return done_.load(); }                  // Positions analysed so far
    bool finished() const { return progress() == total(); }
    bool cancelled() const { return stop_.load(); }

    // A copy of every Position's result as it stands.
    std::vector<AnalysedPly> snapshot() const;
    AnalysedPly ply(int i) const;

    // The moves with a known loss of kMistakeLoss or more: their Position's index (move i + 1 was played from it).
    std::vector<int> mistakes() const;

private:
    void work();
    void analyse(int i, search::Searcher& s);
    void settleLoss(int i);  // under mutex_

    std::vector<Position> positions_;
    std::vector<Move> played_;  // [i] the move played from Position i
    Side senteSeat_ = Side::Lower;
    Order firstMover_ = Order::Sente;
    GameAnalysisSettings settings_;

    mutable std::mutex mutex_;
    std::vector<AnalysedPly> plies_;
    std::vector<std::thread> workers_;
    std::atomic<int> next_{0};
    std::atomic<int> done_{0};
    std::atomic<int> active_{0};
    std::atomic<bool> stop_{false};
    bool started_ = false;
};

}  // namespace xantu
