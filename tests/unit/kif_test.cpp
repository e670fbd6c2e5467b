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
#include "record/position_record.h"
#include "text/record_wording.h"

namespace xantu::testing {
namespace {

struct Played {
    MoveList list;
    GameRecord game;  // the same moves as a record
    Position final;
    double lowerClock = 0, upperClock = 0;
    int drops = 0, promotions = 0, captures = 0;
};

// Plays `moves` legal moves chosen by a fixed random sequence, saving the
// move list as the window does (clocks included). King captures are avoided
// so that the game runs its full length.
Played playRandom(Position p, int firstSign, int moves, std::uint32_t seed) {
    Played g;
    開始_棋譜(g.game, p, 1);
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
        追加_指し手(g.game, c, MoveClock{lb, g.lowerClock, ub, g.upperClock});
        EXPECT_EQ(表記_USI(作成_指し手要素(p, c, 0, 0)), c.usi());
        if (c.isDrop())
            ++g.drops;
        else if (c.promotes)
            ++g.promotions;
        if (p.board[c.toX][c.toY] != kEmpty) ++g.captures;
        playMove(p, c);
        sign = -sign;
    }
    g.list.recordLength = g.list.lastEntry + 1;
    g.final = p;
    // The moves found from the Positions alone are the moves played.
    const PositionRecord found = 作成_局面列の棋譜(g.list, g.list.lastEntry, &p, 0);
    EXPECT_EQ(found.badMove, 0);
    EXPECT_EQ(found.game.nodes, g.game.nodes);
    return g;
}

// The Position after k moves of the current line, 先手 (upper case) at the bottom.
std::string sfenOf(const GameRecord& game, int k) {
    return toSfen(作成_手順局面(game).positions[static_cast<std::size_t>(k)], Side::Lower);
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
        GameRecord game = g.game;
        設定_先手(game, c.lowerSideOrder);
        game.senteName = "人間";
        game.goteName = "コンピュータ LEVEL3";
        EXPECT_EQ(game.senteIsUpper, c.lowerSideOrder == kGote);
        for (const char* ending : {".kif", ".kifu"}) {
            const auto file = scratchFile(std::string("round") + ending);
            ASSERT_EQ(書込_KIF(file.string(), game), KifWriteStatus::Ok);
            const RecordRead back = 読込_KIF(file);
            std::filesystem::remove(file);
            ASSERT_TRUE(back.ok()) << 読込問題メッセージ(sourceTexts(), back.problem);
            ASSERT_EQ(手順の手数(back.game), c.moves);
            EXPECT_EQ(back.game.senteName, "人間");
            const std::vector<Position> written = 作成_手順局面(game).positions,
                                        read = 作成_手順局面(back.game).positions;
            for (int k = 0; k <= c.moves; ++k) {
                const Position& want = written[static_cast<std::size_t>(k)];
                const Position& got = read[static_cast<std::size_t>(k)];
                // A file always has 先手 on the lower side.
                const Position shown = game.senteIsUpper ? turnedAbout(got) : got;
                ASSERT_EQ(toSfen(shown, Side::Lower), toSfen(want, Side::Lower)) << "after move " << k;
            }
            // The clocks come back as whole seconds: the lower side's here.
            MoveList list;
            作成_手順表(back.game, list);
            const MoveListEntry& last = list.entries[static_cast<std::size_t>(c.moves)];
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
    GameRecord game = 作成_局面列の棋譜(list, list.lastEntry, &p, kSente).game;
    game.startDateTime = "2026/12/07 10:00:00";
    game.senteName = "人間";
    game.goteName = "コンピュータ LEVEL3";
    game.winner = 調査_玉による勝者(game);
    EXPECT_EQ(作成_KIF(game), readBytes(std::string(XANTU_SOURCE_DIR) + "/tests/data/short_game.kifu"));

    // A game played with hints says so in a header comment; other readers
    // (and ours) skip it.
    game.hintCount = 2;
    const std::string hinted = 作成_KIF(game);
    EXPECT_NE(hinted.find("\r\n# ヒント 2回\r\n"), std::string::npos);
    const RecordRead back = 解析_KIF(hinted);
    EXPECT_TRUE(back.ok()) << 読込問題メッセージ(sourceTexts(), back.problem);
    EXPECT_EQ(手順の手数(back.game), 11);
}

// A game that is also one of ordinary shogi (pawns step, a promoted pawn
// steps as a gold) is written in the names every shogi reader knows: "と", no
// "不成". A reader that knows only those names and follows the origins gets
// the same Positions.
TEST(KIF, ExportReadsAsOrdinaryShogi) {
    struct M {
        int fx, fy, tx, ty;
        bool promote;
    };
    // ７六歩 ３四歩 ７五歩 ８四歩 ７四歩 ８五歩 ７三歩成 ６二銀 ７二と ５二金 ３三角(不成)
    const M moves[] = {{3, 7, 3, 6, false}, {7, 3, 7, 4, false}, {3, 6, 3, 5, false}, {2, 3, 2, 4, false},
                       {3, 5, 3, 4, false}, {2, 4, 2, 5, false}, {3, 4, 3, 3, true},  {3, 1, 4, 2, false},
                       {3, 3, 3, 2, false}, {4, 1, 5, 2, false}, {2, 8, 7, 3, false}};
    Position p;
    初期配置(p);
    GameState scratch;
    MoveList list;
    for (const M& m : moves) {
        手順保存(list, p, 0, 0, 0, 0);
        ++list.recordLength;
        const int piece = p.board[m.fx][m.fy];
        駒移動_局面(p, scratch, m.fx, m.fy, m.tx, m.ty, m.promote ? piece + (piece < 0 ? -1 : 1) : piece);
    }
    const GameRecord game = 作成_局面列の棋譜(list, list.lastEntry, &p, kSente).game;
    const std::string kif = 作成_KIF(game);
    const std::string movesText = kif.substr(kif.find("手数----"));
    const std::vector<Position> positions = 作成_手順局面(game).positions;
    EXPECT_EQ(movesText.find("奔"), std::string::npos) << movesText;
    EXPECT_EQ(movesText.find("不成"), std::string::npos) << movesText;
    EXPECT_NE(movesText.find("   9 ７二と(73)"), std::string::npos) << movesText;

    // Ordinary names of the unpromoted and the promoted kinds.
    const std::pair<int, const char*> names[] = {
        {kPawn, "歩"},         {kLance, "香"},        {kKnight, "桂"}, {kSilver, "銀"},   {kGold, "金"},
        {kBishop, "角"},       {kRook, "飛"},         {kKing, "玉"},   {kPromPawn, "と"}, {kPromLance, "成香"},
        {kPromKnight, "成桂"}, {kPromSilver, "成銀"}, {kHorse, "馬"},  {kDragon, "龍"}};
    Position q;
    初期配置(q);
    int i = 0;
    for (const std::string_view line : splitLines(movesText)) {
        if (line.size() < 5 || line[3] < '0' || line[3] > '9') continue;
        SCOPED_TRACE(std::string(line));
        const std::size_t open = line.find('(');
        ASSERT_NE(open, std::string_view::npos);
        const int fx = 10 - (line[open + 1] - '0'), fy = line[open + 2] - '0';
        const int piece = q.board[fx][fy];
        const M& m = moves[i];
        ASSERT_EQ(fx, m.fx);
        ASSERT_EQ(fy, m.fy);
        const int kind = absCode(piece);
        const char* name = nullptr;
        for (const auto& [code, n] : names)
            if (code == kind) name = n;
        ASSERT_NE(name, nullptr);
        const std::string_view written = line.substr(5, open - 5);
        const bool promotes = written.size() >= 3 && written.substr(written.size() - 3) == "成" &&
                              written.find(std::string(name) + "成") != std::string_view::npos;
        EXPECT_NE(written.find(name), std::string_view::npos);
        EXPECT_EQ(promotes, m.promote);
        const int captured = q.board[m.tx][m.ty];
        if (captured != kEmpty) ++(piece < 0 ? q.ownHand : q.enemyHand)[handKindOf(captured)];
        q.board[m.tx][m.ty] = promotes ? piece + (piece < 0 ? -1 : 1) : piece;
        q.board[fx][fy] = kEmpty;
        ++i;
        EXPECT_EQ(toSfen(q, Side::Lower), toSfen(positions[static_cast<std::size_t>(i)], Side::Lower));
    }
    EXPECT_EQ(i, 11);
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
        {"variations after the main line leave it as it is",
         "先手：甲\n   1 ７六歩(77)\n   2 ３四歩(33)\n   3 ２二角成(88)\n   4 同　銀(31)\n\n変化：3手\n   3 "
         "６六歩(67)\n",
         4, afterFour, "甲"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int shiftJis = 0; shiftJis <= 1; ++shiftJis) {
            const std::string bytes = shiftJis ? utf8ToCp932(c.text).value() : c.text;
            const RecordRead r = 解析_KIF(bytes);
            ASSERT_TRUE(r.ok()) << 読込問題メッセージ(sourceTexts(), r.problem);
            EXPECT_EQ(手順の手数(r.game), c.moves);
            EXPECT_EQ(r.game.senteName, c.sente);
            EXPECT_EQ(sfenOf(r.game, c.moves), c.lastSfen);
        }
    }
    // The result: "中断" names no winner, a resignation names the other side.
    EXPECT_EQ(解析_KIF(cases[0].text).game.winner, 0);
    EXPECT_EQ(解析_KIF(cases[1].text).game.winner, kGote);
}

// Files as other programs and damaged copies give them, one row each: what
// is read (moves, the ending, the winner, the last Position) or the line
// that refuses the file.
TEST(KIF, FilesOfOtherProgramsAndDamagedOnes) {
    const std::string two = "1 ７六歩(77)\n2 ３四歩(33)\n";
    const char* afterTwo = "lnsgkgsnl/1r5b1/pppppp1pp/6p2/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL";
    struct Case {
        const char* what;
        std::string text;
        int moves;           // −1: refused
        const char* loaded;  // the loading message, or part of the refusal
        int winner;          // order value
        const char* board;   // the SFEN board after the last move, or nullptr
        int line = 0;        // the refused line
    };
    const Case cases[] = {
        {"the time column straight after the origin", "1 ７六歩(77)( 0:01/00:00:01)\n2 ３四歩(33)( 0:02/00:00:02)\n", 2,
         "2手を読み込みました", 0, afterTwo},
        {"the time column after a tab, and after a move without origin",
         "1 ７六歩(77)\t( 0:01/00:00:01)\n2 ３四歩( 0:02/00:00:02)\n", 2, "2手を読み込みました", 0, afterTwo},
        {"Time-up of an online server", two + "3 Time-up   ( 0:0/)\n", 2, "2手を読み込みました（時間切れ）", kGote,
         afterTwo},
        {"the side named before the word", "1 ７六歩(77)\n2 先手 反則負け\n", 1, "1手を読み込みました（反則負け）",
         kGote, nullptr},
        {"切れ負け", two + "3 切れ負け\n", 2, "（切れ負け）", kGote, afterTwo},
        {"反則勝ち", two + "3 反則勝ち\n", 2, "（反則勝ち）", kSente, afterTwo},
        {"入玉勝ち", two + "3 入玉勝ち\n", 2, "（入玉勝ち）", kSente, afterTwo},
        {"不戦勝", two + "3 不戦勝\n", 2, "（不戦勝）", kSente, afterTwo},
        {"不詰", two + "3 不詰\n", 2, "（不詰）", 0, afterTwo},
        {"封じ手", two + "3 封じ手\n", 2, "（封じ手）", 0, afterTwo},
        {"a word the reader does not know, and lines after it", two + "3 接続切れ\n4 ５五角(88)\nまで2手で先手の勝ち\n",
         2, "2手を読み込みました（終局理由不明）", kSente, afterTwo},
        {"LF, CR LF and CR alone in one file", "先手：甲\r1 ７六歩(77)\r\n2 ３四歩(33)\n\r3 投了\r", 2,
         "2手を読み込みました（投了）", kGote, afterTwo},
        {"a handicap name alone is a board", "手合割：右七枚落ち\n", 0, "0手を読み込みました", 0,
         "3gkgs2/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL"},
        {"a garbled move with its time among the moves", two + "x 2二角成(88) ( 0:01/00:00:04)\n", -1,
         "指し手の間に指し手でない行があります", 0, nullptr, 3},
        {"a header among the moves", "1 ７六歩(77)\n先手：甲\n2 ３四歩(33)\n", -1, "指し手でない行", 0, nullptr, 2},
        {"a last move cut off in its origin", two + "3 ２二角成(8", -1, "移動元", 0, nullptr, 3},
        {"a move after the summary is not read", two + "まで2手で中断\n3 ２二角成(88)\n", 2, "2手を読み込みました", 0,
         afterTwo},
        {"nothing in the file", "", -1, "空です", 0, nullptr},
        {"headers without moves or board", "先手：甲\n後手：乙\n手合割：平手\n", -1, "指し手も局面図もありません", 0,
         nullptr},
        {"an ending and no move", "先手：甲\n1 投了\n", -1, "指し手も局面図もありません", 0, nullptr},
        {"only blank lines in mixed ends", "\r\n\r\n\n", -1, "指し手も局面図もありません", 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const RecordRead r = 解析_KIF(c.text);
        const std::string message = 読込問題メッセージ(sourceTexts(), r.problem);
        if (c.moves < 0) {
            EXPECT_FALSE(r.ok());
            EXPECT_NE(message.find(c.loaded), std::string::npos) << message;
            EXPECT_EQ(r.problem.line, c.line) << message;
            continue;
        }
        ASSERT_TRUE(r.ok()) << message;
        EXPECT_EQ(手順の手数(r.game), c.moves);
        EXPECT_NE(読込完了メッセージ(sourceTexts(), r.game).find(c.loaded), std::string::npos)
            << 読込完了メッセージ(sourceTexts(), r.game);
        EXPECT_EQ(r.game.winner, c.winner);
        if (c.board) {
            EXPECT_EQ(sfenOf(r.game, c.moves).substr(0, std::string(c.board).size()), c.board);
        }
    }
}

// Every handicap name KIF knows gives the start the format defines; 上手
// (後手) moves first.
TEST(KIF, HandicapNamesGiveTheirStarts) {
    const std::pair<const char*, const char*> names[] = {
        {"香落ち", "lnsgkgsn1/1r5b1"}, {"右香落ち", "1nsgkgsnl/1r5b1"}, {"角落ち", "lnsgkgsnl/1r7"},
        {"飛車落ち", "lnsgkgsnl/7b1"}, {"飛香落ち", "lnsgkgsn1/7b1"},   {"二枚落ち", "lnsgkgsnl/9"},
        {"三枚落ち", "lnsgkgsn1/9"},   {"四枚落ち", "1nsgkgsn1/9"},     {"五枚落ち", "2sgkgsn1/9"},
        {"左五枚落ち", "1nsgkgs2/9"},  {"六枚落ち", "2sgkgs2/9"},       {"左七枚落ち", "2sgkg3/9"},
        {"右七枚落ち", "3gkgs2/9"},    {"八枚落ち", "3gkg3/9"},         {"十枚落ち", "4k4/9"},
    };
    for (const auto& [name, top] : names) {
        SCOPED_TRACE(name);
        const RecordRead r = 解析_KIF(std::string("手合割：") + name + "\n");
        ASSERT_TRUE(r.ok()) << 読込問題メッセージ(sourceTexts(), r.problem);
        EXPECT_EQ(r.game.firstMover, kGote);
        EXPECT_EQ(sfenOf(r.game, 0), std::string(top) + "/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1");
    }
    const RecordRead unknown = 解析_KIF("手合割：九枚落ち\n1 ７六歩(77)\n");
    EXPECT_FALSE(unknown.ok());
    EXPECT_EQ(unknown.problem.line, 1);
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
        const RecordRead r = 解析_KIF(c.bytes);
        const std::string message = 読込問題メッセージ(sourceTexts(), r.problem);
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(手順の手数(r.game), 0);
        if (c.line > 0) {
            EXPECT_EQ(r.problem.line, c.line);
            EXPECT_NE(message.find(std::to_string(c.line) + "行目"), std::string::npos) << message;
        }
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
    }
}

// A file with variations and comments as other programs write them: several
// branches, one inside another, comments on moves and on the start. It reads
// into one tree (the main line current) and writes back as the same text,
// which reads to the same tree.
TEST(KIF, VariationsAndCommentsReadAndWriteBack) {
    const std::string text = readBytes(std::string(XANTU_SOURCE_DIR) + "/tests/data/variations.kifu");
    const RecordRead r = 解析_KIF(text);
    ASSERT_TRUE(r.ok()) << 読込問題メッセージ(sourceTexts(), r.problem);
    const GameRecord& game = r.game;
    EXPECT_EQ(手順の手数(game), 8);
    EXPECT_EQ(game.nodes.size(), 1u + 8 + 3 + 2 + 2 + 3);
    EXPECT_EQ(game.nodes[kRecordRoot].comments, (std::vector<std::string>{"対局前の検討", "二行目のコメント"}));
    EXPECT_EQ(game.nodes[kRecordRoot].children.size(), 2u);  // ７六歩 and ２六歩
    const RecordNode& third = game.nodes[static_cast<std::size_t>(手順の節(game, 3))];
    ASSERT_EQ(third.children.size(), 3u);  // ８四歩, ４四歩, ５四歩
    const RecordNode& furu = game.nodes[static_cast<std::size_t>(third.children[1])];
    EXPECT_EQ(furu.comments, std::vector<std::string>{"振り飛車"});
    EXPECT_EQ(furu.children.size(), 2u);  // ４八銀 and, inside this variation, ５六歩

    const std::string written = 作成_KIF(game);
    EXPECT_EQ(written.substr(written.find("手数----")), text.substr(text.find("手数----")));
    const RecordRead back = 解析_KIF(written);
    ASSERT_TRUE(back.ok()) << 読込問題メッセージ(sourceTexts(), back.problem);
    EXPECT_EQ(back.game.nodes, game.nodes);

    // The line inside the variation made current: six moves, ending with ３三角;
    // cut after its fourth move, the two lines after ４四歩 go and the rest stays.
    GameRecord other = game;
    切替_手順(other, game.nodes[static_cast<std::size_t>(furu.children[1])].children[0]);
    EXPECT_EQ(手順の手数(other), 6);
    EXPECT_EQ(sfenOf(other, 6), "lnsgkgsnl/1r7/ppppp1bpp/5pp2/9/2P1P2P1/PP1P1PP1P/1B5R1/LNSGKGSNL b - 1");
    切詰め_手順(other, 4);
    EXPECT_EQ(手順の手数(other), 4);
    EXPECT_EQ(other.nodes.size(), game.nodes.size() - 4);
    EXPECT_TRUE(解析_KIF(作成_KIF(other)).ok());
}

}  // namespace
}  // namespace xantu::testing
