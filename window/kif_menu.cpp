#include <cctype>

#include "core/sfen.h"
#include "record/csa_writer.h"
#include "record/kif_writer.h"
#include "record/move_list_view.h"
#include "record/record_file.h"
#include "record/record_format.h"
#include "text/record_wording.h"
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

void GameWindow::記録_指し手(const Move& m, const MoveClock& clock) {
    // The first move fixes the start: the Position it is made from.
    if (moves.recordLength == 0)
        開始_棋譜(record, pos, g.sideToMove == 0 ? kSente : g.sideToMove);
    else if (手順の手数(record) < moves.recordLength)
        return;  // the record does not hold the moves before it (a kept game it could not follow)
    else
        切詰め_手順(record, moves.recordLength);
    追加_指し手(record, m, clock);
}

bool GameWindow::作成_書出し対局(GameRecord& game, bool& whole) {
    // The moves the list reaches: up to the board in live play, else its last entry.
    const int count = 調査_一覧の手数(moves, g);
    if (count < 1) return false;
    game = record;
    whole = 手順の手数(game) >= count;
    切詰め_手順(game, count);
    // A record file says nothing of who sat where: its first mover is 先手.
    設定_先手(game, lowerSideOrder());
    game.startDateTime = gameInfo.startDateTime;
    game.event = gameInfo.event;
    game.timeControl = gameInfo.timeControl;
    game.senteName = gameInfo.senteName;
    game.goteName = gameInfo.goteName;
    game.handicap.clear();
    if (game.senteName.empty() && game.goteName.empty()) {
        game.senteName = game.senteIsUpper ? gameInfo.upperName : gameInfo.lowerName;
        game.goteName = game.senteIsUpper ? gameInfo.lowerName : gameInfo.upperName;
    }
    game.winner = 調査_玉による勝者(game);
    game.ending.clear();
    if (g.recordMode == 0 && g.winnerSide != 0) {
        game.winner = g.winnerSide;
        if (gameEnd == GameEnd::Resigned) game.ending = "投了";
        if (gameEnd == GameEnd::TimeUp) game.ending = "切れ負け";
        if (gameEnd == GameEnd::IllegalMove) game.ending = "反則負け";
    }
    if (g.recordMode == 1 && gameInfo.winner != 0) game.winner = gameInfo.winner;
    game.hintCount = gameInfo.hints;
    // The scores reach only as far as the game was analysed.
    const bool analysedHere = !analysed.empty() && analysisBelongs(作成_棋譜一覧(record, moves, g, 調査_下側の手番()));
    記入_解析結果(game, analysedHere ? analysed : std::vector<AnalysedPly>{});
    return true;
}

void GameWindow::KIF_WRITE_Click() { 書出し_棋譜(RecordFormat::Kif); }

void GameWindow::CSA_WRITE_Click() { 書出し_棋譜(RecordFormat::Csa); }

void GameWindow::書出し_棋譜(RecordFormat format) {
    const bool kif = format == RecordFormat::Kif;
    const std::string title = 文言(kif ? Msg::TitleKifWrite : Msg::TitleCsaWrite);
    hideRecordPanel(1);
    GameRecord game;
    bool whole = true;
    if (!作成_書出し対局(game, whole)) {
        play(forbiddenSound);
        message(kif ? KIF書出しメッセージ(plat.translator, KifWriteStatus::NoMoves)
                    : CSA書出しメッセージ(plat.translator, CsaWriteStatus::NoMoves),
                title);
        return;
    }
    const std::string chosen =
        chooseRecordFile(FileChoice::Save, title, 文言(kif ? Msg::SuggestedKifName : Msg::SuggestedCsaName), format);
    if (chosen.empty()) return;
    const std::string path = withEnding(chosen, format);
    bool written = false;
    std::string said;
    if (kif) {
        const KifWriteStatus status = whole ? 書込_KIF(path, game) : KifWriteStatus::BadMove;
        written = status == KifWriteStatus::Ok;
        said = KIF書出しメッセージ(plat.translator, status);
    } else {
        const CsaWriteStatus status = whole ? 書込_CSA(path, game) : CsaWriteStatus::BadMove;
        written = status == CsaWriteStatus::Ok;
        said = CSA書出しメッセージ(plat.translator, status);
    }
    if (!written) play(forbiddenSound);
    message(said, title);
}

