// Fuzz target: any lines given to the USI session are answered with whole
// lines and never a crash. Every go is followed by stop, so that no search
// outlives its input.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "tools/engine/usi_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    xantu::engine::UsiSession::Config config;
    config.maxHashMegabytes = 1;
    xantu::engine::UsiSession session(
        [](const std::string& line) {
            if (line.empty() || line.find('\n') != std::string::npos) __builtin_trap();
        },
        config);
    std::size_t at = 0;
    while (at < bytes.size()) {
        std::size_t end = bytes.find('\n', at);
        if (end == std::string_view::npos) end = bytes.size();
        const std::string_view line = bytes.substr(at, end - at);
        at = end + 1;
        if (!session.handle(line)) break;
        if (line.find("go") != std::string_view::npos) session.handle("stop");
    }
    return 0;
}
