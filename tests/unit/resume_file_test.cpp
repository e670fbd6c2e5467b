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
    EXPECT_EQ(now.rfind("XantuResume " + std::to_string(kResumeVersion) + "\n", 0), 0u);
    EXPECT_LT(now.size(), kVersion1.size());  // the retired slots are gone
    const ResumeReadResult back = 解析_再開ファイル(now);
    ASSERT_EQ(back.status, ResumeReadStatus::Ok);
    EXPECT_EQ(作成_再開ファイル(back.state), now);
}

}  // namespace
