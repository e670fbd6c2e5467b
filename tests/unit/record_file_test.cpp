#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "record/record_file.h"
#include "test_support.h"
#include "text/record_wording.h"

using namespace xantu;
using namespace xantu::testing;
using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

MoveListEntry entryOf(const Position& p) {
    MoveListEntry e;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) e.board[x][y] = p.board[x][y];
    for (int k = 1; k <= kHandKinds; ++k) {
        e.ownHand[k] = p.ownHand[k];
        e.enemyHand[k] = p.enemyHand[k];
    }
    return e;
}

MoveListEntry startEntry() {
    Position p;
    初期配置(p);
    return entryOf(p);
}

void expectSamePosition(const MoveListEntry& a, const MoveListEntry& b, int k) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            ASSERT_EQ(a.board[x][y], b.board[x][y]) << "entry " << k << " at " << x << "," << y;
    for (int h = 1; h <= kHandKinds; ++h) {
        ASSERT_EQ(a.ownHand[h], b.ownHand[h]) << "entry " << k << " kind " << h;
        ASSERT_EQ(a.enemyHand[h], b.enemyHand[h]) << "entry " << k << " kind " << h;
    }
}

// The short game of the byte-exact test: ▲ the lower pawn (3,7)–(3,6),
// △ the upper pawn (3,3) takes it on (3,6).
struct ShortGame {
    MoveList list;
    FinalPosition end;
    ShortGame() {
        Position p;
        初期配置(p);
        list.entries[0] = entryOf(p);
        p.board[3][7] = 0;
        p.board[3][6] = -kPawn;
        list.entries[1] = entryOf(p);
        list.entries[1].manSecondsBefore = 3.5;
        list.entries[1].manSecondsAfter = 3.5;
        list.entries[1].comSecondsBefore = 0;
        list.entries[1].comSecondsAfter = 12.7;
        p.board[3][3] = 0;
        p.board[3][6] = kPawn;
        p.enemyHand[1] = 1;
        p.enemyHandTotal = 1;
        end = {p, 3.5, 12.7};
        list.recordLength = 2;
        list.lastEntry = 1;
    }
};

const RecordTexts kTexts{"練習対局", "山田", "ＣＯＭ"};

}  // namespace

TEST(RecordFile, 短い対局のバイト列) {
    const ShortGame g;
    ASSERT_TRUE(調査_最終局面が未保存(g.list));
    const RecordContent c = 作成_棋譜(kTexts, kSente, g.list, g.end);
    ASSERT_EQ(c.status, RecordWriteStatus::Ok);

    // Board columns x = 1..9, each nine 4-wide codes for y = 1..9.
    const std::string x1 = "  20   0  10   0   0   0 -10   0 -20";
    const std::string x2 = "  30 900  10   0   0   0 -10-800 -30";
    const std::string x4 = " 110   0  10   0   0   0 -10   0-110";
    const std::string x5 = " 950   0  10   0   0   0 -10   0-950";
    const std::string x7 = " 100   0  10   0   0   0 -10   0-100";
    const std::string x8 = "  30 800  10   0   0   0 -10-900 -30";
    const std::string x3after1 = " 100   0  10   0   0 -10   0   0-100";
    const std::string x3after2 = " 100   0   0   0   0  10   0   0-100";
    const std::string expected =
        // 練習対局 / ＣＯＭ (upper side, 後手) / 山田 (lower side, 先手), in CP932
        "\x97\xfb\x8f\x4b\x91\xce\x8b\xc7\r\n"
        "\x82\x62\x82\x6e\x82\x6c\r\n"
        "\x8e\x52\x93\x63\r\n" +
        x1 + x2 + x3after1 + x4 + x5 + x4 + x7 + x8 + x1 + "00000000000000" + "    3    3    0   12" + "\r\n" + x1 +
        x2 + x3after2 + x4 + x5 + x4 + x7 + x8 + x1 + "01000000000000" + "    3    3   12   12" + "\r\n";
    EXPECT_EQ(c.bytes, expected);

    ScratchFolder dir;
    ASSERT_EQ(書込_棋譜(dir.path, "短い対局", kTexts, kSente, g.list, g.end), RecordWriteStatus::Ok);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"短い対局.棋譜"});
    EXPECT_EQ(slurp(dir.path / "短い対局.棋譜"), expected);
}

