#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "sound/sound_library_dl.h"
#include "sound/sound_module.h"
#include "test_support.h"

using namespace xantu;
namespace fs = std::filesystem;

namespace {

struct Box {
    std::string text, title;
    bool exclamation;
};

class RecordingDialogs : public Dialogs {
public:
    std::vector<Box> boxes;
    int messageBox(const std::string& text, const std::string& title, MsgButtons, bool exclamation) override {
        boxes.push_back({text, title, exclamation});
        return kMsgOk;
    }
};

// Hands out device 7 (or 0) and buffer handles 100, 101, ...; keeps the
// images it was given.
class FakeLibrary : public SoundLibrary {
public:
    std::int32_t device = 7;
    std::vector<std::vector<std::uint8_t>> images;
    std::vector<std::int32_t> flags;
    std::vector<std::int32_t> terminated;

    std::int32_t dsInitialize(std::intptr_t) override { return device; }
    std::int32_t dsCreateDSB(std::int32_t dev, const std::uint8_t* wav, std::int32_t flag) override {
        EXPECT_EQ(dev, device);
        const std::uint32_t length = (wav[4] | wav[5] << 8 | wav[6] << 16 | wav[7] << 24) + 8u;
        images.emplace_back(wav, wav + length);
        flags.push_back(flag);
        return 99 + static_cast<std::int32_t>(images.size());
    }
    void dsPlay(std::int32_t) override {}
    void dsPlayLooping(std::int32_t) override {}
    void dsStop(std::int32_t) override {}
    void dsFree(std::int32_t) override {}
    void dsTerminate(std::int32_t dev) override { terminated.push_back(dev); }
};

std::vector<std::uint8_t> riffImage(std::uint8_t marker) {
    std::vector<std::uint8_t> b = {'R', 'I', 'F', 'F', 8, 0, 0, 0, 'W', 'A', 'V', 'E', 0, 0, marker, 0};
    return b;
}

void writeFile(const fs::path& p, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(p, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Runs each test in a fresh scratch folder as the current folder, with one
// asset folder beside it.
class SoundModuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        oldCwd_ = fs::current_path();
        root_ = fs::temp_directory_path() / ("xantu_sound_module_" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "cwd");
        fs::create_directories(root_ / "assets");
        fs::current_path(root_ / "cwd");
    }
    void TearDown() override {
        fs::current_path(oldCwd_);
        fs::remove_all(root_);
    }
    std::string assets() const { return (root_ / "assets").string(); }

    FakeLibrary library;
    RecordingDialogs dialogs;

private:
    fs::path oldCwd_, root_;
};

}  // namespace

TEST_F(SoundModuleTest, FailedOpenWarnsOnceAndLoadsNothing) {
    library.device = 0;
    writeFile("駒打音.wav", riffImage(1));
    SoundModule m(library, dialogs, {assets()});
    m.soundOpen(42);
    m.soundOpen(42);
    EXPECT_EQ(m.soundDevice, 0);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "Direct Soundインターフェースが作成できません。");
    EXPECT_EQ(dialogs.boxes[0].title, "Xantuペカナ将棋.dll");
    EXPECT_TRUE(dialogs.boxes[0].exclamation);

    EXPECT_EQ(m.soundLoad("駒打音.wav", 3), 0);
    EXPECT_TRUE(library.images.empty());
    m.soundClose();
    EXPECT_TRUE(library.terminated.empty());
}

TEST_F(SoundModuleTest, LoadsFromCurrentFolderBeforeAssetFolders) {
    writeFile("駒打音.wav", riffImage(1));
    writeFile(fs::path(assets()) / "駒打音.wav", riffImage(2));
    writeFile(fs::path(assets()) / "BGM.wav", riffImage(3));
    SoundModule m(library, dialogs, {(fs::path(assets()) / "nowhere").string(), assets()});
    m.soundOpen(0);
    EXPECT_EQ(m.soundDevice, 7);
    EXPECT_TRUE(dialogs.boxes.empty());

    EXPECT_EQ(m.soundLoad("駒打音.wav", 3), 100);
    EXPECT_EQ(m.soundLoad("BGM.wav", 1), 101);
    EXPECT_EQ(m.soundLoad("その他.wav", 3), 0);  // nowhere: silently no sound
    ASSERT_EQ(library.images.size(), 2u);
    EXPECT_EQ(library.images[0], riffImage(1));
    EXPECT_EQ(library.images[1], riffImage(3));
    EXPECT_EQ(library.flags, (std::vector<std::int32_t>{3, 1}));
    EXPECT_TRUE(dialogs.boxes.empty());

    m.soundClose();
    m.soundClose();
    EXPECT_EQ(library.terminated, std::vector<std::int32_t>{7});
}

TEST_F(SoundModuleTest, UnreadableFileWarnsWithTheReason) {
    fs::create_directory("禁止.wav");  // exists, but cannot be read as a file
    SoundModule m(library, dialogs);
    m.soundOpen(0);
    EXPECT_EQ(m.soundLoad("禁止.wav", 3), 0);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_NE(dialogs.boxes[0].text.find("禁止.wav"), std::string::npos);
    EXPECT_EQ(dialogs.boxes[0].title, "Xantuペカナ将棋.dll");
    EXPECT_TRUE(library.images.empty());
}

TEST_F(SoundModuleTest, TruncatedOrForeignFileNeverReachesTheLibrary) {
    std::vector<std::uint8_t> cut = riffImage(1);
    cut[4] = 200;  // header claims more bytes than the file holds
    writeFile("cut.wav", cut);
    writeFile("text.wav", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!'});
    writeFile("empty.wav", {});
    SoundModule m(library, dialogs);
    m.soundOpen(0);
    EXPECT_EQ(m.soundLoad("cut.wav", 3), 0);
    EXPECT_EQ(m.soundLoad("text.wav", 3), 0);
    EXPECT_EQ(m.soundLoad("empty.wav", 3), 0);
    EXPECT_TRUE(library.images.empty());
    EXPECT_TRUE(dialogs.boxes.empty());
}

// A FIFO where the library should be would block dlopen for ever: it is
// taken for a library that does not load, and start-up goes on silent.
TEST(SoundLibraryLoader, AFifoInPlaceOfTheLibraryIsNotOpened) {
    xantu::testing::ScratchFolder folder;
    ASSERT_EQ(::mkfifo((folder.path / kSoundLibraryFileName).c_str(), 0600), 0);
    SoundLibraryDl lib(folder.path.string());
    EXPECT_EQ(lib.dsInitialize(0), 0);
    EXPECT_FALSE(lib.available());
    EXPECT_NE(lib.loadError().find("not a regular file"), std::string::npos) << lib.loadError();
}
