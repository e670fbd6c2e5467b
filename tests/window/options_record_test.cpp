// The option menu with its settings file, the record-file menu, the about box.
#include <array>
#include <cmath>
#include <fstream>
#include <set>

#include "core/cp932.h"
#include "record/record_file.h"

#include "window_fixture.h"

namespace xantu::testing {
namespace {

namespace fs = std::filesystem;

std::string readUtf8(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return cp932ToUtf8(bytes).value_or("<not cp932>");
}

void writeCp932(const std::filesystem::path& p, const std::string& utf8) {
    std::ofstream out(p, std::ios::binary);
    out << utf8ToCp932(utf8).value();
}

using Options = WindowTest;

TEST_F(Options, FirstRunWritesTheDefaults) {
    w->Form_Load();
    EXPECT_EQ(readUtf8(w->settingsPath), "背景画=ペカナ\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n");
    EXPECT_TRUE(fake.checked("MIDORI"));
    EXPECT_TRUE(fake.checked("KEIKA"));
    EXPECT_TRUE(fake.checked("BGM"));
    EXPECT_FALSE(fake.checked("SIDOU"));
    for (const std::string& s : fake.sounds) EXPECT_NE(s.rfind("loop:", 0), 0u) << "no music on the first run";
}

TEST_F(Options, SettingsAppliedInFileOrder) {
    writeCp932(w->settingsPath, "背景画=竹\r\n移動指導=ON\r\nBGM=ON\r\n背景画=煉瓦 \r\nwhatever\r\n");
    w->Form_Load();
    EXPECT_EQ(w->opt.backgroundTheme, kThemeTake);
    EXPECT_TRUE(fake.checked("TAKE"));
    EXPECT_FALSE(fake.checked("MIDORI"));
    EXPECT_EQ(w->opt.guideColour, colourWhite);
    EXPECT_EQ(fake.sounds.back(), "loop:" + std::to_string(w->bgmSound));
    // Every cell outside the board shows the bamboo tile after the start-up redraw.
    EXPECT_EQ(fake.pictureAt(12, 5), kThemeTake);
    EXPECT_EQ(fake.pictureAt(5, 5), kEmpty);
}

TEST_F(Options, EveryChangeRewritesTheFile) {
    load();
    w->menuCommand("NARI_KAKUNIN");  // back on, as by default: no line for it
    w->menuCommand("TATAMI");
    EXPECT_EQ(w->opt.backgroundTheme, kThemeTatami);
    EXPECT_EQ(fake.pictureAt(-3, 5), kThemeTatami);
    w->menuCommand("SIDOU");
    w->menuCommand("KEIKA");
    w->menuCommand("BGM");
    EXPECT_EQ(readUtf8(w->settingsPath), "背景画=畳\r\n移動指導=ON\r\n経過時間=OFF\r\nBGM=OFF\r\n");
    EXPECT_EQ(fake.sounds.back(), "stop:" + std::to_string(w->bgmSound));
}

TEST_F(Options, ElapsedTimeOffErasesBothClocksThenOnDrawsThem) {
    load();
    w->menuCommand("KEIKA");
    EXPECT_FALSE(fake.timerOn);
    std::vector<std::array<int, 3>> tiles;  // x, y, code
    for (const DrawCall& d : fake.draws)
        if (d.kind == DrawCall::Picture)
            tiles.push_back({int((d.x - boardLeft) / squareWidth), int((d.y - boardTop) / squareHeight), d.code});
    // The lower side's clock first (MAN is the lower side), in the ペカナ tiles 9, 7, 8.
    EXPECT_EQ(tiles,
              (std::vector<std::array<int, 3>>{{13, 9, 9}, {14, 9, 7}, {15, 9, 8}, {-2, 9, 9}, {-1, 9, 7}, {0, 9, 8}}));

    fake.clearLog();
    w->clk.comSeconds = 3725;
    w->clk.manSeconds = 59;
    w->menuCommand("KEIKA");
    EXPECT_TRUE(fake.timerOn);
    const auto texts = fake.textsSince(0);
    ASSERT_EQ(texts.size(), 4u);
    // The upper side's first, left of the board, then the lower side's.
    EXPECT_EQ(texts[0].text, "01:02:05");
    EXPECT_EQ(texts[0].code, colourBlack);
    // The shadow one pixel (15 twips) below and to the right of the text.
    EXPECT_DOUBLE_EQ(texts[0].x, cellX(-1.6) + 15);
    EXPECT_DOUBLE_EQ(texts[0].y, cellY(9.2) + 15);
    EXPECT_EQ(texts[1].code, colourWhite);
    EXPECT_DOUBLE_EQ(texts[1].x, cellX(-1.6));
    EXPECT_DOUBLE_EQ(texts[1].y, cellY(9.2));
    EXPECT_EQ(texts[3].text, "00:00:59");
    EXPECT_DOUBLE_EQ(texts[3].x, cellX(13.0));
    EXPECT_DOUBLE_EQ(texts[3].y, cellY(9.2));
    EXPECT_EQ(texts[3].size, 12);
    EXPECT_EQ(fake.outlineAt(1, 9), colourGreen);
}

TEST_F(Options, GuidanceOffClearsEveryOutlineItMayHaveLeft) {
    load();
    w->menuCommand("SIDOU");
    EXPECT_EQ(w->opt.guideColour, colourWhite);
    fake.clearLog();
    w->menuCommand("SIDOU");
    EXPECT_EQ(w->opt.guideColour, outlineColour);
    int boxes = 0;
    for (const DrawCall& d : fake.draws) boxes += d.kind == DrawCall::Box && d.code == outlineColour;
    EXPECT_EQ(boxes, 81 + 14);
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(fake.outlineAt(-1, k), outlineColour) << k;
        EXPECT_EQ(fake.outlineAt(11, k + 2), outlineColour) << k;
    }
}

// A failed write is told once in a run and tried again with each change;
// the earlier file is never left half written. (A read-only folder cannot
// be made here: the tests may run as root, who writes anywhere. A file
// where the folder should be fails for everyone.)
TEST_F(Options, UnwritableSettingsKeepTheChoicesAndSaySoOnce) {
    load();
    const fs::path folder = dir / "blocked";
    std::ofstream(folder) << "not a folder";
    w->settingsPath = (folder / "Xantuペカナ将棋.ini").string();
    w->menuCommand("UCHU");
    EXPECT_TRUE(fake.checked("UCHU"));
    EXPECT_EQ(w->opt.backgroundTheme, kThemeUchu);
    w->menuCommand("SIDOU");
    ASSERT_EQ(fake.dialogs.size(), 1u);
    EXPECT_EQ(lastDialog(), "設定を保存できません：保存先のフォルダがありません");
    // Room again: the next change is written, with every choice of the run.
    fs::remove(folder);
    fs::create_directories(folder);
    w->menuCommand("BGM");
    EXPECT_EQ(fake.dialogs.size(), 1u);
    EXPECT_EQ(readUtf8(w->settingsPath),
              "背景画=宇宙\r\n移動指導=ON\r\n経過時間=ON\r\nBGM=OFF\r\n成・不成を確認=OFF\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(Options, AboutBox) {
    load();
    w->menuCommand("VER");
    ASSERT_EQ(fake.dialogs.size(), 1u);
    const std::string& text = fake.dialogs[0].text;
    // No invented contact data: the licence and the folder the settings are in.
    EXPECT_NE(text.find("MIT ライセンス\r"), std::string::npos) << text;
    EXPECT_NE(text.find(dir.lexically_normal().string() + "\r"), std::string::npos) << text;
    EXPECT_EQ(text.find("example"), std::string::npos) << text;
    EXPECT_EQ(fake.sounds.back(), play(w->otherSound));
}

class RecordMenu : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        load();
        w->menuCommand("START");
        move(3, 7, 3, 6);
        move(7, 3, 7, 4);
        move(2, 8, 8, 2);
        fake.clearLog();
    }
    void save(const std::string& name) {
        w->menuCommand("KIFU_WRITE");
        fake.setText(1, name);
        fake.setText(2, "練習対局");
        fake.setText(3, "先手さん");
        fake.setText(4, "後手さん");
        w->Command1_Click();
    }
};