TEST(RecordFile, 見出しの順と表示位置) {
    EXPECT_EQ(作成_棋譜見出し(kTexts, kSente), (std::array<std::string, 3>{"練習対局", "ＣＯＭ", "山田"}));
    EXPECT_EQ(作成_棋譜見出し(kTexts, kGote), (std::array<std::string, 3>{"練習対局", "山田", "ＣＯＭ"}));
    EXPECT_DOUBLE_EQ(取得_棋譜のX座標(""), 1050 + (13.0 / 5 + 3) * 495);
    EXPECT_DOUBLE_EQ(取得_棋譜のX座標("ＣＯＭ"), 1050 + 5 * 495);  // characters, not bytes
    EXPECT_DOUBLE_EQ(取得_棋譜のX座標("1234567890123"), 1050 + 3 * 495);
    EXPECT_LT(取得_棋譜のX座標("12345678901234"), 1050 + 3 * 495);
}

TEST(RecordFile, 持駒十枚以上と大きな時計) {
    // Only pawns reach ten in a hand: every pawn is off the board.
    MoveListEntry e = startEntry();
    for (int x = 1; x <= 9; ++x) e.board[x][7] = e.board[x][3] = kEmpty;
    e.ownHand[1] = 10;
    e.enemyHand[1] = 8;
    e.manSecondsBefore = 100000;
    e.manSecondsAfter = 99999.9;
    e.comSecondsBefore = 1234;
    e.comSecondsAfter = -1;
    const std::string line = 作成_棋譜行(e);
    ASSERT_EQ(line.size(), kRecordLineWidth);
    EXPECT_EQ(line.substr(324, 14), "A8000000000000");
    EXPECT_EQ(line.substr(338), "9999999999 1234    0");

    MoveListEntry back;
    ASSERT_EQ(解析_棋譜行(line, back), RecordLineStatus::Ok);
    expectSamePosition(back, e, 0);
    EXPECT_EQ(back.manSecondsBefore, 99999);
    EXPECT_EQ(back.comSecondsBefore, 1234);
}

TEST(RecordFile, 長い対局の往復) {
    // 250 saved entries plus the final Position, with up to 18 pawns in hand:
    // every pawn is off the board, in a hand or promoted on (5,5); the lower
    // bishop stands there promoted instead on even entries; up to two upper
    // golds are in the upper hand.
    MoveList list;
    const int n = 250;
    for (int k = 0; k <= n; ++k) {
        MoveListEntry& e = list.entry(k);
        e = startEntry();
        for (int x = 1; x <= 9; ++x) e.board[x][7] = e.board[x][3] = kEmpty;
        if (k % 2 == 0) e.board[2][8] = kEmpty;
        e.board[5][5] = k % 2 ? kPromPawn : -kHorse;
        const int pawnsInHand = k % 2 ? 17 : 18;
        e.ownHand[1] = std::min(k % 19, pawnsInHand);
        e.enemyHand[1] = pawnsInHand - e.ownHand[1];
        if (k % 3 >= 1) e.board[4][1] = kEmpty;
        if (k % 3 == 2) e.board[6][1] = kEmpty;
        e.enemyHand[5] = k % 3;
        e.manSecondsBefore = k * 7.25;
        e.manSecondsAfter = k * 7.25 + 3;
        e.comSecondsBefore = k * 11.0;
        e.comSecondsAfter = k * 11.0 + 0.9;
    }
    list.recordLength = n + 1;
    list.lastEntry = n;
    FinalPosition end;
    初期配置(end.position);
    for (int x = 1; x <= 9; ++x) end.position.board[x][7] = end.position.board[x][3] = kEmpty;
    end.position.ownHand[1] = 11;
    end.manSeconds = 4000.4;
    end.comSeconds = 5000.6;

    ScratchFolder dir;
    ASSERT_EQ(書込_棋譜(dir.path, "長手数", kTexts, kGote, list, end), RecordWriteStatus::Ok);
    const RecordReadResult r = 読込_棋譜(dir.path / "長手数.棋譜");
    ASSERT_EQ(r.status, RecordReadStatus::Ok);
    EXPECT_EQ(r.headers, 作成_棋譜見出し(kTexts, kGote));
    EXPECT_EQ(r.headerLinesRead, 3);
    ASSERT_EQ(r.entryCount, n + 1);
    EXPECT_EQ(r.list.lastEntry, n + 1);
    EXPECT_EQ(r.list.recordLength, 0);
    for (int k = 1; k <= n; ++k) {
        const MoveListEntry& a = r.list.entries[static_cast<std::size_t>(k)];
        const MoveListEntry& b = list.entries[static_cast<std::size_t>(k)];
        expectSamePosition(a, b, k);
        ASSERT_EQ(a.manSecondsBefore, static_cast<int>(b.manSecondsBefore)) << k;
        ASSERT_EQ(a.manSecondsAfter, static_cast<int>(b.manSecondsAfter)) << k;
        ASSERT_EQ(a.comSecondsBefore, static_cast<int>(b.comSecondsBefore)) << k;
        ASSERT_EQ(a.comSecondsAfter, static_cast<int>(b.comSecondsAfter)) << k;
    }
    const MoveListEntry& last = r.list.entries[static_cast<std::size_t>(n + 1)];
    expectSamePosition(last, entryOf(end.position), n + 1);
    EXPECT_EQ(last.manSecondsBefore, 4000);
    EXPECT_EQ(last.manSecondsAfter, 4000);
    EXPECT_EQ(last.comSecondsAfter, 5000);
    // Entry 0 is the starting layout, not whatever the game held.
    expectSamePosition(r.list.entries[0], startEntry(), 0);
    EXPECT_EQ(r.list.entries[0].movedPiece, kPawn);
}

