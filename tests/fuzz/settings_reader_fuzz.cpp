// Fuzz target: any bytes given to the settings reader give a list of
// recognised settings, never a crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "options/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const xantu::Setting& s : xantu::解析_環境設定(bytes))
        if (s.key == xantu::SettingKey::Theme && xantu::背景画の名前(s.theme).empty()) __builtin_trap();
    return 0;
}
