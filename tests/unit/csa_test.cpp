// CSA files and SFEN texts with moves, read into the same game as KIF: one
// small hand-written text per case, and KIF → CSA → the same Positions.
#include <gtest/gtest.h>

#include "core/sfen.h"
#include "record/csa_reader.h"
#include "record/csa_writer.h"
#include "record/kif_reader.h"
#include "record/sfen_record.h"
#include "text/record_wording.h"

namespace xantu::testing {
namespace {

std::string finalSfen(const RecordRead& r) {
    const int moves = 手順の手数(r.game);
    return toSfen(作成_手順局面(r.game).positions.back(),
                  調査_手番(r.game, moves + 1) == kSente ? Side::Lower : Side::Upper);
}

constexpr const char* kEmptyRows =
    "P2 *  *  *  *  *  *  *  *  * \n"
    "P3 *  *  *  *  *  *  *  *  * \n"
    "P4 *  *  *  *  *  *  *  *  * \n"
    "P5 *  *  *  *  *  *  *  *  * \n"
    "P6 *  *  *  *  *  *  *  *  * \n"
    "P7 *  *  *  *  *  *  *  *  * \n"
    "P8 *  *  *  *  *  *  *  *  *\n";  // the last blank stripped, as editors do

TEST(CSA, HandWrittenTexts) {
    enum Format { Csa, Sfen };
    struct Case {
        const char* what;
        Format format;
        std::string text;
        std::string want;  // the final Position as SFEN, or the refusal
        int moves = 0;
        int winner = 0;
        double lowerSeconds = 0, upperSeconds = 0;
    };
    const std::string rows =
        std::string("P1 *  *  *  * -OU *  *  *  * \n") + kEmptyRows + "P9 *  *  *  * +OU *  *  *  * \n";
    const Case cases[] = {
        {"standard start, times on their own lines and after a comma, resigned", Csa,
         "'a comment\nV2.2\nN+甲\nN-乙\n$EVENT:練習\n$START_TIME:2026/12/07 10:00:00\nPI\n+\n+7776FU\nT12\n-3334FU,T3\n"
         "+8822UM\nT1\n-3122GI\n%TORYO\n'after the end\n",
         "lnsgkg1nl/1r5s1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/7R1/LNSGKGSNL b Bb 1", 4, kGote, 13, 3},
        {"handicap without rook and bishop, 後手 first, interrupted", Csa,
         "V2.2\nPI82HI22KA\n-\n-3334FU\n+7776FU\n%CHUDAN\n",
         "lnsgkgsnl/9/pppppp1pp/6p2/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w - 1", 2, 0},
        {"a promoted pawn is TO", Csa, "PI\n+\n+2723TO\n-4132KI\n",
         "lnsgk1snl/1r4gb1/ppppppp+Pp/9/9/9/PPPPPPP1P/1B5R1/LNSGKGSNL b P 1", 2, 0},
        {"board rows, a hand and the rest to 後手, a drop, a win declared", Csa,
         rows + "P+00KI\nP-00AL\n+\n+0052KI\n-5152OU\n%KACHI\n", "9/4k4/9/9/9/9/9/9/4K4 b 2r2b4g4s4n4l18p 1", 2,
         kSente},
        {"only the first game of several", Csa, "PI\n+\n+7776FU\n/\nPI\n+\n+2726FU\n",
         "lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w - 1", 1, 0},
        {"先手 at fault", Csa, "PI\n+\n+7776FU\n%+ILLEGAL_ACTION\n",
         "lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w - 1", 1, kGote},
        {"a move the rules refuse", Csa, "V2.2\nPI\n+\n+7766FU\n", "4行目「+7766FU」：その駒はそこへ動けません"},
        {"the other side's move", Csa, "PI\n+\n-3334FU\n", "3行目「-3334FU」：手番ではない側の指し手です"},
        {"a name that is not the piece there", Csa, "PI\n+\n+7776KY\n",
         "3行目「+7776KY」：移動元の駒が指し手の駒と違います"},
        {"promotion outside the zone", Csa, "PI\n+\n+7776TO\n", "3行目「+7776TO」：この駒は成れません"},
        {"a drop of a piece not held", Csa, "PI\n+\n+0055KA\n", "3行目「+0055KA」：持駒にない駒は打てません"},
        {"a line of no kind", Csa, "PI\n+\nhello\n", "3行目「hello」：読めない行です"},
        {"a removal of a piece not there", Csa, "PI55FU\n+\n", "1行目「PI55FU」：落とす駒が初期配置にありません"},
        {"a time before any move", Csa, "PI\n+\nT10\n", "3行目「T10」：指し手の前に消費時間があります"},
        {"two kings of one side", Csa,
         "P1 *  *  *  * +OU *  *  *  * \n" + std::string(kEmptyRows) + "P9 *  *  *  * +OU *  *  *  * \n+\n",
         "10行目：開始局面の玉がそれぞれ1枚ではありません"},
        {"a version not known", Csa, "V9\nPI\n+\n", "1行目「V9」：このCSAの版は読めません"},
        {"nothing but comments", Csa, "'nothing\n", "CSAファイルではありません（開始局面も指し手もありません）"},
        {"SFEN with moves", Sfen, "position startpos moves 7g7f 3c3d 8h2b+ 3a2b",
         "lnsgkg1nl/1r5s1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/7R1/LNSGKGSNL b Bb 1", 4},
        {"SFEN with 後手 to move and a drop", Sfen, "sfen 4k4/9/9/9/9/9/9/9/4K4 w G 1 moves 5a4a G*5b",
         "5k3/4G4/9/9/9/9/9/9/4K4 w - 1", 2},
        {"SFEN alone", Sfen, "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1",
         "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1", 0},
        {"SFEN with a move the rules refuse", Sfen, "startpos moves 7g7f 3c3d 7f6e",
         "3手目「7f6e」：その駒はそこへ動けません"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.format == Sfen, isSfenText(c.text));
        const RecordRead r = c.format == Csa ? 解析_CSA(c.text) : 解析_SFEN棋譜(c.text);
        if (c.want.find('/') == std::string::npos) {
            EXPECT_FALSE(r.ok());
            EXPECT_EQ(読込問題メッセージ(sourceTexts(), r.problem), c.want);
            EXPECT_EQ(手順の手数(r.game), 0);
            continue;
        }
        ASSERT_TRUE(r.ok()) << 読込問題メッセージ(sourceTexts(), r.problem);
        EXPECT_EQ(c.format == Csa, isCsaText(c.text));
        EXPECT_EQ(手順の手数(r.game), c.moves);
        EXPECT_EQ(finalSfen(r), c.want);
        EXPECT_EQ(r.game.winner, c.winner);
        MoveList list;
        作成_手順表(r.game, list);
        const MoveListEntry& end = list.entries[static_cast<std::size_t>(c.moves)];
        EXPECT_EQ(end.manSecondsAfter, c.lowerSeconds);
        EXPECT_EQ(end.comSecondsAfter, c.upperSeconds);
    }
    const GameRecord named = 解析_CSA(cases[0].text).game;
    EXPECT_EQ(named.senteName, "甲");
    EXPECT_EQ(named.goteName, "乙");
    EXPECT_EQ(named.event, "練習");
    EXPECT_EQ(named.startDateTime, "2026/12/07 10:00:00");
    EXPECT_EQ(named.ending, "投了");
    EXPECT_EQ(解析_CSA("PI\n+\n%SOMETHING_NEW\n").game.ending, "終局理由不明");
}

// A KIF game with a handicap start, 後手 moving first, a promotion, a
// capture and a drop, written as CSA (also turned about, as a game whose
// 先手 sat on the upper side is) and read back to the same Positions.
TEST(CSA, KifWrittenAsCsaReadsBackToTheSamePositions) {
    const RecordRead kif = 解析_KIF(
        "手合割：角落ち\n先手：下手\n後手：上手\n"
        "   1 ３四歩(33)   ( 0:05/00:00:05)\n"
        "   2 ７六歩(77)   ( 0:03/00:00:03)\n"
        "   3 ８四歩(83)\n"
        "   4 ２二角成(88)\n"
        "   5 同　銀(31)\n"
        "   6 ４八銀(39)\n"
        "   7 ５五角打\n"
        "   8 ５六歩(57)\n"
        "   9 ７七角成(55)\n");
    ASSERT_TRUE(kif.ok()) << 読込問題メッセージ(sourceTexts(), kif.problem);
    GameRecord game = kif.game;
    const std::string csa = 作成_CSA(game);
    EXPECT_NE(csa.find("V2.2\r\nN+下手\r\nN-上手\r\n"), std::string::npos) << csa;
    EXPECT_NE(csa.find("PI22KA\r\n-\r\n-3334FU\r\nT5\r\n+7776FU\r\nT3\r\n"), std::string::npos) << csa;
    EXPECT_NE(csa.find("+8822UM\r\nT0\r\n-3122GI\r\n"), std::string::npos);
    EXPECT_NE(csa.find("-0055KA\r\n"), std::string::npos);
    EXPECT_NE(csa.find("%CHUDAN\r\n"), std::string::npos);

    const std::vector<Position> want = 作成_手順局面(kif.game).positions;
    auto samePositions = [&](const RecordRead& back) {
        ASSERT_TRUE(back.ok()) << 読込問題メッセージ(sourceTexts(), back.problem);
        EXPECT_EQ(back.game.firstMover, kGote);
        const std::vector<Position> got = 作成_手順局面(back.game).positions;
        ASSERT_EQ(got.size(), want.size());
        for (std::size_t k = 0; k < want.size(); ++k)
            EXPECT_EQ(toSfen(got[k], Side::Lower), toSfen(want[k], Side::Lower)) << "Position " << k;
    };
    samePositions(解析_CSA(csa));

    // The same game kept with 先手 on the upper side: CSA is written from 先手's seat.
    game.start = turnedAbout(game.start);
    for (RecordNode& n : game.nodes) {
        if (n.parent < 0) continue;
        n.move = turnedAbout(n.move);
        n.clock = {n.clock.upperBefore, n.clock.upperAfter, n.clock.lowerBefore, n.clock.lowerAfter};
    }
    game.senteIsUpper = true;
    const std::string turned = 作成_CSA(game);
    EXPECT_EQ(turned, csa);
    samePositions(解析_CSA(turned));
}

}  // namespace
}  // namespace xantu::testing
