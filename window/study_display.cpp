#include <algorithm>

#include "influence/influence_map.h"
#include "options/settings_file.h"
#include "window/game_window.h"
#include "window/menu_table.h"

namespace xantu {

double GameWindow::画面幅() const {
    return plat.menus.checked("KIFU_LIST") && !movePanel.below() ? MoveListPanel::kAreaWidth : kWindowWidthTwips;
}

// The window keeps its size and shows the wider, taller or narrower area
// whole, at the scale that fits. The panel goes below the board in a window
// clearly taller than wide, where beside the board it would shrink the board
// to fit the width; a window that turns back from tall with some room to
// spare has it beside the board again.
void GameWindow::applyAreaWidth() {
    // Below the board the study strip comes first, the list under it.
    const double strip = StudyStrip::areaHeight(plat.menus.checked("KENTOU"), plat.menus.checked("KEISEI"));
    movePanel.placeBelow(調査_棋譜一覧を下に(), std::max(strip, MoveListPanel::kBelowTop));
    area.width = 画面幅();
    area.height = plat.menus.checked("KIFU_LIST") && movePanel.below() ? movePanel.belowBottom() : strip;
    plat.canvas.setArea(area.width, area.height);
}

bool GameWindow::調査_棋譜一覧を下に() const {
    if (viewWidth_ <= 0 || viewHeight_ <= 0) return movePanel.below();
    return viewHeight_ > viewWidth_ * (movePanel.below() ? kTallLeaveRatio : kTallEnterRatio);
}

void GameWindow::Form_Resize(double width, double height) {
    viewWidth_ = width;
    viewHeight_ = height;
    // Not in the middle of the computer's turn: the turn's end lays it out.
    layoutPending_ = computerBusy();
    if (!layoutPending_) 配置_棋譜一覧();
}

void GameWindow::配置_棋譜一覧() {
    if (!plat.menus.checked("KIFU_LIST") || 調査_棋譜一覧を下に() == movePanel.below()) return;
    // The panel moves: everything is drawn again in the new area.
    applyAreaWidth();
    movePanel.forget();
    画面_再描画();
    描画_学習表示(true);
}

Screen::InfluenceCounts GameWindow::調査_利き() const {
    // The survey the computer itself reads, run on a copy: the window's own
    // map and king squares stay as the game left them.
    Position p = pos;
    InfluenceMap m;
    勢力調査(p, m);
    Screen::InfluenceCounts c;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            c.man[x][y] = m.manInfluence[x][y];
            c.com[x][y] = m.comInfluence[x][y];
        }
    return c;
}

void GameWindow::描画_学習表示(bool force) {
    const bool overlay = plat.menus.checked("KIKI");
    if (overlay != screen.influenceShown())
        screen.表示_利き(overlay, 調査_利き());
    else if (overlay)
        screen.描画_利き(調査_利き());
    if (plat.menus.checked("KIFU_LIST")) {
        MoveListView view = 作成_棋譜一覧(record, moves, g, 調査_下側の手番());
        view.result = 結果行();
        if (!analysed.empty() && analysisBelongs(view))
            for (std::size_t k = 0; k < view.moves.size() && k < analysed.size(); ++k)
                view.mistakes.emplace_back(analysed[k].lossKnown ? analysed[k].mark : std::string_view());
        movePanel.描画_棋譜一覧(view, force);
    }
    描画_検討パネル(force);
    描画_矢印();
    描画_形勢グラフ(force);
}

void GameWindow::afterEvent() {
    if (computerBusy() || steppingList_) return;
    if (layoutPending_) {
        layoutPending_ = false;
        配置_棋譜一覧();
    }
    描画_学習表示(false);
    検討_追従(false);
}

void GameWindow::KIFU_LIST_Click() {
    const bool on = !plat.menus.checked("KIFU_LIST");
    plat.menus.setChecked("KIFU_LIST", on);
    書込_環境設定ファイル();
    movePanel.forget();
    applyAreaWidth();
    if (on) 描画_学習表示(true);
}

void GameWindow::KIKI_Click() {
    plat.menus.setChecked("KIKI", !plat.menus.checked("KIKI"));
    書込_環境設定ファイル();
    描画_学習表示(false);
}

void GameWindow::Form_MouseWheel(double X, double Y, int steps) {
    if (computerBusy() || steps == 0 || !plat.menus.checked("KIFU_LIST") || !movePanel.contains(X, Y)) return;
    // Three rows a notch, as lists usually scroll.
    movePanel.scrollRows(-3 * steps);
    描画_学習表示(true);
}

bool GameWindow::moveListMouseDown(double X, double Y) {
    if (!plat.menus.checked("KIFU_LIST") || !movePanel.contains(X, Y)) return false;
    hideRecordPanel(1);
    if (const int page = movePanel.scrollMarkAt(X, Y); page != 0) {
        movePanel.scrollPage(page);
        描画_学習表示(true);
        return true;
    }
    const int row = movePanel.rowAt(X, Y);
    if (row >= 0) 棋譜一覧_Click(row);
    return true;
}

void GameWindow::棋譜一覧_Click(int row) {
    steppingList_ = true;
    while (moves.recordLength > row && !exitRequested_) {
        const int before = moves.recordLength;
        menuCommand("REPLAY");
        if (moves.recordLength == before) break;
    }
    while (moves.recordLength < row && !exitRequested_) {
        const int before = moves.recordLength;
        menuCommand("AFTER");
        if (moves.recordLength == before) break;
    }
    steppingList_ = false;
    afterEvent();
}

}  // namespace xantu
