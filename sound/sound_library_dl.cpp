#include "sound/sound_library_dl.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <utility>

namespace xantu {
namespace {

template <typename Fn>
bool resolve(void* handle, const char* name, Fn& out, std::string& error) {
    out = reinterpret_cast<Fn>(dlsym(handle, name));
    if (out == nullptr && error.empty()) error = std::string("missing function ") + name;
    return out != nullptr;
}

}  // namespace

SoundLibraryDl::SoundLibraryDl(std::string folder, std::string fileName) {
    // dlopen searches the system's folders for a bare name, never the
    // current one: the path must name a folder.
    path_ = folder.empty() ? std::string(".") : std::move(folder);
    if (path_.back() != '/') path_.push_back('/');
    path_.append(fileName);
}

SoundLibraryDl::~SoundLibraryDl() {
    // Loaded with RTLD_NODELETE: the code stays mapped, so sanitizers and the
    // audio thread never see it vanish.
    if (handle_ != nullptr) dlclose(handle_);
}

bool SoundLibraryDl::available() {
    if (tried_) return fn_.initialize != nullptr;
    tried_ = true;
    // Only a regular file (or a link to one) is handed to dlopen: opening a
    // FIFO or a device by that name would block the start-up for ever.
    struct stat st {};
    if (::stat(path_.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        error_ = path_ + ": not a regular file";
        return false;
    }
    handle_ = dlopen(path_.c_str(), RTLD_NOW | RTLD_NODELETE);
    if (handle_ == nullptr) {
        const char* why = dlerror();
        error_ = why != nullptr ? why : "cannot load " + path_;
        return false;
    }
    Entries e;
    bool ok = resolve(handle_, "dsInitialize", e.initialize, error_);
    ok = resolve(handle_, "dsCreateDSB", e.createDsb, error_) && ok;
    ok = resolve(handle_, "dsPlay", e.play, error_) && ok;
    ok = resolve(handle_, "dsPlayLooping", e.playLooping, error_) && ok;
    ok = resolve(handle_, "dsStop", e.stop, error_) && ok;
    ok = resolve(handle_, "dsFree", e.free, error_) && ok;
    ok = resolve(handle_, "dsTerminate", e.terminate, error_) && ok;
    if (ok) fn_ = e;
    return ok;
}

std::int32_t SoundLibraryDl::dsInitialize(std::intptr_t window) {
    if (!available()) return 0;
    // The window handle is only passed on; the library does not use it.
    return fn_.initialize(static_cast<std::int32_t>(window));
}

std::int32_t SoundLibraryDl::dsCreateDSB(std::int32_t device, const std::uint8_t* wav, std::int32_t flag) {
    if (device == 0 || wav == nullptr || !available()) return 0;
    return fn_.createDsb(device, wav, flag);
}

void SoundLibraryDl::dsPlay(std::int32_t buffer) {
    if (buffer != 0 && available()) fn_.play(buffer);
}

void SoundLibraryDl::dsPlayLooping(std::int32_t buffer) {
    if (buffer != 0 && available()) fn_.playLooping(buffer);
}

void SoundLibraryDl::dsStop(std::int32_t buffer) {
    if (buffer != 0 && available()) fn_.stop(buffer);
}

void SoundLibraryDl::dsFree(std::int32_t buffer) {
    if (buffer != 0 && available()) fn_.free(buffer);
}

void SoundLibraryDl::dsTerminate(std::int32_t device) {
    if (device != 0 && available()) fn_.terminate(device);
}

}  // namespace xantu
