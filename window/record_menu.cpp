#include <filesystem>

#include "record/position_record.h"
#include "record/record_file.h"
#include "text/record_wording.h"
#include "window/game_window.h"

namespace xantu {

void GameWindow::KIFU_READ_Click() {
    描画_可視(true, true, true);
    描画_棋譜_IO(1);
}

void GameWindow::KIFU_WRITE_Click() {
    if (g.flipped == 1) {
        play(forbiddenSound);
        message(Msg::RecordWriteAfterReverse, Msg::TitleRecordWrite);
        return;
    }
    if (g.handicapSet == 1) {
        play(forbiddenSound);
        message(Msg::RecordWriteAfterHandicap, Msg::TitleRecordWrite);
        return;
    }
    描画_可視(true, true, false);
    描画_棋譜_IO(0);
}

void GameWindow::Command1_Click() {
    writeRecordFromPanel();
    描画_手番();
}

void GameWindow::File1_Click(const std::string& fileName) {
    readRecord(fileName);
    描画_手番();
}

void GameWindow::writeRecordFromPanel() {
    if (computerBusy()) return;
    const RecordTexts texts{plat.filePanel.text(2), plat.filePanel.text(3), plat.filePanel.text(4)};
    std::optional<FinalPosition> final;
    if (調査_最終局面が未保存(moves)) final = FinalPosition{pos, clk.manSeconds, clk.comSeconds};
    const RecordWriteStatus status =
        書込_棋譜(plat.filePanel.folder(), plat.filePanel.text(1), texts, g.manSide, moves, final);
    if (status != RecordWriteStatus::Ok) {
        // The panel stays open so the name can be corrected.
        message(棋譜書込メッセージ(plat.translator, status), 棋譜書込タイトル(plat.translator, status));
        return;
    }
    hideRecordPanel(1);
    plat.filePanel.refreshFiles();
    noteRecordFolder();
    message(棋譜書込メッセージ(plat.translator, status), 棋譜書込タイトル(plat.translator, status));
}

void GameWindow::readRecord(const std::string& fileName) {
    if (computerBusy()) return;
    // The whole file is checked before anything of the game is cleared: a
    // file without a single entry line is refused here too.
    描画_可視(false, false, false);
    const std::filesystem::path file = std::filesystem::path(plat.filePanel.folder()) / fileName;
    RecordReadResult result = 読込_棋譜(file);
    if (!調査_棋譜を読込可能(result.status)) {
        play(forbiddenSound);
        message(棋譜読込メッセージ(plat.translator, result), 文言(Msg::TitleRecord));
        return;
    }
    初期設定();
    g.recordMode = 1;
    noteRecordFolder();
    保存_対局();
    // The header lines: the match name and the lower player below the
    // board, the upper player above it.
    const auto& h = result.headers;
    gameInfo = GameInfo{};
    gameInfo.event = h[0];
    gameInfo.upperName = h[1];
    gameInfo.lowerName = h[2];
    if (result.headerLinesRead >= 1) screen.描画_棋譜見出し(取得_棋譜のX座標(h[0]) - 3000, 6350, h[0], colourSelect);
    if (result.headerLinesRead >= 2) screen.描画_棋譜見出し(取得_棋譜のX座標(h[1]), 100, h[1], colourWhite);
    if (result.headerLinesRead >= 3) screen.描画_棋譜見出し(取得_棋譜のX座標(h[2]), 6350, h[2], colourWhite);
    // The moves, with the board at the start of the game.
    moves = std::move(result.list);
    moves.recordLength = 0;
    moves.lastEntry = result.entryCount;
    // The file holds Positions only: its moves are found once, here.
    record = 作成_局面列の棋譜(moves, moves.lastEntry, nullptr, 0).game;
    g.moveNumber = 0;
    message(Msg::RecordRead, Msg::TitleRecord);
    message(Msg::StepThroughRecord, Msg::TitleRecord);
    g.sideToMove = kSente;
}

void GameWindow::描画_棋譜読込み部分消去() {
    screen.forgetRecordHeaders();
    screen.描画_桝_数値();
    screen.背景桝(-1, 10);
    screen.背景桝(0, 10);
    for (int x = 1; x <= 9; ++x) screen.背景桝(x, 10);
    for (int x = 1; x <= 9; ++x) screen.描画_桝輪郭(colourGreen, x, 9);
}

}  // namespace xantu