TEST(RecordFile, 最終局面を含める条件) {
    MoveList list;
    EXPECT_FALSE(調査_最終局面が未保存(list));  // no move yet
    list.recordLength = 1;
    list.lastEntry = 0;
    EXPECT_TRUE(調査_最終局面が未保存(list));  // one move made
    list.recordLength = 3;
    list.lastEntry = 4;
    EXPECT_FALSE(調査_最終局面が未保存(list));  // stepped back
    list.recordLength = 0;
    list.lastEntry = 12;
    EXPECT_FALSE(調査_最終局面が未保存(list));  // a loaded record

    // A game of one move is written as one line.
    MoveList one;
    one.entries[0] = startEntry();
    one.recordLength = 1;
    one.lastEntry = 0;
    FinalPosition end;
    初期配置(end.position);
    end.position.board[7][7] = 0;
    end.position.board[7][6] = -kPawn;
    ScratchFolder dir;
    EXPECT_EQ(書込_棋譜(dir.path, "a", kTexts, kSente, one, std::nullopt), RecordWriteStatus::NoData);
    EXPECT_TRUE(dir.names().empty());
    ASSERT_EQ(書込_棋譜(dir.path, "a", kTexts, kSente, one, end), RecordWriteStatus::Ok);
    const RecordReadResult r = 読込_棋譜(dir.path / "a.棋譜");
    ASSERT_EQ(r.status, RecordReadStatus::Ok);
    ASSERT_EQ(r.list.lastEntry, 1);
    expectSamePosition(r.list.entries[1], entryOf(end.position), 1);

    // Writing a loaded record again gives the same file.
    ASSERT_EQ(書込_棋譜(dir.path, "b", kTexts, kSente, r.list, std::nullopt), RecordWriteStatus::Ok);
    EXPECT_EQ(slurp(dir.path / "b.棋譜"), slurp(dir.path / "a.棋譜"));
}

TEST(RecordFile, 書込の拒否と失敗) {
    const ShortGame g;
    ScratchFolder dir;
    auto write = [&](const std::string& name, const RecordTexts& t = kTexts) {
        return 書込_棋譜(dir.path, name, t, kSente, g.list, g.end);
    };
    EXPECT_EQ(write(""), RecordWriteStatus::NoFileName);
    EXPECT_EQ(write("sub/x"), RecordWriteStatus::BadFileName);
    EXPECT_EQ(write("../x"), RecordWriteStatus::BadFileName);
    EXPECT_EQ(write("."), RecordWriteStatus::BadFileName);
    EXPECT_EQ(write(".."), RecordWriteStatus::BadFileName);
    EXPECT_EQ(write("two\nlines"), RecordWriteStatus::BadFileName);
    EXPECT_EQ(write("tab\there"), RecordWriteStatus::BadFileName);
    EXPECT_EQ(write("x", {"対局😀", "", ""}), RecordWriteStatus::BadHeaderText);
    EXPECT_EQ(write("x", {"", "山田\r\n", ""}), RecordWriteStatus::BadHeaderText);
    EXPECT_TRUE(dir.names().empty());

    MoveList broken = g.list;
    broken.entries[1].board[4][4] = 12;
    EXPECT_EQ(書込_棋譜(dir.path, "x", kTexts, kSente, broken, g.end), RecordWriteStatus::InvalidEntry);
    broken = g.list;
    broken.entries[1].ownHand[1] = 19;
    EXPECT_EQ(書込_棋譜(dir.path, "x", kTexts, kSente, broken, g.end), RecordWriteStatus::InvalidEntry);
    EXPECT_TRUE(dir.names().empty());

    // A name of only spaces is a name.
    EXPECT_EQ(write("  "), RecordWriteStatus::Ok);
    // Overwriting without asking.
    EXPECT_EQ(write("  ", {"二回目", "", ""}), RecordWriteStatus::Ok);
    EXPECT_EQ(読込_棋譜(dir.path / "  .棋譜").headers[0], "二回目");

    EXPECT_EQ(書込_棋譜(dir.path / "missing", "x", kTexts, kSente, g.list, g.end), RecordWriteStatus::CannotWrite);
    // A folder in the way of the record: the write fails and leaves nothing behind.
    fs::create_directory(dir.path / "taken.棋譜");
    EXPECT_EQ(write("taken"), RecordWriteStatus::CannotWrite);
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"  .棋譜", "taken.棋譜"}));
}

