#pragma once
#include <cstdint>
#include <string>

#include "platform/platform.h"
#include "soundlib/ds_api.h"

namespace xantu {

// File name of the sound library; it lies in the program's own folder.
inline constexpr const char* kSoundLibraryFileName = "Xantuペカナ将棋.so";

// The sound library "Xantuペカナ将棋" loaded at run time, on its first call.
// When the file or any of its seven functions is missing, it behaves like a
// device that cannot be opened: dsInitialize answers 0 and every other call
// does nothing. Calls with a 0 handle never reach the library.
class SoundLibraryDl final : public SoundLibrary {
public:
    explicit SoundLibraryDl(std::string folder, std::string fileName = kSoundLibraryFileName);
    ~SoundLibraryDl() override;
    SoundLibraryDl(const SoundLibraryDl&) = delete;
    SoundLibraryDl& operator=(const SoundLibraryDl&) = delete;

    // Loads the library if that has not been tried yet; true when all seven functions were found.
    bool available();
    // Why the library could not be used ("" while it is usable or not yet tried).
    const std::string& loadError() const { return error_; }

    std::int32_t dsInitialize(std::intptr_t window) override;
    std::int32_t dsCreateDSB(std::int32_t device, const std::uint8_t* wav, std::int32_t flag) override;
    void dsPlay(std::int32_t buffer) override;
    void dsPlayLooping(std::int32_t buffer) override;
    void dsStop(std::int32_t buffer) override;
    void dsFree(std::int32_t buffer) override;
    void dsTerminate(std::int32_t device) override;

private:
    struct Entries {
        DsInitializeFn initialize = nullptr;
        DsCreateDsbFn createDsb = nullptr;
        DsPlayFn play = nullptr;
        DsPlayLoopingFn playLooping = nullptr;
        DsStopFn stop = nullptr;
        DsFreeFn free = nullptr;
        DsTerminateFn terminate = nullptr;
    };

    std::string path_;
    std::string error_;
    bool tried_ = false;
    void* handle_ = nullptr;
    Entries fn_;  // all set, or all null
};

}  // namespace xantu
