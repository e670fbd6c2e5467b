#include "influence/influence_map.h"
#include "options/settings_file.h"
#include "window/game_window.h"
#include "window/menu_table.h"

namespace xantu {

double GameWindow::画面幅() const {
    return plat.menus.checked("KIFU_LIST") ? MoveListPanel::kAreaWidth : kWindowWidthTwips;
}

// The window keeps its size and shows the wider or narrower area whole, at
// the scale that fits.
void GameWindow::applyAreaWidth() {
    area.width = 画面幅();
    area.height = StudyStrip::areaHeight(plat.menus.checked("KENTOU"), plat.menus.checked("KEISEI"));
    plat.canvas.setArea(area.width, area.height);
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
        MoveListView view = 作成_棋譜一覧(moves, pos, g, 調査_下側の手番());
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
    if (computerBusy() || steps == 0 || !plat.menus.checked("KIFU_LIST") || X < MoveListPanel::kLeft || Y < 0) return;
    // Three rows a notch, as lists usually scroll.
    movePanel.scrollRows(-3 * steps);
    描画_学習表示(true);
}

bool GameWindow::moveListMouseDown(double X, double Y) {
    if (!plat.menus.checked("KIFU_LIST") || X < MoveListPanel::kLeft) return false;
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
