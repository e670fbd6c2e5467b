// 棋譜解析: the whole game analysed on worker threads while the window stays
// usable, shown in the graph below the board and as marks in the move list.
#include <algorithm>
#include <thread>

#include "record/move_list_view.h"
#include "window/game_window.h"

namespace xantu {

namespace {
// Searches at once: two cores make the analysis about twice as fast.
int analysisThreads() { return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 2u)); }
}  // namespace

void GameWindow::selectAnalysisTime(int ms) {
    analysisMoveMs_ = ms;
    plat.menus.setChecked("KAISEKI_05", ms == 500);
    plat.menus.setChecked("KAISEKI_1", ms == 1000);
    plat.menus.setChecked("KAISEKI_3", ms == 3000);
}

void GameWindow::KAISEKI_05_Click() { selectAnalysisTime(500); }
void GameWindow::KAISEKI_1_Click() { selectAnalysisTime(1000); }
void GameWindow::KAISEKI_3_Click() { selectAnalysisTime(3000); }

void GameWindow::KAISEKI_START_Click() {
    hideRecordPanel(1);
    GameRecord game;
    bool whole = true;
    // Against the computer only once the game is over: the analysis must not help the player.
    if (!検討可能() || !作成_書出し対局(game, whole)) {
        play(forbiddenSound);
        message(検討可能() ? Msg::AnalysisNoMoves : Msg::AnalysisAfterGame, Msg::TitleAnalysis);
        return;
    }
    if (analysis_) analysis_->cancel();
    GameAnalysisSettings settings;
    settings.limits = Limits{};
    if (analysisDepth > 0)
        settings.limits.depth = analysisDepth;
    else
        settings.limits.movetimeMs = analysisMoveMs_;
    settings.threads = analysisThreads();
    analysis_ = std::make_unique<GameAnalysis>(game, settings);
    analysedRecord_ = std::move(game);
    analysedMoves_ = 作成_棋譜一覧(record, moves, g, 調査_下側の手番()).moves;
    analysed = analysis_->snapshot();
    analysisProgress_ = 0;
    analysis_->start();
    // The graph shows the analysis come in.
    if (!plat.menus.checked("KEISEI")) {
        plat.menus.setChecked("KEISEI", true);
        applyAreaWidth();
        studyStrip.forget();
        描画_学習表示(true);
    }
}

bool GameWindow::analysisBelongs(const MoveListView& list) const {
    if (analysedMoves_.size() > list.moves.size()) return false;
    return std::equal(analysedMoves_.begin(), analysedMoves_.end(), list.moves.begin());
}

void GameWindow::解析_追従() {
    if (!analysis_) return;
    const int done = analysis_->progress();
    if (done == analysisProgress_) return;
    analysisProgress_ = done;
    analysed = analysis_->snapshot();
    if (analysis_->finished()) analysis_.reset();
    // Another game on the board: what was found of the old one goes.
    if (!analysisBelongs(作成_棋譜一覧(record, moves, g, 調査_下側の手番()))) {
        analysis_.reset();
        analysed.clear();
    }
    描画_学習表示(false);
}

std::string GameWindow::評価値文言(const ScoreView& score) const {
    if (score.mate > 0) return 文言(Msg::ScoreSenteWins, {{"plies", score.mate}});
    if (score.mate < 0) return 文言(Msg::ScoreGoteWins, {{"plies", -score.mate}});
    return score.text();
}

GraphView GameWindow::作成_形勢グラフ() const {
    GraphView view;
    MoveListView list = 作成_棋譜一覧(record, moves, g, 調査_下側の手番());
    view.current = list.current;
    if (!list.game) {
        view.caption = 文言(Msg::GraphCaption);
        return view;
    }
    const bool known = !analysed.empty() && analysisBelongs(list);
    view.scores.assign(list.moves.size() + 1, GraphView::kNoScore);
    view.marks.assign(list.moves.size() + 1, 0);
    if (known)
        for (std::size_t k = 0; k < view.scores.size() && k < analysed.size(); ++k) {
            if (analysed[k].done) view.scores[k] = analysed[k].score.value();
            // The mark of move k belongs to the Position it led to.
            if (k > 0 && analysed[k - 1].lossKnown)
                view.marks[k] = analysed[k - 1].mark == "??" ? 2 : analysed[k - 1].mark == "?" ? 1 : 0;
        }
    if (analysis_) {
        view.progress = analysisProgress_;
        view.total = analysis_->total();
    }
    // The caption tells of the Position on the board: the move that led to
    // it with its mark and LEVEL4's choice instead, and its score.
    const int k = view.current;
    // A status line of fields, each a text of its own.
    std::string caption =
        k == 0 ? 文言(Msg::StartPosition)
               : 文言(Msg::GraphMove, {{"number", k}, {"move", list.moves[static_cast<std::size_t>(k - 1)]}});
    if (known && k > 0 && static_cast<std::size_t>(k) < analysed.size() + 1) {
        const AnalysedPly& from = analysed[static_cast<std::size_t>(k - 1)];
        if (from.lossKnown && !from.mark.empty()) {
            const std::string best =
                作成_局面の指し手表記(analysedRecord_, 作成_手順局面(analysedRecord_), k - 1, from.best);
            caption += 文言(Msg::GraphMistake, {{"mark", from.mark}, {"best", best}, {"loss", from.loss}});
        }
    }
    if (known && static_cast<std::size_t>(k) < analysed.size() && analysed[static_cast<std::size_t>(k)].done)
        caption += 文言(Msg::GraphScore, {{"score", 評価値文言(analysed[static_cast<std::size_t>(k)].score)}});
    if (analysis_) caption = 文言(Msg::GraphAnalysing, {{"done", analysisProgress_}, {"total", view.total}});
    view.caption = caption;
    return view;
}

}  // namespace xantu