TEST(RecordFile, 書込めないフォルダ) {
    const ShortGame g;
    ScratchFolder dir;
    ASSERT_EQ(書込_棋譜(dir.path, "x", kTexts, kSente, g.list, g.end), RecordWriteStatus::Ok);
    const std::string before = slurp(dir.path / "x.棋譜");
    fs::permissions(dir.path, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                  fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    if (std::ofstream(dir.path / "probe").is_open())
        GTEST_SKIP() << "running with rights that ignore a read-only folder";
    EXPECT_EQ(書込_棋譜(dir.path, "x", {"別", "", ""}, kSente, g.list, g.end), RecordWriteStatus::CannotWrite);
    EXPECT_EQ(書込_棋譜(dir.path, "y", kTexts, kSente, g.list, g.end), RecordWriteStatus::CannotWrite);
    EXPECT_EQ(slurp(dir.path / "x.棋譜"), before);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"x.棋譜"});
}

TEST(RecordFile, 読込の失敗は状態で返す) {
    ScratchFolder dir;
    EXPECT_EQ(読込_棋譜(dir.path / "消えた.棋譜").status, RecordReadStatus::NotFound);
    EXPECT_EQ(読込_棋譜(dir.path).status, RecordReadStatus::CannotRead);

    const std::string head = "a\r\nb\r\nc\r\n";
    const std::string good = 作成_棋譜行(startEntry());
    auto parse = [&](const std::string& entryLines) { return 解析_棋譜(head + good + "\r\n" + entryLines); };
    auto with = [&](std::size_t column, const std::string& text) {
        std::string line = good;
        line.replace(column - 1, text.size(), text);
        return line + "\r\n";
    };

    RecordReadResult r = parse(with(1, "  12"));
    EXPECT_EQ(r.status, RecordReadStatus::BadPieceCode);
    EXPECT_EQ(r.badLine, 5);
    EXPECT_FALSE(調査_棋譜を読込可能(r.status));
    EXPECT_TRUE(r.list.entries.empty());
    EXPECT_EQ(parse(with(1, "9500")).status, RecordReadStatus::BadPieceCode);
    EXPECT_EQ(parse(with(326, "J")).status, RecordReadStatus::BadHandCount);
    EXPECT_EQ(parse(with(325, "z")).status, RecordReadStatus::BadHandCount);
    EXPECT_EQ(parse(with(1, " 950")).status, RecordReadStatus::BadPosition);  // a second upper king
    const RecordReadResult threeRooks = parse(with(338, "1"));                // a rook in the upper hand as well
    EXPECT_EQ(threeRooks.status, RecordReadStatus::BadPosition);
    EXPECT_EQ(棋譜読込メッセージ(sourceTexts(), threeRooks),
              "棋譜ﾌｧｲﾙの局面が正しくありません\r\r5行目: 飛が3枚あります（2枚まで）");
    EXPECT_EQ(parse(good + " \r\n").status, RecordReadStatus::NotRecord);  // 359 characters
    // Blank lines an editor left at the end are no entries; one between entries refuses the file.
    EXPECT_EQ(parse(good + "\r\n\r\n \r\n").entryCount, 2);
    EXPECT_EQ(parse("\r\n" + good).badLine, 5);
    EXPECT_EQ(parse(with(30, "歩")).status, RecordReadStatus::NotRecord);
    EXPECT_EQ(解析_棋譜("\x89\x50\x4e\x47\r\n\x1a\n\0\0\0\rIHDR"s).status, RecordReadStatus::NotRecord);
    EXPECT_EQ(解析_棋譜("\x81\r\nb\r\nc\r\n" + good).status, RecordReadStatus::NotRecord);  // header not CP932

    std::string many = head;
    for (int i = 0; i < kMaxRecordEntries; ++i) many += good + "\r\n";
    EXPECT_EQ(解析_棋譜(many).status, RecordReadStatus::Ok);  // exactly at the limit
    EXPECT_EQ(解析_棋譜(many + good).status, RecordReadStatus::TooLarge);
}