TEST_F(RecordMenu, SaveAndLoadAGameThenStepThroughIt) {
    save("test");
    EXPECT_EQ(lastDialog(), "棋譜を書き込みました");
    const auto file = dir / "test.棋譜";
    ASSERT_TRUE(std::filesystem::exists(file));
    const Position end = w->pos;

    w->menuCommand("KIFU_READ");
    EXPECT_EQ(fake.lists, (std::vector<bool>{true, true, true}));
    fake.clearLog();
    w->File1_Click("test.棋譜");
    EXPECT_EQ(w->g.recordMode, 1);
    EXPECT_EQ(w->moves.lastEntry, 3);                        // all three moves, the last one included
    EXPECT_FALSE(std::filesystem::exists(w->resumePath()));  // a record only read is nothing to resume
    {
        // The next start opens the record panel where this record was.
        FakePlatform next;
        next.folderPath = "/";
        GameWindow again(next.platform);
        again.settingsPath = w->settingsPath;
        again.Form_Load();
        EXPECT_EQ(next.folderPath, dir.string());
    }
    ASSERT_GE(fake.dialogs.size(), 2u);
    EXPECT_EQ(fake.dialogs[fake.dialogs.size() - 2].text, " 読み込みました");
    EXPECT_EQ(lastDialog(), "棋譜を '進 'で進めて下さい");
    bool header = false;
    for (const DrawCall& d : fake.textsSince(0)) header |= d.text == "練習対局" && d.y == 6350;
    EXPECT_TRUE(header);

    for (int i = 0; i < 3; ++i) w->menuCommand("AFTER");
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) EXPECT_EQ(w->pos.board[x][y], end.board[x][y]);
    fake.clearLog();
    w->menuCommand("AFTER");
    EXPECT_EQ(lastDialog(), "終わり");
    EXPECT_TRUE(fake.sounds.empty());
    // Back to the start: entry 0 is the starting layout.
    for (int i = 0; i < 3; ++i) w->menuCommand("REPLAY");
    EXPECT_EQ(w->pos.board[2][8], -kBishop);
    EXPECT_EQ(w->pos.board[3][7], -kPawn);

    // A click in record mode asks; "No" ends record mode.
    fake.answers.push_back(kMsgNo);
    click(5, 5);
    EXPECT_EQ(w->g.recordMode, 0);
    EXPECT_EQ(w->g.sideToMove, 0);
}

