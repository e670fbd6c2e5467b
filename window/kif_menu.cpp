#include <cctype>

#include "record/kif_reader.h"
#include "record/kif_writer.h"
#include "record/record_file.h"
#include "window/game_window.h"

namespace xantu {

namespace {

constexpr const char* kKifWriteTitle = "KIF書出し";

// A chosen name without a KIF ending gets ".kif", the form every program reads.
std::string withKifEnding(std::string name) {
    std::string lower = name;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    auto endsWith = [&lower](const std::string& e) {
        return lower.size() >= e.size() && lower.compare(lower.size() - e.size(), e.size(), e) == 0;
    };
    if (!endsWith(".kif") && !endsWith(".kifu")) name += ".kif";
    return name;
}

}  // namespace

void GameWindow::対局情報設定() {
    gameInfo = GameInfo{};
    gameInfo.startDateTime = plat.clock.localDateTime();
    const std::string human = "人間";
    const std::string computer = "コンピュータ LEVEL" + std::to_string(g.comLevel);
    if (g.vsComputer == 1) {
        gameInfo.senteName = g.manSide == kSente ? human : computer;
        gameInfo.goteName = g.manSide == kSente ? computer : human;
    } else {
        gameInfo.senteName = gameInfo.goteName = human;
    }
}

void GameWindow::KIF_WRITE_Click() {
    hideRecordPanel(1);
    std::optional<FinalPosition> final;
    if (g.recordMode == 0 && 調査_最終局面が未保存(moves)) final = FinalPosition{pos, clk.manSeconds, clk.comSeconds};
    if (moves.lastEntry < 1 && !final) {
        play(forbiddenSound);
        message(std::string(KIF書出しメッセージ(KifWriteStatus::NoMoves)), kKifWriteTitle);
        return;
    }
    const std::string chosen = plat.dialogs.chooseFile(FileChoice::Save, kKifWriteTitle, "棋譜.kif");
    if (chosen.empty()) return;

    // A record file says nothing of who sat where: its first mover is 先手.
    KifGame game = 作成_KIF対局(moves, final, g.recordMode == 1 ? gameInfo.lowerSideOrder : g.manSide);
    game.startDateTime = gameInfo.startDateTime;
    game.event = gameInfo.event;
    game.senteName = gameInfo.senteName;
    game.goteName = gameInfo.goteName;
    if (game.senteName.empty() && game.goteName.empty()) {
        game.senteName = game.senteIsUpper ? gameInfo.upperName : gameInfo.lowerName;
        game.goteName = game.senteIsUpper ? gameInfo.lowerName : gameInfo.upperName;
    }
    if (g.recordMode == 0 && g.winnerSide != 0) {
        game.winner = g.winnerSide;
        if (gameEnd == GameEnd::Resigned) game.endWord = "投了";
        if (gameEnd == GameEnd::TimeUp) game.endWord = "切れ負け";
    }
    if (g.recordMode == 1 && gameInfo.winner != 0) game.winner = gameInfo.winner;
    const KifWriteStatus status = 書込_KIF(withKifEnding(chosen), game);
    if (status != KifWriteStatus::Ok) play(forbiddenSound);
    message(std::string(KIF書出しメッセージ(status)), kKifWriteTitle);
}

void GameWindow::KIF_READ_Click() {
    hideRecordPanel(1);
    const std::string chosen = plat.dialogs.chooseFile(FileChoice::Open, kKifReadTitle, "");
    if (chosen.empty()) return;
    // The whole file is read and every move checked before the game is touched.
    KifReadResult kif = 読込_KIF(chosen);
    if (!kif.ok) {
        play(forbiddenSound);
        message(kif.message, kKifReadTitle);
        return;
    }
    // A game in progress is given up only when the player says so, as 最初 asks.
    if (gameUnderWay() && g.moveNumber > 0 &&
        message("対局を中止して棋譜を読み込みますか？", kKifReadTitle, MsgButtons::YesNo) != kMsgYes)
        return;
    初期設定();
    g.recordMode = 1;
    保存_対局();
    // KIF numbers squares from 先手's seat: 先手 is the lower side.
    g.manSide = kSente;
    g.comSide = kGote;
    gameInfo = GameInfo{};
    gameInfo.startDateTime = kif.startDateTime;
    gameInfo.event = kif.event;
    gameInfo.senteName = kif.senteName;
    gameInfo.goteName = kif.goteName;
    gameInfo.lowerSideOrder = kSente;
    gameInfo.winner = kif.winner;
    moves = std::move(kif.list);
    moves.recordLength = 0;
    moves.lastEntry = kif.moveCount;
    g.moveNumber = 0;
    // A start other than the standard layout (a handicap) is shown at once.
    局面復元(moves, 0, pos);
    screen.描画_自持盤();
    screen.描画_敵持盤();
    screen.描画_盤();
    // The match name and 先手 below the board, 後手 above it, as for a record.
    if (!gameInfo.event.empty())
        screen.描画_棋譜見出し(取得_棋譜のX座標(gameInfo.event) - 3000, 6350, gameInfo.event, colourSelect);
    screen.描画_棋譜見出し(取得_棋譜のX座標(gameInfo.goteName), 100, gameInfo.goteName, colourWhite);
    screen.描画_棋譜見出し(取得_棋譜のX座標(gameInfo.senteName), 6350, gameInfo.senteName, colourWhite);
    if (kif.moveCount == 0) {
        message("KIFファイルに指し手がありません", kKifReadTitle);
        return;
    }
    message(KIF読込メッセージ(kif), kKifReadTitle);
    message("棋譜を '進 'で進めて下さい", kKifReadTitle);
    g.sideToMove = kSente;
}

}  // namespace xantu