// What the writer never writes is refused, whole, before anything is loaded;
// the message names what is wrong.
TEST(RecordFile, 書かれない物は読まない) {
    for (const std::string& noEntry : {""s, "a\r\nb\r\nc\r\n"s, "\x97\xfb\x8f\x4b\r\n"s}) {
        const RecordReadResult r = 解析_棋譜(noEntry);
        EXPECT_EQ(r.status, RecordReadStatus::NoEntries);
        EXPECT_FALSE(調査_棋譜を読込可能(r.status));
    }
    const std::string head = "a\r\nb\r\nc\r\n";
    const std::string good = 作成_棋譜行(startEntry());
    auto status = [&](std::size_t column, const std::string& text) {
        std::string line = good;
        line.replace(column - 1, text.size(), text);
        return 解析_棋譜(head + line + "\r\n").status;
    };
    using S = RecordReadStatus;
    // Board fields: letters, spaces, inner or trailing blanks, a sign the
    // writer never puts, leading zeros.
    for (const char* field : {"  ab", "    ", "  1 ", "1   ", " +10", "  -0", "0010", "-  5"})
        EXPECT_EQ(status(5, field), S::NotRecord) << field;
    EXPECT_EQ(status(1, " -20"), S::Ok);  // a lower lance where the upper one stood
    EXPECT_EQ(status(325, " "), S::BadHandCount);
    EXPECT_EQ(status(325, "-"), S::BadHandCount);
    EXPECT_EQ(status(339, "   -5"), S::BadClock);
    EXPECT_EQ(status(339, "99999"), S::Ok);
    EXPECT_EQ(status(339, "1e+04"), S::NotRecord);
    EXPECT_EQ(status(354, " 12 3"), S::NotRecord);
    EXPECT_EQ(解析_棋譜(head + good.substr(0, 338) + "\r\n").status, S::NotRecord);  // no clocks

    // Kings: none at all, or two of a side, is no game; one alone is the end
    // of a game whose other king was taken.
    MoveListEntry e = startEntry();
    e.board[5][1] = 0;
    EXPECT_EQ(解析_棋譜(head + 作成_棋譜行(e)).status, S::Ok);
    e.board[5][9] = 0;
    const RecordReadResult r = 解析_棋譜(head + good + "\r\n" + 作成_棋譜行(e));
    EXPECT_EQ(r.status, S::BadPosition);
    EXPECT_EQ(r.badLine, 5);

    // LF alone ends a line too, and the last line needs no line end.
    EXPECT_EQ(解析_棋譜("a\nb\nc\n" + good + "\n" + good).status, S::Ok);
}

TEST(RecordFile, メッセージ) {
    EXPECT_EQ(棋譜書込メッセージ(sourceTexts(), RecordWriteStatus::Ok), "棋譜を書き込みました");
    EXPECT_EQ(棋譜書込タイトル(sourceTexts(), RecordWriteStatus::Ok), "  ");
    EXPECT_EQ(棋譜書込メッセージ(sourceTexts(), RecordWriteStatus::NoFileName), "ﾌｧｲﾙ名が入力されていません");
    EXPECT_EQ(棋譜書込タイトル(sourceTexts(), RecordWriteStatus::NoFileName), "  ");
    EXPECT_EQ(棋譜書込メッセージ(sourceTexts(), RecordWriteStatus::NoData), "保存するデータがありません");
    EXPECT_EQ(棋譜書込タイトル(sourceTexts(), RecordWriteStatus::NoData), "棋譜保存");
    EXPECT_EQ(棋譜読込メッセージ(sourceTexts(), RecordReadStatus::NoEntries), "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません");
    EXPECT_EQ(棋譜読込メッセージ(sourceTexts(), RecordReadStatus::Ok), " 読み込みました");
    for (const RecordWriteStatus s : {RecordWriteStatus::BadFileName, RecordWriteStatus::BadHeaderText,
                                      RecordWriteStatus::InvalidEntry, RecordWriteStatus::CannotWrite})
        EXPECT_FALSE(棋譜書込メッセージ(sourceTexts(), s).empty());
    for (const RecordReadStatus s :
         {RecordReadStatus::NotFound, RecordReadStatus::CannotRead, RecordReadStatus::TooLarge,
          RecordReadStatus::NotRecord, RecordReadStatus::BadPieceCode, RecordReadStatus::BadHandCount,
          RecordReadStatus::BadPosition, RecordReadStatus::BadClock})
        EXPECT_FALSE(棋譜読込メッセージ(sourceTexts(), s).empty());
}
