#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "core/cp932.h"
#include "test_support.h"

using namespace xantu;
using namespace xantu::testing;
namespace fs = std::filesystem;

TEST(CharacterCodes, 往復変換) {
    // Texts the program writes or users type: full-width, half-width kana,
    // and characters plain SHIFT_JIS refuses.
    for (const char* text : {"背景画=ペカナ", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人", "ＭＳ Ｐ明朝", "～－∥①髙", "BGM=OFF", ""}) {
        const auto encoded = utf8ToCp932(text);
        ASSERT_TRUE(encoded) << text;
        const auto decoded = cp932ToUtf8(*encoded);
        ASSERT_TRUE(decoded) << text;
        EXPECT_EQ(*decoded, text);
    }
    EXPECT_EQ(*utf8ToCp932("背景画=ペカナ"), "\x94\x77\x8c\x69\x89\xe6=\x83\x79\x83\x4a\x83\x69");
    EXPECT_EQ(*utf8ToCp932("ﾊﾝ"), "\xca\xdd");  // half-width kana are one byte
    EXPECT_EQ(*utf8ToCp932("～"), "\x81\x60");
}

TEST(CharacterCodes, 変換できない文字は失敗) {
    EXPECT_FALSE(utf8ToCp932("王😀"));  // no CP932 form
    EXPECT_FALSE(canEncodeCp932("¦"));
    EXPECT_FALSE(
        utf8ToCp932("a\xff"
                    "b"));                      // not UTF-8
    EXPECT_FALSE(utf8ToCp932("\xe7\x8e"));      // UTF-8 cut off
    EXPECT_FALSE(cp932ToUtf8("\x89\xe6\x81"));  // lead byte cut off
    EXPECT_FALSE(cp932ToUtf8("\x80"));
    EXPECT_TRUE(canEncodeCp932("対局 名人"));
}

TEST(CharacterCodes, 文字数と行分割) {
    EXPECT_EQ(utf8Length(""), 0u);
    EXPECT_EQ(utf8Length("abc"), 3u);
    EXPECT_EQ(utf8Length("ＣＯＭ対局ﾊﾝ"), 7u);

    using V = std::vector<std::string_view>;
    EXPECT_EQ(splitLines(""), V{});
    EXPECT_EQ(splitLines("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(splitLines("a\r\nb"), (V{"a", "b"}));
    EXPECT_EQ(splitLines("a\nb\n"), (V{"a", "b"}));
    EXPECT_EQ(splitLines("\r\n\r\nx"), (V{"", "", "x"}));
    EXPECT_EQ(splitLines("a\r\r\n"), (V{"a\r"}));  // only the CR of the line end goes
}

TEST(TextFile, 読込の失敗) {
    ScratchFolder dir;
    EXPECT_EQ(readWholeFile(dir.path / "none", 100).status, FileReadStatus::NotFound);
    EXPECT_EQ(readWholeFile(dir.path, 100).status, FileReadStatus::CannotRead);
    std::ofstream(dir.path / "ten", std::ios::binary) << "0123456789";
    EXPECT_EQ(readWholeFile(dir.path / "ten", 9).status, FileReadStatus::TooLarge);
    const FileReadResult ok = readWholeFile(dir.path / "ten", 10);
    EXPECT_EQ(ok.status, FileReadStatus::Ok);
    EXPECT_EQ(ok.bytes, "0123456789");
}

TEST(TextFile, 書込は全体を置き換える) {
    ScratchFolder dir;
    const fs::path file = dir.path / "設定.ini";
    ASSERT_TRUE(writeWholeFile(file, "first, a longer content\r\n"));
    ASSERT_TRUE(writeWholeFile(file, "second\r\n"));
    EXPECT_EQ(slurp(file), "second\r\n");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"設定.ini"});  // no temporary file left
}

// A write killed between its two renames leaves the previous name and the
// file as one; the next write still leaves just the two names.
TEST(TextFile, 前の版は途中で切れた書込の後も二つの名前だけ) {
    ScratchFolder dir;
    const fs::path file = dir.path / "a.resume", prev = dir.path / "a.resume.prev";
    ASSERT_FALSE(replaceWholeFile(file, "one\n", prev));
    fs::create_hard_link(file, prev);
    ASSERT_FALSE(replaceWholeFile(file, "two\n", prev));
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"a.resume", "a.resume.prev"}));
    EXPECT_EQ(slurp(prev), "one\n");
    EXPECT_EQ(slurp(file), "two\n");
}

TEST(TextFile, 書込の失敗は何も残さない) {
    ScratchFolder dir;
    EXPECT_FALSE(writeWholeFile(dir.path / "missing" / "a.txt", "x"));
    // A folder standing where the file should go: the write fails and the
    // temporary file is removed again.
    fs::create_directory(dir.path / "taken");
    EXPECT_FALSE(writeWholeFile(dir.path / "taken", "x"));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"taken"});
    EXPECT_TRUE(fs::is_directory(dir.path / "taken"));
}
