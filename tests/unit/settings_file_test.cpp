#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "core/cp932.h"
#include "options/settings_file.h"
#include "test_support.h"

using namespace xantu;
using namespace xantu::testing;
namespace fs = std::filesystem;

namespace {

// The settings file content of UTF-8 lines, as the program stores it.
std::string sjis(const std::string& utf8) { return utf8ToCp932(utf8).value(); }

Setting theme(int t) { return {SettingKey::Theme, t, false}; }
Setting flag(SettingKey k, bool on) { return {k, 0, on}; }

}  // namespace

TEST(Settings, 書込の内容) {
    EXPECT_EQ(作成_環境設定(kDefaultSettings), sjis("背景画=ペカナ\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n"));
    // The default file starts with the bytes of "背景画=ペカナ" in CP932.
    EXPECT_EQ(作成_環境設定(kDefaultSettings).substr(0, 15), "\x94\x77\x8c\x69\x89\xe6=\x83\x79\x83\x4a\x83\x69\r\n");
    EXPECT_EQ(作成_環境設定({5, true, false, false}),
              sjis("背景画=煉瓦\r\n移動指導=ON\r\n経過時間=OFF\r\nBGM=OFF\r\n"));
    // No theme checked: no 背景画 line.
    EXPECT_EQ(作成_環境設定({0, false, true, true}), sjis("移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n"));
}

