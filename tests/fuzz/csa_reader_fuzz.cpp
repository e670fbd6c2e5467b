// Fuzz target: any bytes given to the CSA reader give a game or a refusal,
// never a crash; a game that reads writes back as CSA that reads to the same
// Positions.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "record/csa_reader.h"
#include "record/csa_writer.h"
#include "record/game_builder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const xantu::KifReadResult r = xantu::解析_CSA(bytes);
    if (!r.ok) {
        if (r.message.empty() || !r.list.entries.empty()) __builtin_trap();
        return 0;
    }
    const xantu::CsaText again = xantu::作成_CSA(xantu::作成_読込対局(r));
    if (!again.ok) __builtin_trap();
    const xantu::KifReadResult r2 = xantu::解析_CSA(again.text);
    if (!r2.ok || r2.moveCount != r.moveCount || r2.firstMover != r.firstMover) __builtin_trap();
    for (int k = 0; k <= r.moveCount; ++k) {
        const auto& a = r.list.entries[static_cast<std::size_t>(k)];
        const auto& b = r2.list.entries[static_cast<std::size_t>(k)];
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (a.board[x][y] != b.board[x][y]) __builtin_trap();
        for (int kind = 1; kind <= 7; ++kind)
            if (a.ownHand[kind] != b.ownHand[kind] || a.enemyHand[kind] != b.enemyHand[kind]) __builtin_trap();
    }
    return 0;
}
