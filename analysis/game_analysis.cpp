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

std::vector<std::optional<ScoreView>> kifScores(const std::vector<AnalysedPly>& plies) {
    std::vector<std::optional<ScoreView>> out(plies.size());
    for (std::size_t i = 0; i < plies.size(); ++i)
        if (plies[i].done) out[i] = plies[i].score;
    return out;
}

namespace {

bool sameMove(const MoveRecord& a, const MoveRecord& b) {
    return a.drop == b.drop && a.fromX == b.fromX && a.fromY == b.fromY && a.toX == b.toX && a.toY == b.toY &&
           a.promote == b.promote && (!a.drop || a.piece == b.piece);
}

}  // namespace

GameAnalysis::GameAnalysis(const KifGame& game, GameAnalysisSettings settings)
    : positions_(game.positions),
      senteSeat_(game.senteIsUpper ? Side::Upper : Side::Lower),
      firstMover_(orderOf(game.firstMover)),
      view_(game.senteIsUpper ? NotationView::UpperSideFirst : NotationView::AsDrawn),
      settings_(settings),
      plies_(game.positions.size()) {
    settings_.threads = std::max(1, settings_.threads);
    // The side to move of each Position, and the move played from it, are
    // known before any search: the list can show them at once.
    int prevToX = 0, prevToY = 0;
    for (std::size_t i = 0; i < plies_.size(); ++i) {
        AnalysedPly& ply = plies_[i];
        ply.toMove = i % 2 == 0 ? firstMover_ : opponent(firstMover_);
        if (i + 1 < plies_.size()) {
            const std::optional<MoveRecord> m = 調査_指し手(positions_[i], positions_[i + 1]);
            ply.hasPlayed = m.has_value();
            if (m) ply.playedText = 作成_指し手表記(*m, orderValue(ply.toMove), prevToX, prevToY, view_);
            prevToX = m ? m->toX : 0;
            prevToY = m ? m->toY : 0;
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
            int prevToX = 0, prevToY = 0;
            if (i > 0) {
                if (const std::optional<MoveRecord> m = 調査_指し手(positions_[static_cast<std::size_t>(i - 1)], pos)) {
                    prevToX = m->toX;
                    prevToY = m->toY;
                }
            }
            const MoveRecord best = toMoveRecord(pos, t.move);
            r.bestText = 作成_指し手表記(best, orderValue(toMove), prevToX, prevToY, view_);
            if (static_cast<std::size_t>(i + 1) < positions_.size()) {
                const std::optional<MoveRecord> played = 調査_指し手(pos, positions_[static_cast<std::size_t>(i + 1)]);
                r.playedBest = played && sameMove(*played, best);
            }
        }
    }
    const std::lock_guard<std::mutex> lock(mutex_);
    AnalysedPly& ply = plies_[static_cast<std::size_t>(i)];
    r.toMove = ply.toMove;
    r.hasPlayed = ply.hasPlayed;
    r.playedText = std::move(ply.playedText);
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