TEST(Settings, 全ての値の往復) {
    ScratchFolder dir;
    const fs::path file = dir.path / kSettingsFileName;
    for (const int t : {6, 2, 3, 4, 5})
        for (int bits = 0; bits < 8; ++bits) {
            const SettingsValues v{t, (bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0};
            ASSERT_EQ(書込_環境設定(v, file), SettingsWriteStatus::Ok);
            const SettingsReadResult r = 読込_環境設定(file);
            ASSERT_EQ(r.status, SettingsReadStatus::Ok);
            const std::vector<Setting> expected{theme(t), flag(SettingKey::Guidance, v.guidance),
                                                flag(SettingKey::ElapsedTime, v.elapsedTime),
                                                flag(SettingKey::Bgm, v.bgm)};
            EXPECT_EQ(r.settings, expected) << t << " " << bits;
        }
}

TEST(Settings, 棋譜表示と利き表示) {
    // Written only when on, after the four lines of the other options; an
    // older file without them reads as both off.
    SettingsValues v = kDefaultSettings;
    v.moveListPanel = true;
    v.influenceOverlay = true;
    const std::string both =
        sjis("背景画=ペカナ\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n棋譜表示=ON\r\n利き表示=ON\r\n");
    EXPECT_EQ(作成_環境設定(v), both);
    EXPECT_EQ(解析_環境設定(both).back(), flag(SettingKey::InfluenceOverlay, true));
    EXPECT_EQ(解析_環境設定(sjis("棋譜表示=OFF\r\n")), std::vector<Setting>{flag(SettingKey::MoveListPanel, false)});
    v.influenceOverlay = false;
    EXPECT_EQ(作成_環境設定(v), sjis("背景画=ペカナ\r\n移動指導=OFF\r\n経過時間=ON\r\nBGM=ON\r\n棋譜表示=ON\r\n"));
}

TEST(Settings, 棋譜フォルダ) {
    SettingsValues v;
    v.recordFolder = "/home/対局者/棋譜";
    const std::string text = 作成_環境設定(v);
    EXPECT_EQ(text, 作成_環境設定(kDefaultSettings) + sjis("棋譜フォルダ=/home/対局者/棋譜\r\n"));
    Setting folder{SettingKey::RecordFolder, 0, false, v.recordFolder};
    EXPECT_EQ(解析_環境設定(text).back(), folder);
    // A name CP932 cannot hold is left out, and the rest is written as usual.
    v.recordFolder = "/home/😀";
    EXPECT_EQ(作成_環境設定(v), 作成_環境設定(kDefaultSettings));
}

TEST(Settings, 行の解釈) {
    // Only one line: only that setting is reported.
    EXPECT_EQ(解析_環境設定(sjis("BGM=OFF\r\n")), std::vector<Setting>{flag(SettingKey::Bgm, false)});
    // A trailing space, another case, a doubled "=": not recognised values.
    EXPECT_EQ(解析_環境設定(sjis("背景画=煉瓦 \r\n背景画=赤\r\n背景画==竹\r\n")), std::vector<Setting>{});
    EXPECT_EQ(解析_環境設定(sjis("移動指導=on\r\n経過時間=ON \r\nBGM=\r\n")),
              (std::vector<Setting>{flag(SettingKey::Guidance, false), flag(SettingKey::ElapsedTime, false),
                                    flag(SettingKey::Bgm, false)}));
    // Any order, repeated keys in file order (the last one wins when applied),
    // lines without "=" and unknown keys skipped, LF alone accepted.
    EXPECT_EQ(解析_環境設定(sjis("BGM=ON\r\n\r\nほげ\r\n背景画=畳\n音量=5\r\n 背景画=竹\r\n背景画=宇宙\r\nBGM=OFF")),
              (std::vector<Setting>{flag(SettingKey::Bgm, true), theme(2), theme(4), flag(SettingKey::Bgm, false)}));
    // A line that is not CP932 is skipped like any unknown line.
    EXPECT_EQ(解析_環境設定("\x81\r\n" + sjis("経過時間=ON\r\n")),
              std::vector<Setting>{flag(SettingKey::ElapsedTime, true)});
}

TEST(Settings, 読めないファイル) {
    ScratchFolder dir;
    EXPECT_EQ(読込_環境設定(dir.path / kSettingsFileName).status, SettingsReadStatus::CannotRead);
    fs::create_directory(dir.path / "folder.ini");
    EXPECT_EQ(読込_環境設定(dir.path / "folder.ini").status, SettingsReadStatus::CannotRead);
    // An empty file reads fine and sets nothing.
    std::ofstream(dir.path / "empty.ini").close();
    const SettingsReadResult r = 読込_環境設定(dir.path / "empty.ini");
    EXPECT_EQ(r.status, SettingsReadStatus::Ok);
    EXPECT_TRUE(r.settings.empty());
}

TEST(Settings, 書けないときは失敗を返す) {
    ScratchFolder dir;
    EXPECT_EQ(書込_既定の環境設定(dir.path / "missing" / kSettingsFileName), SettingsWriteStatus::CannotWrite);
    EXPECT_FALSE(環境設定書込メッセージ(SettingsWriteStatus::CannotWrite).empty());

    const fs::path file = dir.path / kSettingsFileName;
    ASSERT_EQ(書込_既定の環境設定(file), SettingsWriteStatus::Ok);
    EXPECT_EQ(slurp(file), 作成_環境設定(kDefaultSettings));
    fs::permissions(dir.path, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                  fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    if (std::ofstream(dir.path / "probe").is_open())
        GTEST_SKIP() << "running with rights that ignore a read-only folder";
    EXPECT_EQ(書込_環境設定({3, true, false, false}, file), SettingsWriteStatus::CannotWrite);
    EXPECT_EQ(slurp(file), 作成_環境設定(kDefaultSettings));  // the earlier file untouched
}

// Outside engines: one line each, name, command and options separated by
// tabs, and the one chosen as the opponent; a file without them is as before.
TEST(Settings, 外部エンジン) {
    SettingsValues v;
    v.engines = {{"Fairy", "/opt/fsf/fairy-stockfish", {"VariantPath=/home/a b/v.ini", "USI_Variant=rookpawnshogi"}},
                 {"自作", "bash run.sh | tee log", {}},
                 {"タブ\t入り", "x", {}}};
    v.opponentEngine = "自作";
    const std::string text = 作成_環境設定(v);
    EXPECT_EQ(
        text.substr(作成_環境設定(kDefaultSettings).size()),
        sjis("エンジン=Fairy\t/opt/fsf/fairy-stockfish\tVariantPath=/home/a b/v.ini\tUSI_Variant=rookpawnshogi\r\n"
             "エンジン=自作\tbash run.sh | tee log\r\n対局相手=自作\r\n"));
    std::vector<Setting> read = 解析_環境設定(text);
    ASSERT_EQ(read.size(), 7u);
    EXPECT_EQ(read[4].key, SettingKey::Engine);
    EXPECT_EQ(read[4].engine, v.engines[0]);
    EXPECT_EQ(read[5].engine, v.engines[1]);
    EXPECT_EQ(read[6].key, SettingKey::OpponentEngine);
    EXPECT_EQ(read[6].text, "自作");
    // A name without a command, or an empty choice, is no setting.
    EXPECT_TRUE(解析_環境設定(sjis("エンジン=名前だけ\r\nエンジン=\tcmd\r\n対局相手=\r\n")).empty());
}