TEST_F(RecordMenu, AThemeChangeKeepsTheTextsAndStartPlaysOnFromTheRecord) {
    save("texts");
    w->File1_Click("texts.棋譜");
    w->menuCommand("AFTER");
    w->menuCommand("AFTER");
    const std::size_t mark = fake.draws.size();
    w->menuCommand("TATAMI");
    std::string counter, lower, upper;
    std::set<std::string> texts;
    for (const DrawCall& d : fake.textsSince(mark)) {
        texts.insert(d.text);
        if (d.code != colourWhite) continue;
        if (std::abs(d.x - cellX(13.2)) < 1 && std::abs(d.y - cellY(3.3)) < 1) counter += d.text;
        if (d.y == cellY(2.4)) lower += d.text;
        if (d.y == cellY(8.4)) upper += d.text;
    }
    EXPECT_EQ(counter, "2");
    EXPECT_EQ(texts.count("手目"), 1u);
    EXPECT_EQ(lower, "７六歩");
    EXPECT_EQ(upper, "３四歩");
    for (const char* header : {"練習対局", "先手さん", "後手さん"}) EXPECT_EQ(texts.count(header), 1u) << header;

    // スタート ends record mode: the game goes on from the Position shown.
    w->menuCommand("START");
    EXPECT_EQ(w->g.recordMode, 0);
    fake.clearLog();
    move(2, 8, 8, 2);
    EXPECT_EQ(w->pos.board[8][2], -kBishop);
    EXPECT_EQ(w->g.moveNumber, 3);
    EXPECT_TRUE(fake.dialogs.empty());
}

TEST_F(RecordMenu, AStepThatChangesNoSquareShowsNoNotation) {
    // Entry 1 repeats the starting layout (entry 0); entry 2 has the lower
    // pawn of file 3 one square up.
    Position p;
    初期配置(p);
    MoveListEntry e;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) e.board[x][y] = p.board[x][y];
    std::string text = "match\r\nup\r\ndown\r\n" + 作成_棋譜行(e) + "\r\n";
    e.board[7][7] = kEmpty;
    e.board[7][6] = -kPawn;
    text += 作成_棋譜行(e) + "\r\n";
    std::ofstream(dir / "still.棋譜", std::ios::binary) << text;
    w->File1_Click("still.棋譜");
    ASSERT_EQ(w->moves.lastEntry, 2);

    auto notationWords = [&](std::size_t mark) {
        std::string words;
        for (const DrawCall& d : fake.textsSince(mark))
            if (d.code == colourWhite && (d.y == cellY(2.4) || d.y == cellY(8.4))) words += d.text;
        return words;
    };
    std::size_t mark = fake.draws.size();
    w->menuCommand("AFTER");
    EXPECT_EQ(notationWords(mark), "");
    EXPECT_EQ(fake.pictureAt(14, 2), kPicKi);  // the lower side's notation area was still erased
    mark = fake.draws.size();
    w->menuCommand("AFTER");
    EXPECT_EQ(notationWords(mark), "３六歩");
}

TEST_F(RecordMenu, RefusalsAndBadFiles) {
    save("");
    EXPECT_EQ(lastDialog(), "ﾌｧｲﾙ名が入力されていません");
    save("a/b");
    EXPECT_FALSE(std::filesystem::exists(dir / "a"));

    // A broken record leaves the game on the board untouched.
    const Position before = w->pos;
    std::ofstream(dir / "broken.棋譜", std::ios::binary) << "x\r\ny\r\nz\r\n 999\r\n";
    w->File1_Click("broken.棋譜");
    EXPECT_EQ(w->g.recordMode, 0);
    EXPECT_EQ(w->g.moveNumber, 3);
    EXPECT_EQ(w->pos.board[8][2], before.board[8][2]);
    w->File1_Click("vanished.棋譜");
    EXPECT_EQ(w->g.moveNumber, 3);

    w->menuCommand("REVERSE");
    fake.clearLog();
    w->menuCommand("KIFU_WRITE");
    EXPECT_EQ(lastDialog(), "反転後は書き込みできません");
    w->menuCommand("CANCEL");
    w->menuCommand("LBEL_UP");
    w->menuCommand("KIFU_WRITE");
    EXPECT_EQ(lastDialog(), "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません");
}

}  // namespace
}  // namespace xantu::testing