void GameWindow::読込_対局(RecordRead& read, const std::string& title, const std::string& noMoves) {
    if (!read.ok()) {
        play(forbiddenSound);
        message(読込問題メッセージ(plat.translator, read.problem), title);
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
    const GameRecord& game = read.game;
    gameInfo = GameInfo{};
    gameInfo.startDateTime = game.startDateTime;
    gameInfo.event = game.event;
    gameInfo.timeControl = game.timeControl;
    gameInfo.senteName = game.senteName;
    gameInfo.goteName = game.goteName;
    gameInfo.lowerSideOrder = kSente;
    gameInfo.winner = game.winner;
    const int moveCount = 手順の手数(game);
    const std::string loaded = 読込完了メッセージ(plat.translator, game);
    record = std::move(read.game);
    作成_手順表(record, moves);
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
    if (moveCount == 0) {
        message(noMoves, title);
        return;
    }
    message(loaded, title);
    message(文言(Msg::StepThroughRecord), title);
    g.sideToMove = kSente;
}

void GameWindow::読込_棋譜ファイル(RecordFormat menu) {
    const bool kif = menu == RecordFormat::Kif;
    const std::string title = 文言(kif ? Msg::TitleKifRead : Msg::TitleCsaRead);
    hideRecordPanel(1);
    const std::string chosen = chooseRecordFile(FileChoice::Open, title, "", menu);
    if (chosen.empty()) return;
    // The whole file is read and every move checked before the game is touched.
    const RecordTextFormat assumed = kif ? RecordTextFormat::Kif : RecordTextFormat::Csa;
    RecordRead read = 読込_棋譜テキスト(chosen, assumed);
    const RecordTextFormat found = read.ok() ? read.problem.format : assumed;
    const Msg noMoves = found == RecordTextFormat::Csa    ? Msg::CsaHasNoMoves
                        : found == RecordTextFormat::Sfen ? Msg::PositionLoaded
                                                          : Msg::KifHasNoMoves;
    読込_対局(read, title, 文言(noMoves));
}

void GameWindow::KIF_READ_Click() { 読込_棋譜ファイル(RecordFormat::Kif); }

void GameWindow::CSA_READ_Click() { 読込_棋譜ファイル(RecordFormat::Csa); }

void GameWindow::KIF_COPY_Click() {
    hideRecordPanel(1);
    GameRecord game;
    bool whole = true;
    const bool any = 作成_書出し対局(game, whole);
    if (!any || !whole) {
        play(forbiddenSound);
        message(KIF書出しメッセージ(plat.translator, any ? KifWriteStatus::BadMove : KifWriteStatus::NoMoves),
                文言(Msg::TitleKifCopy));
        return;
    }
    plat.clipboard.setText(作成_KIF(game));
}

void GameWindow::SFEN_COPY_Click() {
    hideRecordPanel(1);
    // Whose move it is in the Position shown: the mover of the next move of
    // the list, or the other side than the mover of the last one.
    bool lowerToMove = true;
    const int n = moves.recordLength;
    const int known = std::min(手順の手数(record), 調査_一覧の手数(moves, g));
    auto moverIsLower = [this](int ply) {
        return record.nodes[static_cast<std::size_t>(手順の節(record, ply))].move.side() == Side::Lower;
    };
    if (n < moves.lastEntry) {
        if (n + 1 <= known) lowerToMove = moverIsLower(n + 1);
    } else if (n >= 1) {
        if (n <= known) lowerToMove = !moverIsLower(n);
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
    RecordRead read = 解析_棋譜テキスト(text, RecordTextFormat::Kif);
    読込_対局(read, 文言(Msg::TitlePaste), 文言(Msg::PositionPasted));
}

}  // namespace xantu
