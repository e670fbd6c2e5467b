#include "sound/sound_module.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

namespace xantu {
namespace {

namespace fs = std::filesystem;

// Reads the whole file; on failure returns false with the reason in `error`.
bool readWhole(const fs::path& path, std::vector<std::uint8_t>& bytes, std::string& error) {
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) {
        error = path.string() + ": " + ec.message();
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path.string() + ": " + std::strerror(errno);
        return false;
    }
    bytes.resize(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    if (in.gcount() != static_cast<std::streamsize>(size)) {
        error = path.string() + ": " + (errno != 0 ? std::strerror(errno) : "read error");
        return false;
    }
    return true;
}

// The library takes only the image's address and trusts the length in its
// RIFF header: hand it nothing that header would make it read beyond.
bool wholeRiffImage(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0) return false;
    const std::uint64_t declared = static_cast<std::uint64_t>(bytes[4]) | static_cast<std::uint64_t>(bytes[5]) << 8 |
                                   static_cast<std::uint64_t>(bytes[6]) << 16 |
                                   static_cast<std::uint64_t>(bytes[7]) << 24;
    return declared + 8 <= bytes.size();
}

}  // namespace

SoundModule::SoundModule(SoundLibrary& library, Dialogs& dialogs, std::vector<std::string> assetFolders,
                         const Translator& translator)
    : library_(library), dialogs_(dialogs), assetFolders_(std::move(assetFolders)), translator_(translator) {}

void SoundModule::soundOpen(std::intptr_t windowHandle) {
    soundDevice = library_.dsInitialize(windowHandle);
    if (soundDevice == 0 && !openWarned_) {
        openWarned_ = true;
        soundWarning(文言(translator_, Msg::SoundCannotOpen));
    }
}

std::string SoundModule::findSound(const std::string& fileName) const {
    std::error_code ec;
    if (fs::exists(fileName, ec)) return fileName;
    for (const std::string& folder : assetFolders_) {
        const fs::path candidate = fs::path(folder) / fileName;
        if (fs::exists(candidate, ec)) return candidate.string();
    }
    return "";
}

std::int32_t SoundModule::soundLoad(const std::string& fileName, std::int32_t flag) {
    if (soundDevice == 0) return 0;
    const std::string path = findSound(fileName);
    if (path.empty()) return 0;
    std::vector<std::uint8_t> image;
    std::string error;
    if (!readWhole(path, image, error)) {
        soundWarning(error);
        return 0;
    }
    if (!wholeRiffImage(image)) return 0;
    // The library copies what it needs: the image may go when this returns.
    return library_.dsCreateDSB(soundDevice, image.data(), flag);
}

void SoundModule::soundClose() {
    if (soundDevice != 0) library_.dsTerminate(soundDevice);
    soundDevice = 0;
}

void SoundModule::soundWarning(const std::string& text) {
    dialogs_.messageBox(text, 文言(translator_, Msg::SoundWarningTitle), MsgButtons::Ok, true);
}

}  // namespace xantu
