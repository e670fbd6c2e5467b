// The strong search beside the game: 検討 (the analysis of the Position on
// the board), ヒント and the 形勢グラフ. The searches run on worker threads;
// the window only starts and stops them and, on its 50 ms tick, shows what
// they have found, so that input is never kept waiting.
#include <algorithm>
#include <cstring>
#include <optional>
#include <sstream>

#include "core/hand_rows.h"
#include "core/legal_moves.h"
#include "core/score_view.h"
#include "record/move_list_view.h"
#include "record/move_notation.h"
#include "search/level4_player.h"
#include "window/game_window.h"

namespace xantu {

namespace {

constexpr int kStudyArrowColour = 13;  // magenta
constexpr int kHintArrowColour = 10;   // light green
constexpr std::size_t kLineMovesPerRow = 5;

std::string withThousands(std::uint64_t n) {
    std::string digits = std::to_string(n), out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

}  // namespace

bool GameWindow::sameTarget(const StudyTarget& a, const StudyTarget& b) {
    return a.order == b.order && std::memcmp(a.pos.board, b.pos.board, sizeof a.pos.board) == 0 &&
           std::memcmp(a.pos.ownHand, b.pos.ownHand, sizeof a.pos.ownHand) == 0 &&
           std::memcmp(a.pos.enemyHand, b.pos.enemyHand, sizeof a.pos.enemyHand) == 0;
}

GameWindow::StudyTarget GameWindow::studyTarget() const {
    // With no game on the board, the Position is studied with 先手 to move.
    return {pos, g.sideToMove != 0 ? g.sideToMove : kSente};
}

bool GameWindow::検討可能() const { return !(g.vsComputer == 1 && gameUnderWay()); }

BackgroundSearch::Work GameWindow::studyWork(const StudyTarget& t, const Limits& limits) {
    const Side seat = t.order == 調査_下側の手番() ? Side::Lower : Side::Upper;
    if (studyThink)
        return [think = studyThink, p = t.pos, seat, limits](const std::atomic<bool>& stop, const InfoSink& onInfo) {
            return think(p, seat, limits, stop, onInfo);
        };
    if (!studyPlayer_) studyPlayer_ = std::make_unique<search::Level4Player>();
    return
        [player = studyPlayer_.get(), p = t.pos, seat, limits](const std::atomic<bool>& stop, const InfoSink& onInfo) {
            return player->think(p, seat, limits, stop, onInfo);
        };
}

std::vector<std::string> GameWindow::作成_読み筋(const StudyTarget& t, const std::string& pv, Move* first) const {
    const int lower = 調査_下側の手番();
    const NotationView view = lower == kGote ? NotationView::UpperSideFirst : NotationView::AsDrawn;
    Position p = t.pos;
    int order = t.order;
    int prevX = 0, prevY = 0;
    std::vector<std::string> rows(1);
    std::size_t inRow = 0;
    std::istringstream words(pv);
    std::string word;
    bool firstMove = true;
    while (words >> word) {
        const Side seat = order == lower ? Side::Lower : Side::Upper;
        const std::optional<Move> m = legalMove(p, seat, word);
        if (!m) break;
        if (firstMove && first != nullptr) *first = *m;
        firstMove = false;
        if (inRow == kLineMovesPerRow) {
            rows.emplace_back();
            inRow = 0;
        }
        rows.back() += (inRow == 0 ? "" : " ") + 作成_指し手表記(p, *m, order, prevX, prevY, view);
        ++inRow;
        prevX = m->toX;
        prevY = m->toY;
        if (absCode(playMove(p, *m)) == kKing) break;
        order = -order;
    }
    return rows;
}

void GameWindow::描画_検討パネル(bool force) {
    StudyPanelView view;
    if (!plat.menus.checked("KENTOU")) return;
    if (!検討可能()) {
        view.lines = {文言(Msg::StudyPaused)};
    } else if (!bothKingsOnBoard(pos)) {
        view.lines = {文言(Msg::StudyOver)};
    } else if (!studyInfo_) {
        view.lines = {文言(Msg::StudyThinking)};
    } else {
        const Info& info = *studyInfo_;
        const std::string score = 評価値文言(ScoreView::of(info, orderOf(studyOn_.order)));
        view.lines.push_back(info.timed
                                 ? 文言(Msg::StudyHeadWithSpeed,
                                        {{"score", score}, {"depth", info.depth}, {"nps", withThousands(info.nps)}})
                                 : 文言(Msg::StudyHead, {{"score", score}, {"depth", info.depth}}));
        std::vector<std::string> rows = 作成_読み筋(studyOn_, info.pv, nullptr);
        for (std::size_t i = 0; i < rows.size() && i < 2; ++i)
            view.lines.push_back(文言(i == 0 ? Msg::StudyLine : Msg::StudyLineMore, {{"moves", rows[i]}}));
    }
    studyStrip.描画_検討(view, force);
}

void GameWindow::描画_矢印() {
    Screen::Arrow arrow;
    Move m;
    int colour = 0;
    bool shown = false;
    if (hintShownAt_ >= 0) {
        m = hintMove_;
        colour = kHintArrowColour;
        shown = true;
    } else if (plat.menus.checked("KENTOU") && 検討可能() && studyInfo_ && sameTarget(studyOn_, studyTarget())) {
        作成_読み筋(studyOn_, studyInfo_->pv, &m);
        colour = kStudyArrowColour;
        shown = m.toX != 0;
    }
    if (shown) {
        arrow.colour = colour;
        arrow.toX = m.toX;
        arrow.toY = m.toY;
        if (m.isDrop()) {
            const bool lowerHand = m.side() == Side::Lower;
            arrow.fromX = lowerHand ? kLowerHandCol : kUpperHandCol;
            arrow.fromY = lowerHand ? lowerHandRow(m.dropKind) : upperHandRow(m.dropKind);
        } else {
            arrow.fromX = m.fromX;
            arrow.fromY = m.fromY;
        }
    }
    screen.描画_矢印(arrow);
}

void GameWindow::検討_追従(bool force) {
    const bool on = plat.menus.checked("KENTOU") && 検討可能() && bothKingsOnBoard(pos);
    const StudyTarget now = studyTarget();
    if (!on) {
        study_.stop();
        studyInfo_.reset();
    } else if (!study_.active() || !sameTarget(now, studyOn_)) {
        studyOn_ = now;
        studyInfo_.reset();
        Limits endless;
        endless.infinite = true;
        study_.start(studyWork(now, endless));
    }
    if (std::optional<Info> info = study_.takeInfo()) studyInfo_ = std::move(info);
    描画_検討パネル(force);
    描画_矢印();
}

void GameWindow::studyTick() {
    if (computerBusy() || terminated_) return;
    // The hint: shown once found for the Position it was asked on, gone after
    // its time or as soon as the Position changes.
    if (hintWaiting_ && hint_.finished()) {
        hintWaiting_ = false;
        const Thought found = hint_.result();
        hint_.stop();
        if (found.hasMove && sameTarget(hintOn_, studyTarget())) {
            hintMove_ = found.move;
            hintShownAt_ = plat.clock.now();
        }
    }
    if (hintShownAt_ >= 0) {
        const double now = plat.clock.now();
        if (now - hintShownAt_ >= kHintShowSeconds || now < hintShownAt_ || !sameTarget(hintOn_, studyTarget()))
            hintShownAt_ = -1;
    }
    検討_追従(false);
    解析_追従();
    plat.canvas.refresh();
}

void GameWindow::KENTOU_Click() {
    plat.menus.setChecked("KENTOU", !plat.menus.checked("KENTOU"));
    applyAreaWidth();
    studyStrip.forget();
    描画_学習表示(true);
}

void GameWindow::KEISEI_Click() {
    plat.menus.setChecked("KEISEI", !plat.menus.checked("KEISEI"));
    applyAreaWidth();
    studyStrip.forget();
    描画_学習表示(true);
}

void GameWindow::HINT_Click() {
    hideRecordPanel(1);
    // Only for the human, at the human's turn of a game against the computer.
    if (!(g.vsComputer == 1 && gameUnderWay() && g.sideToMove == g.manSide) || hintWaiting_) {
        play(forbiddenSound);
        return;
    }
    ++gameInfo.hints;
    hintOn_ = studyTarget();
    hintWaiting_ = true;
    hintShownAt_ = -1;
    Limits limits;
    limits.movetimeMs = kHintThinkMs;
    hint_.start(studyWork(hintOn_, limits));
}

void GameWindow::描画_形勢グラフ(bool force) {
    if (!plat.menus.checked("KEISEI")) {
        screen.描画_追加印({});
        return;
    }
    studyStrip.描画_形勢グラフ(作成_形勢グラフ(), plat.menus.checked("KENTOU"), force);
}

bool GameWindow::studyMouseDown(double X, double Y) {
    if (Y < StudyStrip::kTop || X >= StudyStrip::kRight) return false;
    if (!plat.menus.checked("KENTOU") && !plat.menus.checked("KEISEI")) return false;
    hideRecordPanel(1);
    if (studyStrip.cancelButtonAt(X, Y) && analysis_) {
        analysis_->cancel();
        analysed = analysis_->snapshot();
        analysis_.reset();
        描画_学習表示(false);
    } else if (plat.menus.checked("KEISEI")) {
        if (const int row = studyStrip.graphRowAt(X, Y); row >= 0) 棋譜一覧_Click(row);
    }
    return true;
}

}  // namespace xantu
