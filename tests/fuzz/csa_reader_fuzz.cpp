// Fuzz target: any bytes given to the CSA reader give a game or a refusal,
// never a crash; a game that reads writes back as CSA that reads to the same
// moves from the same start.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/sfen.h"
#include "record/csa_reader.h"
#include "record/csa_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const xantu::RecordRead r = xantu::解析_CSA(bytes);
    if (!r.ok()) {
        if (r.game.nodes.size() != 1) __builtin_trap();
        return 0;
    }
    const xantu::RecordRead r2 = xantu::解析_CSA(xantu::作成_CSA(r.game));
    if (!r2.ok() || r2.game.firstMover != r.game.firstMover) __builtin_trap();
    if (xantu::toSfen(r2.game.start, xantu::Side::Lower) != xantu::toSfen(r.game.start, xantu::Side::Lower))
        __builtin_trap();
    const std::vector<int> a = xantu::現在手順(r.game), b = xantu::現在手順(r2.game);
    if (a.size() != b.size()) __builtin_trap();
    for (std::size_t i = 1; i < a.size(); ++i)
        if (r.game.nodes[static_cast<std::size_t>(a[i])].move != r2.game.nodes[static_cast<std::size_t>(b[i])].move)
            __builtin_trap();
    return 0;
}
