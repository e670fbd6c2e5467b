// 棋譜 → KIF書出し and KIF読込 through the fake desktop.
#include <fstream>

#include "core/cp932.h"
#include "core/sfen.h"
#include "record/kif_reader.h"
#include "window_fixture.h"

namespace xantu::testing {
namespace {

using KifMenu = WindowTest;

std::string readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Two humans play four moves, export, start again, import and step through
// the game to the same Position; then a game against the computer, which
// moves first from the upper side, is written from 先手's seat.
TEST_F(KifMenu, ExportStartAgainImportAndStep) {
    load();
    w->menuCommand("START");
    move(3, 7, 3, 6);     // ▲７六歩
    move(7, 3, 7, 4);     // △３四歩
    move(2, 8, 8, 2, 2);  // ▲２二角成, promoted with the right button
    move(7, 1, 8, 2);     // △同　銀
    const std::string end = toSfen(w->pos, Side::Lower);

    fake.chosenFiles.push_back((dir / "対局").string());
    w->menuCommand("KIF_WRITE");
    ASSERT_EQ(lastDialog(), "KIFを書き出しました");
    const std::optional<std::string> text = cp932ToUtf8(readFile(dir / "対局.kif"));
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("開始日時：2026/12/07 10:00:00\r\n手合割：平手\r\n先手：人間\r\n"), std::string::npos);
    EXPECT_NE(text->find("   3 ２二角成(88) ( 0:00/00:00:00)\r\n   4 同　銀(31)   "), std::string::npos) << *text;
    EXPECT_NE(text->find("まで4手で中断"), std::string::npos);

    w->menuCommand("CANCEL");
    fake.chosenFiles.push_back((dir / "対局.kif").string());
    w->menuCommand("KIF_READ");
    EXPECT_EQ(w->g.recordMode, 1);
    EXPECT_EQ(lastDialog(), "棋譜を '進 'で進めて下さい");
    for (int i = 0; i < 4; ++i) w->menuCommand("AFTER");
    EXPECT_EQ(toSfen(w->pos, Side::Lower), end);
    EXPECT_EQ(w->g.moveNumber, 4);
    w->menuCommand("AFTER");
    EXPECT_EQ(lastDialog(), "終わり");
    w->menuCommand("REPLAY");
    w->menuCommand("REPLAY");
    w->menuCommand("AFTER");
    EXPECT_EQ(w->g.moveNumber, 3);

