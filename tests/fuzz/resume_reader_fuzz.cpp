// Fuzz target: any bytes given to the reader of the kept unfinished game are
// either refused or give a game that passes every check and writes back to
// the very same text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "window/kept_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const xantu::ResumeReadResult r = xantu::解析_再開ファイル(bytes);
    if (r.status != xantu::ResumeReadStatus::Ok) return 0;
    if (!r.state.position.ok() || !xantu::調査_再開可能(r.state.game)) __builtin_trap();
    const std::string again = xantu::作成_再開ファイル(r.state);
    if (xantu::解析_再開ファイル(again).status != xantu::ResumeReadStatus::Ok) __builtin_trap();
    return 0;
}
