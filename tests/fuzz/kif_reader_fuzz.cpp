// Fuzz target: any bytes given to the KIF reader give a game or a refusal,
// never a crash; a game that reads writes back as KIF that reads to the same
// tree: every line and variation, every move and comment in its place.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "record/kif_reader.h"
#include "record/kif_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const xantu::RecordRead r = xantu::解析_KIF(bytes);
    if (!r.ok()) {
        if (r.game.nodes.size() != 1) __builtin_trap();
        return 0;
    }
    const xantu::RecordRead r2 = xantu::解析_KIF(xantu::作成_KIF(r.game));
    if (!r2.ok() || r2.game.nodes.size() != r.game.nodes.size()) __builtin_trap();
    if (r2.game.firstMover != r.game.firstMover) __builtin_trap();
    for (std::size_t i = 0; i < r.game.nodes.size(); ++i) {
        const xantu::RecordNode& a = r.game.nodes[i];
        const xantu::RecordNode& b = r2.game.nodes[i];
        if (a.move != b.move || a.parent != b.parent || a.children != b.children || a.comments != b.comments)
            __builtin_trap();
    }
    return 0;
}
