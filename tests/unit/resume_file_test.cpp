// The kept-game file: what another system, an older version of the program
// or a damaged disk may leave, and what the reader makes of it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "window/kept_game.h"

using namespace xantu;

namespace {

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A 27-move game kept by the first version of the file (with the slots that
// nothing read and no checksum line).
const std::string kVersion1 = slurp(XANTU_SOURCE_DIR "/tests/fuzz/corpus/resume/game.resume");

TEST(KeptGameFile, FirstVersionReadsAndWritesBackAsTheCurrentOne) {
    const ResumeReadResult v1 = 解析_再開ファイル(kVersion1);
    ASSERT_EQ(v1.status, ResumeReadStatus::Ok);
    EXPECT_EQ(v1.state.game.moveNumber, 27);
    EXPECT_FALSE(v1.state.clocks.control.timed());  // older files kept no time control
    const std::string now = 作成_再開ファイル(v1.state);
    EXPECT_EQ(now.rfind("XantuResume " + std::to_string(kResumeVersionBuiltIn) + "\n", 0), 0u);
    EXPECT_LT(now.size(), kVersion1.size());  // the retired slots are gone
    const ResumeReadResult back = 解析_再開ファイル(now);
    ASSERT_EQ(back.status, ResumeReadStatus::Ok);
    EXPECT_EQ(作成_再開ファイル(back.state), now);
}

}  // namespace

namespace {

// A game kept before an outside engine could be the opponent reads as its
// built-in level and is written back byte for byte; a game against an
// engine names it in a version an older program leaves alone as newer.
TEST(KeptGameFile, TheOpponentIsABuiltInLevelOrAnEngineByName) {
    const std::string kept = slurp(XANTU_SOURCE_DIR "/tests/data/pinned/level2-gote.resume");
    const ResumeReadResult old = 解析_再開ファイル(kept);
    ASSERT_EQ(old.status, ResumeReadStatus::Ok);
    EXPECT_EQ(old.state.game.opponent, Opponent::builtIn(2));
    EXPECT_EQ(作成_再開ファイル(old.state), kept);

    ResumeState vsEngine = old.state;
    vsEngine.game.opponent = Opponent::registered("外部 エンジン%", 2);
    const std::string named = 作成_再開ファイル(vsEngine);
    EXPECT_EQ(named.rfind("XantuResume 5\n", 0), 0u);
    const ResumeReadResult back = 解析_再開ファイル(named);
    ASSERT_EQ(back.status, ResumeReadStatus::Ok);
    EXPECT_EQ(back.state.game.opponent, vsEngine.game.opponent);
    EXPECT_EQ(作成_再開ファイル(back.state), named);
}

}  // namespace
