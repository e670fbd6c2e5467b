#include "analysis/game_analysis.h"

#include <algorithm>
#include <optional>

#include "search/searcher.h"

namespace xantu {

std::string_view mistakeMark(int loss) {
    if (loss >= kBlunderLoss) return "??";
    if (loss >= kMistakeLoss) return "?";
    return "";
}

void 記入_解析結果(GameRecord& game, const std::vector<AnalysedPly>& plies) {
    const std::vector<int> line = 現在手順(game);
    for (std::size_t i = 1; i < line.size(); ++i) {
        RecordNode& n = game.nodes[static_cast<std::size_t>(line[i])];
        n.score.reset();
        n.mark.clear();
        if (i < plies.size() && plies[i].done) n.score = plies[i].score;
        if (i - 1 < plies.size() && plies[i - 1].lossKnown) n.mark = plies[i - 1].mark;
    }
}

namespace {

// The same move, however its piece code is written.
bool sameMove(const Move& a, const Move& b) {
    return a.fromX == b.fromX && a.fromY == b.fromY && a.dropKind == b.dropKind && a.toX == b.toX && a.toY == b.toY &&
           a.promotes == b.promotes;
}

}  // namespace

GameAnalysis::GameAnalysis(const GameRecord& game, GameAnalysisSettings settings)
    : senteSeat_(game.senteIsUpper ? Side::Upper : Side::Lower),
      firstMover_(orderOf(game.firstMover)),
      settings_(settings) {
    settings_.threads = std::max(1, settings_.threads);
    GameLine line = 作成_手順局面(game);
    positions_ = std::move(line.positions);
    plies_.resize(positions_.size());
    // The side to move of each Position, and the move played from it, are
    // known before any search: the list can show them at once.
    for (std::size_t i = 0; i < plies_.size(); ++i) {
        AnalysedPly& ply = plies_[i];
        ply.toMove = i % 2 == 0 ? firstMover_ : opponent(firstMover_);
        if (i < line.nodes.size()) {
            ply.hasPlayed = true;
            ply.played = game.nodes[static_cast<std::size_t>(line.nodes[i])].move;
            played_.push_back(ply.played);
        }
    }
}

GameAnalysis::~GameAnalysis() {
    cancel();
    wait();
}

void GameAnalysis::start() {
    if (started_) return;
    started_ = true;
    const int n = std::min(settings_.threads, std::max(1, total()));
    active_ = n;
    for (int t = 0; t < n; ++t)
        workers_.emplace_back([this] {
            work();
            --active_;
        });
}

void GameAnalysis::cancel() { stop_ = true; }

void GameAnalysis::wait() {
    for (std::thread& t : workers_)
        if (t.joinable()) t.join();
}

std::vector<AnalysedPly> GameAnalysis::snapshot() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return plies_;
}

AnalysedPly GameAnalysis::ply(int i) const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return plies_.at(static_cast<std::size_t>(i));
}

std::vector<int> GameAnalysis::mistakes() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    std::vector<int> out;
    for (std::size_t i = 0; i < plies_.size(); ++i)
        if (plies_[i].lossKnown && plies_[i].loss >= kMistakeLoss) out.push_back(static_cast<int>(i));
    return out;
}

void GameAnalysis::work() {
    search::Searcher searcher(settings_.hashMegabytes);
    // Positions are taken in the game's order, so the graph fills from the
    // start and each searcher's table still holds much of the next one.
    while (!stop_) {
        const int i = next_.fetch_add(1);
        if (i >= total()) break;
        analyse(i, searcher);
    }
}

void GameAnalysis::analyse(int i, search::Searcher& searcher) {
    const Position& pos = positions_[static_cast<std::size_t>(i)];
    const Order toMove = i % 2 == 0 ? firstMover_ : opponent(firstMover_);
    const Side seat = toMove == Order::Sente ? senteSeat_ : opponent(senteSeat_);
    AnalysedPly r;
    if (!bothKingsOnBoard(pos)) {
        // The game is over: the side whose king stands has won, as if it
        // took the king with its next move.
        r.over = true;
        const bool senteWon = kingCount(pos, senteSeat_) > 0;
        r.score = ScoreView{0, senteWon ? 1 : -1};
    } else {
        std::string pv;
        const Thought t = searcher.go(pos, seat, settings_.limits, stop_, [&pv](const Info& info) { pv = info.pv; });
        if (stop_) return;  // cut short: leave it not done
        r.depth = t.depth;
        r.nodes = t.nodes;
        if (!t.hasMove) {
            r.over = true;  // no move at all: the side to move has lost
            r.score = ScoreView::fromMover(0, -1, toMove);
        } else {
            r.score = ScoreView::of(t, toMove);
            r.hasBest = true;
            r.best = t.move;
            r.pv = pv.empty() ? t.move.usi() : pv;
            r.playedBest =
                static_cast<std::size_t>(i) < played_.size() && sameMove(played_[static_cast<std::size_t>(i)], t.move);
        }
    }
    const std::lock_guard<std::mutex> lock(mutex_);
    AnalysedPly& ply = plies_[static_cast<std::size_t>(i)];
    r.toMove = ply.toMove;
    r.hasPlayed = ply.hasPlayed;
    r.played = ply.played;
    r.done = true;
    ply = std::move(r);
    settleLoss(i - 1);
    settleLoss(i);
    ++done_;
}

void GameAnalysis::settleLoss(int i) {
    if (i < 0 || i + 1 >= total()) return;
    AnalysedPly& ply = plies_[static_cast<std::size_t>(i)];
    const AnalysedPly& next = plies_[static_cast<std::size_t>(i + 1)];
    if (!ply.done || !next.done || !ply.hasPlayed) return;
    ply.lossKnown = true;
    // The best move costs nothing, even when the next search, a ply deeper
    // into the line, sees the Position a little differently.
    ply.loss = ply.playedBest || ply.over
                   ? 0
                   : std::max(0, ply.score.shownValueFor(ply.toMove) - next.score.shownValueFor(ply.toMove));
    ply.mark = mistakeMark(ply.loss);
}

}  // namespace xantu
