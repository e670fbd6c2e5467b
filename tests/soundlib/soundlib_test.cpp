// The real sound library, loaded the way the game loads it. SDL's disk
// driver writes the mixed output (S16LE, stereo, 44.1 kHz, in real time) to a
// file, so what was heard can be checked. The tests wait for the output to
// grow by a given length, not for a fixed time, so a busy machine only slows
// them down; ctest runs them on their own (RUN_SERIAL).
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "sound/sound_library_dl.h"
#include "sound/sound_module.h"

using namespace xantu;
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBytesPerSecond = 44100 * 4;

std::vector<std::uint8_t> readBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> sound(const std::string& name) { return readBytes(fs::path(XANTU_SOUNDS_DIR) / name); }

// Non-zero 16-bit samples among bytes [from, to) of the output.
std::size_t loudSamples(const std::vector<std::uint8_t>& pcm, std::size_t from, std::size_t to) {
    std::size_t n = 0;
    for (std::size_t i = from & ~std::size_t{1}; i + 1 < to && i + 1 < pcm.size(); i += 2)
        if (pcm[i] != 0 || pcm[i + 1] != 0) ++n;
    return n;
}

class DiskAudio : public ::testing::Test {
protected:
    void SetUp() override {
        out_ = fs::temp_directory_path() / ("xantu_disk_audio_" + std::to_string(::getpid()) + ".raw");
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", out_.c_str(), 1);
    }
    void TearDown() override {
        fs::remove(out_);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
    std::size_t written() const {
        std::error_code ec;
        const auto size = fs::file_size(out_, ec);
        return ec ? 0 : static_cast<std::size_t>(size);
    }
    std::vector<std::uint8_t> output() const { return readBytes(out_); }
    // Waits until `seconds` more of output have been written (at most 20 s,
    // which only a stalled driver reaches); returns the length written.
    std::size_t playFor(double seconds) {
        const std::size_t target = written() + static_cast<std::size_t>(seconds * kBytesPerSecond);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (written() < target && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return written();
    }

    SoundLibraryDl lib{XANTU_SOUNDLIB_DIR};
    fs::path out_;
};

}  // namespace

TEST_F(DiskAudio, PieceSoundIsHeardAfterItsImageIsGone) {
    ASSERT_TRUE(lib.available()) << lib.loadError();
    const std::int32_t device = lib.dsInitialize(0);
    ASSERT_NE(device, 0);
    std::vector<std::uint8_t> wav = sound("駒打音.wav");
    const std::int32_t piece = lib.dsCreateDSB(device, wav.data(), 3);
    ASSERT_NE(piece, 0);
    wav.assign(wav.size(), 0);  // the library must have taken its own copy

    lib.dsPlay(piece);
    playFor(0.4);
    lib.dsFree(piece);
    lib.dsTerminate(device);

    const std::vector<std::uint8_t> pcm = output();
    ASSERT_GT(pcm.size(), kBytesPerSecond / 10);
    // The knock lasts 0.14 s: most of its samples are non-zero.
    EXPECT_GT(loudSamples(pcm, 0, pcm.size()), 4000u);
}

TEST_F(DiskAudio, LoopingRepeatsAndStopSilencesOnlyItsOwnBuffer) {
    ASSERT_TRUE(lib.available()) << lib.loadError();
    const std::int32_t device = lib.dsInitialize(0);
    ASSERT_NE(device, 0);
    const std::vector<std::uint8_t> pieceWav = sound("駒打音.wav");
    const std::vector<std::uint8_t> bgmWav = sound("BGM.wav");
    const std::int32_t piece = lib.dsCreateDSB(device, pieceWav.data(), 3);
    const std::int32_t bgm = lib.dsCreateDSB(device, bgmWav.data(), 1);
    ASSERT_NE(piece, 0);
    ASSERT_NE(bgm, 0);
    ASSERT_NE(piece, bgm);
    const std::size_t tenth = kBytesPerSecond / 10;

    // Played once, the knock would be over long before 0.35 s.
    lib.dsPlayLooping(piece);
    const std::size_t a = playFor(0.45);
    // Music starts under the knock; stopping the knock leaves the music on.
    lib.dsPlayLooping(bgm);
    lib.dsStop(piece);
    const std::size_t b = playFor(0.3);
    lib.dsStop(bgm);
    playFor(0.3);
    lib.dsTerminate(device);

    const std::vector<std::uint8_t> pcm = output();
    ASSERT_GT(a, tenth);
    ASSERT_GT(b, a + tenth);
    ASSERT_GT(pcm.size(), b + tenth);
    EXPECT_GT(loudSamples(pcm, a - tenth, a), 100u) << "looping buffer went quiet";
    EXPECT_GT(loudSamples(pcm, b - tenth, b), 100u) << "music stopped with the knock";
    EXPECT_EQ(loudSamples(pcm, pcm.size() - tenth, pcm.size()), 0u) << "music still playing after dsStop";
}

TEST(SoundLibraryLoader, MissingLibraryIsASilentDeviceThatCannotOpen) {
    SoundLibraryDl lib("/nonexistent-folder");
    EXPECT_FALSE(lib.available());
    const std::string why = lib.loadError();
    EXPECT_FALSE(why.empty());
    const std::uint8_t wav[16] = {'R', 'I', 'F', 'F', 8, 0, 0, 0, 'W', 'A', 'V', 'E'};
    EXPECT_EQ(lib.dsInitialize(1), 0);
    EXPECT_EQ(lib.dsCreateDSB(1, wav, 3), 0);
    // The other five return without reaching a function that is not there,
    // and neither load again nor make the device usable.
    lib.dsPlay(1);
    lib.dsPlayLooping(1);
    lib.dsStop(1);
    lib.dsFree(1);
    lib.dsTerminate(1);
    EXPECT_FALSE(lib.available());
    EXPECT_EQ(lib.loadError(), why);
    EXPECT_EQ(lib.dsInitialize(1), 0);
    EXPECT_EQ(lib.dsCreateDSB(1, wav, 3), 0);
}

TEST(SoundLibraryLoader, LibraryWithoutTheFunctionsIsNotUsed) {
    // The C library is surely there, and has none of the seven functions.
    Dl_info info{};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(&::getpid), &info), 0);
    const fs::path libc = info.dli_fname;
    SoundLibraryDl lib(libc.parent_path().string(), libc.filename().string());
    EXPECT_FALSE(lib.available());
    EXPECT_NE(lib.loadError().find("dsInitialize"), std::string::npos) << lib.loadError();
    EXPECT_EQ(lib.dsInitialize(1), 0);
}

TEST(SoundLibraryLoader, ModuleLoadsTheFourSoundsOnTheDummyDriver) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    class NoDialogs : public Dialogs {
    public:
        int shown = 0;
        int messageBox(const std::string&, const std::string&, MsgButtons, bool) override { return ++shown, kMsgOk; }
    } dialogs;
    SoundLibraryDl lib(XANTU_SOUNDLIB_DIR);
    SoundModule module(lib, dialogs, {XANTU_SOUNDS_DIR});
    module.soundOpen(0);
    ASSERT_NE(module.soundDevice, 0);
    const std::int32_t handles[] = {module.soundLoad("その他.wav", 3), module.soundLoad("禁止.wav", 3),
                                    module.soundLoad("駒打音.wav", 3), module.soundLoad("BGM.wav", 1)};
    for (std::int32_t h : handles) EXPECT_NE(h, 0);
    EXPECT_EQ(dialogs.shown, 0);
    lib.dsPlayLooping(handles[3]);
    lib.dsPlay(handles[2]);
    lib.dsStop(handles[3]);
    for (std::int32_t h : handles) lib.dsFree(h);
    lib.dsPlay(handles[2]);  // freed: nothing happens
    module.soundClose();
    EXPECT_EQ(module.soundDevice, 0);
}
