#include <cctype>

#include "core/sfen.h"
#include "record/csa_reader.h"
#include "record/csa_writer.h"
#include "record/kif_reader.h"
#include "record/kif_writer.h"
#include "record/move_notation.h"
#include "record/record_file.h"
#include "record/sfen_record.h"
#include "window/game_window.h"

namespace xantu {

namespace {

// A chosen name without one of the format's endings gets the usual one
// (".kif" is what every program reads).
std::string withEnding(std::string name, RecordFormat format) {
    std::string lower = name;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    auto endsWith = [&lower](const std::string& e) {
        return lower.size() >= e.size() && lower.compare(lower.size() - e.size(), e.size(), e) == 0;
    };
    if (format == RecordFormat::Csa) {
        if (!endsWith(".csa")) name += ".csa";
    } else if (!endsWith(".kif") && !endsWith(".kifu")) {
        name += ".kif";
    }
    return name;
}

}  // namespace

// The KIF 持ち時間 text of the game's clocks, 先手's first.
std::string GameWindow::持ち時間見出し() const {
    const bool manSente = g.manSide == kSente;
    return 作成_持ち時間見出し(manSente ? clk.control.man : clk.control.com,
                               manSente ? clk.control.com : clk.control.man);
}

void GameWindow::対局情報設定() {
    gameInfo = GameInfo{};
    gameInfo.startDateTime = plat.clock.localDateTime();
    時計_開始();
    gameInfo.timeControl = 持ち時間見出し();
    const std::string human = "人間";
    const std::string computer =
        g.opponent.isEngine() ? g.opponent.engine : "コンピュータ LEVEL" + std::to_string(g.opponent.level);
    // An outside engine kept from the last game hears that a new one begins.
    if (g.vsComputer == 1 && keptPlayer_ && keptPlayerFor_.isEngine()) keptPlayer_->newGame();
    if (g.vsComputer == 1) {
        gameInfo.senteName = g.manSide == kSente ? human : computer;
        gameInfo.goteName = g.manSide == kSente ? computer : human;
    } else {
        gameInfo.senteName = gameInfo.goteName = human;
    }
}

std::string GameWindow::chooseRecordFile(FileChoice kind, const std::string& title, const std::string& suggestedName,
                                         RecordFormat format) {
    FileRequest request;
    request.kind = kind;
    request.title = title;
    request.suggestedName = suggestedName;
    request.folder = recordFolder.empty() ? plat.filePanel.folder() : recordFolder;
    request.format = format;
    const std::string chosen = plat.dialogs.chooseFile(request);
    if (chosen.empty()) return chosen;
    // The record panel and the next chooser open where this file is.
    const std::string folder = std::filesystem::path(chosen).parent_path().string();
    if (!folder.empty() && folder != recordFolder) {
        recordFolder = folder;
        plat.filePanel.openFolder(folder);
        書込_環境設定ファイル();
    }
    return chosen;
}

int GameWindow::lowerSideOrder() const { return g.recordMode == 1 ? gameInfo.lowerSideOrder : g.manSide; }

bool GameWindow::作成_書出し対局(KifGame& game) {
    std::optional<FinalPosition> final;
    if (g.recordMode == 0 && 調査_最終局面が未保存(moves)) final = FinalPosition{pos, clk.manSeconds, clk.comSeconds};
    if (moves.lastEntry < 1 && !final) return false;
    // A record file says nothing of who sat where: its first mover is 先手.
    game = 作成_KIF対局(moves, final, lowerSideOrder());
    game.startDateTime = gameInfo.startDateTime;
    game.event = gameInfo.event;
    game.timeControl = gameInfo.timeControl;
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
        if (gameEnd == GameEnd::IllegalMove) game.endWord = "反則負け";
    }
    if (g.recordMode == 1 && gameInfo.winner != 0) game.winner = gameInfo.winner;
    game.hintCount = gameInfo.hints;
    if (!analysed.empty() && analysisBelongs(作成_棋譜一覧(moves, pos, g, 調査_下側の手番()))) {
        game.scores = kifScores(analysed);
        // The game may have gone on since: the scores reach only as far as it was analysed.
        game.scores.resize(std::min(game.scores.size(), game.positions.size()));
    }
    return true;
}

void GameWindow::KIF_WRITE_Click() { 書出し_棋譜(RecordFormat::Kif); }

void GameWindow::CSA_WRITE_Click() { 書出し_棋譜(RecordFormat::Csa); }

void GameWindow::書出し_棋譜(RecordFormat format) {
    const bool kif = format == RecordFormat::Kif;
    const std::string title = 文言(kif ? Msg::TitleKifWrite : Msg::TitleCsaWrite);
    hideRecordPanel(1);
    KifGame game;
    if (!作成_書出し対局(game)) {
        play(forbiddenSound);
        message(std::string(kif ? KIF書出しメッセージ(KifWriteStatus::NoMoves)
                                : CSA書出しメッセージ(CsaWriteStatus::NoMoves)),
                title);
        return;
    }
    const std::string chosen =
        chooseRecordFile(FileChoice::Save, title, 文言(kif ? Msg::SuggestedKifName : Msg::SuggestedCsaName), format);
    if (chosen.empty()) return;
    const std::string path = withEnding(chosen, format);
    bool written = false;
    std::string_view said;
    if (kif) {
        const KifWriteStatus status = 書込_KIF(path, game);
        written = status == KifWriteStatus::Ok;
        said = KIF書出しメッセージ(status);
    } else {
        const CsaWriteStatus status = 書込_CSA(path, game);
        written = status == CsaWriteStatus::Ok;
        said = CSA書出しメッセージ(status);
    }
    if (!written) play(forbiddenSound);
    message(std::string(said), title);
}

