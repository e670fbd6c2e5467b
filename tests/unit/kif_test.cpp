// KIF files: games written and read back, the exact text of a short game,
// the header forms other programs write, and files that must be refused.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/cp932.h"
#include "core/hand_rows.h"
#include "core/legal_moves.h"
#include "core/move_check.h"
#include "core/move_rules.h"
#include "core/sfen.h"
#include "record/kif_reader.h"
#include "record/kif_writer.h"
#include "record/move_notation.h"

namespace xantu::testing {
namespace {

struct Played {
    MoveList list;
    Position final;
    double lowerClock = 0, upperClock = 0;
    int drops = 0, promotions = 0, captures = 0;
};

// Plays `moves` legal moves chosen by a fixed random sequence, saving the
// move list as the window does (clocks included). King captures are avoided
// so that the game runs its full length.
Played playRandom(Position p, int firstSign, int moves, std::uint32_t seed) {
    Played g;
    int sign = firstSign;
    for (int n = 0; n < moves; ++n) {
        const std::vector<Move> cands = [&] {
            std::vector<Move> all = legalMoves(p, sign < 0 ? Side::Lower : Side::Upper), kept;
            for (const Move& m : all)
                if (absCode(p.board[m.toX][m.toY]) != kKing) kept.push_back(m);
            return kept;
        }();
        if (cands.empty()) break;
        seed = seed * 1664525u + 1013904223u;
        const Move c = cands[(seed >> 8) % cands.size()];
        const double spent = (seed >> 4) % 90;
        const double lb = g.lowerClock, ub = g.upperClock;
        (sign < 0 ? g.lowerClock : g.upperClock) += spent;
        g.list.recordLength = n;
        手順保存(g.list, p, lb, g.lowerClock, ub, g.upperClock);
        if (c.isDrop())
            ++g.drops;
        else if (c.promotes)
            ++g.promotions;
        if (p.board[c.toX][c.toY] != kEmpty) ++g.captures;
        const Position before = p;
        playMove(p, c);
        // The notation of the move equals that of the change it made.
        EXPECT_EQ(作成_指し手表記(before, c, 0, 0, 0), 作成_指し手表記(*調査_指し手(before, p), 0, 0, 0));
        sign = -sign;
    }
    g.list.recordLength = g.list.lastEntry + 1;
    g.final = p;
    return g;
}

std::string sfenOf(const MoveList& list, int k) {
    Position p;
    局面復元(list, k, p);
    return toSfen(p, Side::Lower);
}

std::filesystem::path scratchFile(const std::string& name) {
    return std::filesystem::temp_directory_path() / ("xantu-kif-" + std::to_string(::getpid()) + "-" + name);
}

// Round trips: handicap starts on either side, the upper side moving first
// (written turned about), and a long game full of drops and promotions; each
// through a Shift-JIS and a UTF-8 file.
TEST(KIF, GamesWrittenAndReadBackGiveTheSamePositions) {
    struct Case {
        const char* what;
        int handicap;        // pieces removed: < 0 from the lower side, > 0 from the upper side
        int lowerSideOrder;  // +1 the lower side is 先手
        int moves;
    };
    const Case cases[] = {{"lower side without bishop, rook and a lance", -3, kSente, 80},
                          {"upper side without bishop and rook, moving first", 2, kGote, 80},
                          {"200 moves from the standard start", 0, kSente, 200}};
    static constexpr int lowerLadder[][2] = {{2, 8}, {8, 8}, {1, 9}};
    static constexpr int upperLadder[][2] = {{8, 2}, {2, 2}, {9, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Position start;
        初期配置(start);
        for (int i = 0; i < -c.handicap; ++i) start.board[lowerLadder[i][0]][lowerLadder[i][1]] = kEmpty;
        for (int i = 0; i < c.handicap; ++i) start.board[upperLadder[i][0]][upperLadder[i][1]] = kEmpty;
        const int firstSign = c.lowerSideOrder == kSente ? -1 : 1;
        const Played g = playRandom(start, firstSign, c.moves, 7u + static_cast<std::uint32_t>(c.moves));
        ASSERT_EQ(g.list.lastEntry + 1, c.moves);
        if (c.moves == 200) {
            EXPECT_GT(g.drops, 5);
            EXPECT_GT(g.promotions, 5);
        }
        KifGame game = 作成_KIF対局(g.list, FinalPosition{g.final, g.lowerClock, g.upperClock}, c.lowerSideOrder);
        game.senteName = "人間";
        game.goteName = "コンピュータ LEVEL3";
        EXPECT_EQ(game.senteIsUpper, c.lowerSideOrder == kGote);
        for (const char* ending : {".kif", ".kifu"}) {
            const auto file = scratchFile(std::string("round") + ending);
            ASSERT_EQ(書込_KIF(file.string(), game), KifWriteStatus::Ok);
            const KifReadResult back = 読込_KIF(file);
            std::filesystem::remove(file);
            ASSERT_TRUE(back.ok) << back.message;
            ASSERT_EQ(back.moveCount, c.moves);
            EXPECT_EQ(back.senteName, "人間");
            for (int k = 0; k <= c.moves; ++k) {
                const Position& want = game.positions[static_cast<std::size_t>(k)];
                Position got;
                局面復元(back.list, k, got);
                // A file always has 先手 on the lower side.
                const Position shown = game.senteIsUpper ? turnedAbout(got) : got;
                ASSERT_EQ(toSfen(shown, Side::Lower), toSfen(want, Side::Lower)) << "after move " << k;
            }
            // The clocks come back as whole seconds: the lower side's here.
            const MoveListEntry& last = back.list.entries[static_cast<std::size_t>(c.moves)];
            EXPECT_EQ(game.senteIsUpper ? last.comSecondsAfter : last.manSecondsAfter, g.lowerClock);
        }
    }
}

std::string readBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A short game with a bishop promotion, a drop, 同, a pawn that promotes to 奔
// and then moves as one, against a file written by hand.
TEST(KIF, ShortGameMatchesTheHandWrittenFile) {
    // {fromX, fromY, toX, toY, promote}; drops give the hand kind as fromY and fromX 0.
    struct M {
        int fx, fy, tx, ty;
        bool promote;
        int seconds;
    };
    const M moves[] = {{3, 7, 3, 6, false, 3},  {7, 3, 7, 4, false, 2}, {2, 8, 8, 2, true, 5},   {7, 1, 8, 2, false, 1},
                       {0, 6, 5, 5, false, 12}, {3, 3, 3, 6, false, 4}, {9, 7, 9, 6, false, 61}, {3, 6, 3, 8, true, 0},
                       {6, 9, 5, 8, false, 2},  {3, 8, 5, 8, false, 7}, {5, 9, 5, 8, false, 3}};
    Position p;
    初期配置(p);
    GameState scratch;
    MoveList list;
    double clock[2] = {0, 0};
    int sign = -1;
    for (const M& m : moves) {
        const int side = sign < 0 ? 0 : 1;
        const double before[2] = {clock[0], clock[1]};
        clock[side] += m.seconds;
        手順保存(list, p, before[0], clock[0], before[1], clock[1]);
        ++list.recordLength;
        if (m.fx == 0) {
            駒移動_局面(p, scratch, sign < 0 ? kLowerHandCol : kUpperHandCol, sign < 0 ? m.fy + 2 : m.fy, m.tx, m.ty,
                        sign * kHandKindCode[m.fy]);
        } else {
            const int piece = p.board[m.fx][m.fy];
            駒移動_局面(p, scratch, m.fx, m.fy, m.tx, m.ty, m.promote ? piece + (piece < 0 ? -1 : 1) : piece);
        }
        sign = -sign;
    }
    KifGame game = 作成_KIF対局(list, FinalPosition{p, clock[0], clock[1]}, kSente);
    game.startDateTime = "2026/12/07 10:00:00";
    game.senteName = "人間";
    game.goteName = "コンピュータ LEVEL3";
    const KifText kif = 作成_KIF(game);
    ASSERT_TRUE(kif.ok);
    EXPECT_EQ(kif.text, readBytes(std::string(XANTU_SOURCE_DIR) + "/tests/data/short_game.kifu"));
}

// The forms other programs write: every text gives the same game.
TEST(KIF, HeaderVariantsOfOtherPrograms) {
    struct Case {
        const char* what;
        std::string text;
        int moves;
        const char* lastSfen;  // the Position after the last move, 先手 (upper case) at the bottom
        const char* sente;
    };
    const char* afterFour = "lnsgkg1nl/1r5s1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/7R1/LNSGKGSNL b Bb 1";
    const Case cases[] = {
        {"our own form",
         "開始日時：2026/12/07 10:00:00\r\n手合割：平手\r\n先手：甲\r\n後手：乙\r\n手数----指手---------消費時間--\r\n"
         "   1 ７六歩(77)   ( 0:03/00:00:03)\r\n   2 ３四歩(33)   ( 0:02/00:00:02)\r\n"
         "   3 ２二角成(88) ( 0:01/00:00:04)\r\n   4 同　銀(31)   ( 0:01/00:00:03)\r\nまで4手で中断\r\n",
         4, afterFour, "甲"},
        {"comments, * and & lines, no times, LF line ends, 投了",
         "#KIF version=2.0 encoding=UTF-8\n# ---- comment\n棋戦：練習\n先手：甲\n後手：乙\n&読み込み\n"
         "手数----指手--\n1 ７六歩(77)\n*いい手\n2 ３四歩(33)\n3 ２二角成(88)\n4 同 銀(31)\n5 "
         "投了\nまで4手で後手の勝ち\n",
         4, afterFour, "甲"},
        {"half-width and full-width digits, marks, no origins where the piece is plain",
         "先手：甲\n後手：乙\n   １ ▲7六歩\n   ２ △３4歩(３３)\n   ３ ▲2二角成\n   ４ △同　銀\n", 4, afterFour, "甲"},
        {"上手/下手 and a board block with pieces in hand and 後手番",
         "下手：甲\n上手：乙\n後手の持駒：なし\n  ９ ８ ７ ６ ５ ４ ３ ２ １\n+---------------------------+\n"
         "|v香v桂v銀v金v玉v金v銀v桂v香|一\n| ・v飛 ・ ・ ・ ・ ・ ・ ・|二\n|v歩v歩v歩v歩v歩v歩v歩v歩v歩|三\n"
         "| ・ ・ ・ ・ ・ ・ ・ ・ ・|四\n| ・ ・ ・ ・ ・ ・ ・ ・ ・|五\n| ・ ・ ・ ・ ・ ・ ・ ・ ・|六\n"
         "| ・ ・ 歩 歩 歩 歩 歩 歩 歩|七\n| ・ 角 ・ ・ ・ ・ ・ 飛 ・|八\n| 香 桂 銀 金 玉 金 銀 桂 香|九\n"
         "+---------------------------+\n先手の持駒：角　歩二\n後手番\n手数----指手---------消費時間--\n"
         "   1 ３四歩(33)\n   2 ５五角打\n",
         2, "lnsgkgsnl/1r7/pppppp1pp/6p2/4B4/9/2PPPPPPP/1B5R1/LNSGKGSNL b 2P 1", "甲"},
        {"a named handicap: 上手 lacks the bishop and moves first; 玉 as 王, と and 奔, 成香",
         "手合割：角落ち\n先手：甲\n後手：乙\n1 ５二王(51)\n2 ７六歩(77)\n", 2,
         "lnsg1gsnl/1r2k4/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL b - 1", "甲"},
        {"one-character promoted names in a board block: と 杏 全 圭 馬 竜",
         "後手の持駒：なし\n| ・ ・ ・ ・v玉 ・ ・ ・v杏|一\n| ・v馬 ・ ・ ・ ・ ・ ・ ・|二\n| ・ ・ ・ ・ ・ ・v全 "
         "・ ・|三\n"
         "| ・ ・ ・ ・ ・ ・ ・ ・ ・|四\n| ・ ・ ・ ・ と ・ ・ ・ ・|五\n| ・ ・ ・ ・ ・ ・ ・ ・ ・|六\n"
         "| ・ ・ ・ ・ ・ ・ ・ ・ ・|七\n| ・ ・ ・ ・ ・ ・ ・ 竜 ・|八\n| 圭 ・ ・ ・ 玉 ・ ・ ・ "
         "・|九\n先手の持駒：なし\n"
         "先手：甲\n1 ５二と(55)\n2 同　玉(51)\n3 ２二竜(28)\n4 １二杏(11)\n",
         4, "9/1+b2k2+R+l/6+s2/9/9/9/9/9/+N3K4 b p 1", "甲"},
        {"variations after the main line are not read",
         "先手：甲\n   1 ７六歩(77)\n   2 ３四歩(33)\n   3 ２二角成(88)\n   4 同　銀(31)\n\n変化：3手\n   3 "
         "６六歩(67)\n",
         4, afterFour, "甲"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int shiftJis = 0; shiftJis <= 1; ++shiftJis) {
            const std::string bytes = shiftJis ? utf8ToCp932(c.text).value() : c.text;
            const KifReadResult r = 解析_KIF(bytes);
            ASSERT_TRUE(r.ok) << r.message;
            EXPECT_EQ(r.moveCount, c.moves);
            EXPECT_EQ(r.senteName, c.sente);
            EXPECT_EQ(sfenOf(r.list, r.moveCount), c.lastSfen);
        }
    }
    // The result: "中断" names no winner, a resignation names the other side.
    EXPECT_EQ(解析_KIF(cases[0].text).winner, 0);
    EXPECT_EQ(解析_KIF(cases[1].text).winner, kGote);
}

// Files that must be refused, with the line named where there is one.
TEST(KIF, HostileFilesAreRefused) {
    const std::string start = "先手：甲\n後手：乙\n";
    struct Case {
        const char* what;
        std::string bytes;
        int line;             // 0: the whole file
        const char* message;  // part of the message
    };
    const Case cases[] = {
        {"neither UTF-8 nor Shift-JIS", start + "1 ７六歩(77)\n\xFF\xFE\x80\n", 0, "文字コード"},
        {"a NUL byte", start + "1 ７六歩(77)" + std::string(1, '\0') + "\n", 0, "KIFファイルではありません"},
        {"a bishop through its own pawn", start + "1 ５五角(88)\n", 3, "動けません"},
        {"a drop from an empty hand", start + "1 ５五角打\n", 3, "持駒"},
        {"moving the other side's piece", start + "1 ３四歩(33)\n", 3, "手番の駒"},
        {"a line cut off", start + "1 ７六歩(77)\n2 ３四\n", 4, "駒の名前"},
        {"a gold promoted", start + "1 ５八金成(49)\n", 3, "成れません"},
        {"moves out of order", start + "1 ７六歩(77)\n3 ３四歩(33)\n", 4, "手数"},
        {"同 on the first move", start + "1 同　歩(77)\n", 3, "同"},
        {"no KIF at all", "hello\nworld\n", 1, "読めない行"},
        {"a line of 10 kB", start + std::string(10000, 'x') + "\n", 3, "長すぎ"},
        {"a file of 10 MB in one line", std::string(10 * 1024 * 1024, '#'), 0, "大きすぎ"},
        {"nineteen pawns", "先手の持駒：歩十八\n   1 ３四歩打\n", 0, "駒の数"},
        {"a board block with two kings of one side",
         "| 玉 ・ ・ ・ ・ ・ ・ ・ ・|一\n"
         "| ・ ・ ・ ・ ・ ・ ・ ・ ・|二\n| ・ ・ ・ ・ ・ ・ ・ ・ ・|三\n| ・ ・ ・ ・ ・ ・ ・ ・ ・|四\n"
         "| ・ ・ ・ ・ ・ ・ ・ ・ ・|五\n| ・ ・ ・ ・ ・ ・ ・ ・ ・|六\n| ・ ・ ・ ・ ・ ・ ・ ・ ・|七\n"
         "| ・ ・ ・ ・ ・ ・ ・ ・ ・|八\n| 玉 ・ ・ ・ ・ ・ ・ ・v玉|九\n",
         0, "玉"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const KifReadResult r = 解析_KIF(c.bytes);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.list.entries.empty());
        if (c.line > 0) {
            EXPECT_EQ(r.badLine, c.line);
            EXPECT_NE(r.message.find(std::to_string(c.line) + "行目"), std::string::npos) << r.message;
        }
        EXPECT_NE(r.message.find(c.message), std::string::npos) << r.message;
    }
}

}  // namespace
}  // namespace xantu::testing
