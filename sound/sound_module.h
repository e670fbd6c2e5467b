#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "text/wording.h"

namespace xantu {

// Module1: opening, loading and closing of sounds over the sound library.
// The play calls themselves go straight to the library with a buffer handle.
class SoundModule {
public:
    // WAV files are looked for in the current folder, then in each of
    // `assetFolders` in order. The warnings speak through `translator`.
    SoundModule(SoundLibrary& library, Dialogs& dialogs, std::vector<std::string> assetFolders = {},
                const Translator& translator = sourceTexts());

    // Device handle; 0 means no sound.
    std::int32_t soundDevice = 0;

    // Opens the device; on failure warns (once) and leaves soundDevice 0.
    void soundOpen(std::intptr_t windowHandle);
    // Buffer handle of the WAV file, 0 without a device, for a missing or
    // unreadable file (the latter with a warning), or one the library refuses.
    std::int32_t soundLoad(const std::string& fileName, std::int32_t flag);
    // Closes the device if one is open.
    void soundClose();
    // Message box with the exclamation icon, under the sound warnings' title.
    void soundWarning(const std::string& text);

    // Where fileName would be loaded from, "" when it is nowhere.
    std::string findSound(const std::string& fileName) const;

private:
    SoundLibrary& library_;
    Dialogs& dialogs_;
    std::vector<std::string> assetFolders_;
    const Translator& translator_;
    bool openWarned_ = false;
};

}  // namespace xantu