void GameWindow::読込_対局(KifReadResult& kif, const std::string& title, const std::string& noMoves) {
    if (!kif.ok) {
        play(forbiddenSound);
        message(kif.message, title);
        return;
    }
    // A game in progress is given up only when the player says so, as 最初 asks.
    if (gameUnderWay() && g.moveNumber > 0 && message(文言(Msg::AskLoadRecord), title, MsgButtons::YesNo) != kMsgYes)
        return;
    初期設定();
    g.recordMode = 1;
    保存_対局();
    // Every record numbers squares from 先手's seat: 先手 is the lower side.
    g.manSide = kSente;
    g.comSide = kGote;
    gameInfo = GameInfo{};
    gameInfo.startDateTime = kif.startDateTime;
    gameInfo.event = kif.event;
    gameInfo.timeControl = kif.timeControl;
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
    // The time the players had, above the board beside 後手's name.
    if (!gameInfo.timeControl.empty()) {
        const std::string shown = 文言(Msg::RecordTimeControl, {{"time", gameInfo.timeControl}});
        screen.描画_棋譜見出し(取得_棋譜のX座標(shown) - 3000, 100, shown, colourSelect);
    }
    screen.描画_棋譜見出し(取得_棋譜のX座標(gameInfo.senteName), 6350, gameInfo.senteName, colourWhite);
    if (kif.moveCount == 0) {
        message(noMoves, title);
        return;
    }
    message(KIF読込メッセージ(kif), title);
    message(文言(Msg::StepThroughRecord), title);
    g.sideToMove = kSente;
}

void GameWindow::KIF_READ_Click() {
    hideRecordPanel(1);
    const std::string title = 文言(Msg::TitleKifRead);
    const std::string chosen = chooseRecordFile(FileChoice::Open, title, "", RecordFormat::Kif);
    if (chosen.empty()) return;
    // The whole file is read and every move checked before the game is touched.
    KifReadResult kif = 読込_KIF(chosen);
    読込_対局(kif, title, 文言(Msg::KifHasNoMoves));
}

void GameWindow::CSA_READ_Click() {
    hideRecordPanel(1);
    const std::string title = 文言(Msg::TitleCsaRead);
    const std::string chosen = chooseRecordFile(FileChoice::Open, title, "", RecordFormat::Csa);
    if (chosen.empty()) return;
    KifReadResult csa = 読込_CSA(chosen);
    読込_対局(csa, title, 文言(Msg::CsaHasNoMoves));
}

void GameWindow::KIF_COPY_Click() {
    hideRecordPanel(1);
    KifGame game;
    const KifText kif = 作成_書出し対局(game) ? 作成_KIF(game) : KifText{};
    if (!kif.ok) {
        play(forbiddenSound);
        message(std::string(KIF書出しメッセージ(kif.badMove != 0 ? KifWriteStatus::BadMove : KifWriteStatus::NoMoves)),
                文言(Msg::TitleKifCopy));
        return;
    }
    plat.clipboard.setText(kif.text);
}

void GameWindow::SFEN_COPY_Click() {
    hideRecordPanel(1);
    // Whose move it is in the Position shown: the mover of the next move of
    // the list, or the other side than the mover of the last one.
    bool lowerToMove = true;
    const int n = moves.recordLength;
    Position before;
    if (n < moves.lastEntry) {
        局面復元(moves, n, before);
        Position after;
        局面復元(moves, n + 1, after);
        if (const auto m = 調査_指し手(before, after)) lowerToMove = m->piece < 0;
    } else if (n >= 1) {
        局面復元(moves, n - 1, before);
        if (const auto m = 調査_指し手(before, pos)) lowerToMove = m->piece > 0;
    } else if (g.sideToMove != 0 && g.recordMode == 0) {
        lowerToMove = g.sideToMove == g.manSide;
    }
    // SFEN, as other programs read it, is written from 先手's seat.
    int lower = lowerSideOrder();
    if (lower == 0) lower = kSente;
    const bool lowerIsSente = lower == kSente;
    std::string sfen =
        toSfen(lowerIsSente ? pos : turnedAbout(pos), lowerToMove == lowerIsSente ? Side::Lower : Side::Upper);
    sfen.resize(sfen.size() - 1);  // the move number
    plat.clipboard.setText(sfen + std::to_string(n + 1));
}

void GameWindow::PASTE_Click() {
    hideRecordPanel(1);
    const std::string text = plat.clipboard.text();
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
        play(forbiddenSound);
        message(Msg::ClipboardEmpty, Msg::TitlePaste);
        return;
    }
    KifReadResult game = isSfenText(text) ? 解析_SFEN棋譜(text) : isCsaText(text) ? 解析_CSA(text) : 解析_KIF(text);
    読込_対局(game, 文言(Msg::TitlePaste), 文言(Msg::PositionPasted));
}

}  // namespace xantu