    // Against the computer as 後手: the upper side moves first.
    w->menuCommand("CANCEL");
    w->menuCommand("GOTE");
    move(3, 7, 3, 6);
    fake.chosenFiles.push_back((dir / "com.kifu").string());
    w->menuCommand("KIF_WRITE");
    ASSERT_EQ(lastDialog(), "KIFを書き出しました");
    const std::string utf8 = readFile(dir / "com.kifu");
    EXPECT_NE(utf8.find("先手：コンピュータ LEVEL3\r\n後手：人間\r\n"), std::string::npos);
    // The human's ７六歩 as drawn is ３四歩 from 先手's seat.
    EXPECT_NE(utf8.find("   2 ３四歩(33)"), std::string::npos) << utf8;
    EXPECT_TRUE(解析_KIF(utf8).ok());
}

TEST_F(KifMenu, RefusalsLeaveTheGameAsItWas) {
    load();
    w->menuCommand("KIF_WRITE");
    EXPECT_EQ(lastDialog(), "書き出す指し手がありません");
    EXPECT_TRUE(fake.fileChoices.empty());

    w->menuCommand("START");
    move(3, 7, 3, 6);
    const std::string before = toSfen(w->pos, Side::Lower);
    std::ofstream(dir / "bad.kifu") << "先手：甲\n後手：乙\n   1 ７六歩(77)\n   2 ３四歩(33)\n   3 ５五飛(28)\n";
    fake.chosenFiles.push_back((dir / "bad.kifu").string());
    w->menuCommand("KIF_READ");
    EXPECT_EQ(lastDialog(), "5行目「3 ５五飛(28)」：その駒はそこへ動けません");
    EXPECT_EQ(fake.sounds.back(), play(w->forbiddenSound));
    EXPECT_EQ(toSfen(w->pos, Side::Lower), before);
    EXPECT_EQ(w->g.recordMode, 0);
    EXPECT_EQ(w->moves.recordLength, 1);

    // A handicap file: the start is shown at once, and exported again it
    // keeps its start and its first mover.
    std::ofstream(dir / "kaku.kif") << utf8ToCp932(
                                           "手合割：角落ち\r\n上手：乙\r\n下手：甲\r\n1 ５二玉(51)\r\n2 ７六歩(77)\r\n"
                                           "3 投了\r\nまで2手で下手の勝ち\r\n")
                                           .value();
    // Over the game in progress: asked first, and いいえ changes nothing.
    fake.chosenFiles.push_back((dir / "kaku.kif").string());
    fake.answers.push_back(kMsgNo);
    w->menuCommand("KIF_READ");
    EXPECT_EQ(lastDialog(), "対局を中止して棋譜を読み込みますか？");
    EXPECT_EQ(toSfen(w->pos, Side::Lower), before);
    EXPECT_EQ(w->g.recordMode, 0);
    fake.chosenFiles.push_back((dir / "kaku.kif").string());
    w->menuCommand("KIF_READ");
    EXPECT_EQ(fake.dialogs[fake.dialogs.size() - 2].text, "2手を読み込みました（投了）");
    EXPECT_EQ(w->pos.board[8][2], kEmpty);
    EXPECT_EQ(w->pos.board[2][2], kRook);
    w->menuCommand("AFTER");
    EXPECT_EQ(w->pos.board[5][2], kKing);
    fake.chosenFiles.push_back((dir / "again.kifu").string());
    w->menuCommand("KIF_WRITE");
    const std::string again = readFile(dir / "again.kifu");
    EXPECT_NE(again.find("| ・v飛 ・ ・ ・ ・ ・ ・ ・|二\r\n"), std::string::npos) << again;
    EXPECT_NE(again.find("後手番\r\n"), std::string::npos);
    EXPECT_NE(again.find("   1 ５二玉(51)"), std::string::npos);
    EXPECT_NE(again.find("まで2手で先手の勝ち"), std::string::npos);

    // Cancelling the chooser does nothing at all.
    const std::size_t dialogs = fake.dialogs.size();
    w->menuCommand("KIF_READ");
    EXPECT_EQ(fake.dialogs.size(), dialogs);
}

// The clipboard: the game copied as KIF and pasted back, a Position copied
// as SFEN and pasted; CSA written and read; the choosers open in the folder
// last used for records.
TEST_F(KifMenu, ClipboardCsaAndTheRecordFolder) {
    load();
    w->menuCommand("START");
    move(3, 7, 3, 6);     // ▲７六歩
    move(7, 3, 7, 4);     // △３四歩
    move(2, 8, 8, 2, 2);  // ▲２二角成
    move(7, 1, 8, 2);     // △同　銀
    const std::string end = "lnsgkg1nl/1r5s1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/7R1/LNSGKGSNL b Bb 5";

    w->menuCommand("KIF_COPY");
    const std::string kif = fake.clipboardText;
    EXPECT_NE(kif.find("   4 同　銀(31)"), std::string::npos) << kif;
    w->menuCommand("SFEN_COPY");
    EXPECT_EQ(fake.clipboardText, end);

    const std::filesystem::path folder = dir / "棋譜";
    std::filesystem::create_directories(folder);
    fake.chosenFiles.push_back((folder / "対局").string());
    w->menuCommand("CSA_WRITE");
    ASSERT_EQ(lastDialog(), "CSAを書き出しました");
    EXPECT_EQ(fake.fileChoices.back().format, RecordFormat::Csa);
    EXPECT_EQ(fake.fileChoices.back().folder, dir.string());
    EXPECT_EQ(fake.folderPath, folder.string());  // the record panel follows

    // KIF pasted: a record to step through, to the same end.
    w->menuCommand("CANCEL");
    fake.clipboardText = kif;
    w->menuCommand("PASTE");
    EXPECT_EQ(lastDialog(), "棋譜を '進 'で進めて下さい");
    for (int i = 0; i < 4; ++i) w->menuCommand("AFTER");
    w->menuCommand("SFEN_COPY");
    EXPECT_EQ(fake.clipboardText, end);

    // The CSA file read back, from the folder last used.
    w->menuCommand("CANCEL");
    fake.chosenFiles.push_back((folder / "対局.csa").string());
    w->menuCommand("CSA_READ");
    EXPECT_EQ(fake.fileChoices.back().folder, folder.string());
    for (int i = 0; i < 4; ++i) w->menuCommand("AFTER");
    EXPECT_EQ(toSfen(w->pos, Side::Lower).substr(0, end.size() - 2), end.substr(0, end.size() - 2));

    // An SFEN with moves; then one that cannot be read leaves the record shown.
    fake.clipboardText = "position startpos moves 7g7f 3c3d\n";
    w->menuCommand("PASTE");
    w->menuCommand("AFTER");
    w->menuCommand("AFTER");
    EXPECT_EQ(toSfen(w->pos, Side::Lower), "lnsgkgsnl/1r5b1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL b - 1");
    fake.clipboardText = "startpos moves 7g6f";
    w->menuCommand("PASTE");
    EXPECT_EQ(lastDialog(), "1手目「7g6f」：その駒はそこへ動けません");
    EXPECT_EQ(w->moves.lastEntry, 2);

    // Against the computer as 後手, the SFEN is still written from 先手's seat.
    w->menuCommand("CANCEL");
    w->menuCommand("GOTE");
    w->menuCommand("SFEN_COPY");
    EXPECT_EQ(fake.clipboardText.substr(0, 16), "lnsgkgsnl/1r5b1/");
    EXPECT_NE(fake.clipboardText.find(" w "), std::string::npos) << fake.clipboardText;
    EXPECT_EQ(fake.clipboardText.back(), '2');
}

// A KIF with variations and comments read through KIF読込 is stepped along
// its main line and written back with them; a CSA file chosen through
// KIF読込 is read as CSA.
TEST_F(KifMenu, VariationsSurviveReadingAndWritingAndTheFormatIsTold) {
    load();
    fake.chosenFiles.push_back(std::string(XANTU_SOURCE_DIR) + "/tests/data/variations.kifu");
    w->menuCommand("KIF_READ");
    EXPECT_EQ(fake.dialogs[fake.dialogs.size() - 2].text, "8手を読み込みました");
    for (int i = 0; i < 8; ++i) w->menuCommand("AFTER");
    EXPECT_EQ(toSfen(w->pos, Side::Lower), "lnsgk1snl/1r4gb1/p1pppp1pp/6p2/1p5P1/2P6/PP1PPPP1P/1BG4R1/LNS1KGSNL b - 1");
    fake.chosenFiles.push_back((dir / "back.kifu").string());
    w->menuCommand("KIF_WRITE");
    ASSERT_EQ(lastDialog(), "KIFを書き出しました");
    const std::string back = readFile(dir / "back.kifu");
    EXPECT_NE(back.find("*振り飛車\r\n   5 ４八銀(39)   ( 0:00/00:00:04)+\r\n"), std::string::npos) << back;
    EXPECT_NE(back.find("\r\n\r\n変化：5手\r\n   5 ５六歩(57)"), std::string::npos) << back;

    std::ofstream(dir / "game.csa") << "V2.2\nPI\n+\n+7776FU\n-3334FU\n";
    fake.chosenFiles.push_back((dir / "game.csa").string());
    w->menuCommand("KIF_READ");
    EXPECT_EQ(fake.dialogs[fake.dialogs.size() - 2].text, "2手を読み込みました");
    // A file holding only a Position says so, whichever menu opened it.
    std::ofstream(dir / "position.kif") << "sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1\n";
    fake.chosenFiles.push_back((dir / "position.kif").string());
    w->menuCommand("KIF_READ");
    EXPECT_EQ(lastDialog(), "局面を読み込みました");
}

}  // namespace
}  // namespace xantu::testing
