// perft SFEN DEPTH [divide]: the number of move sequences of DEPTH plies from
// the position, counted with the LEVEL4 move generator. A captured king ends
// the game, so a position without both kings has no moves. With divide, one
// line per first move (`USI COUNT`, in generation order) comes before the total.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

#include "search/movegen.h"
#include "tools/engine/commands.h"
#include "tools/engine/sfen_args.h"

namespace xantu::engine {

namespace {

using search::Board;
using search::MoveBuffer;

std::uint64_t perft(Board& b, MoveBuffer* lists, int depth) {
    if (b.king[0] == 0 || b.king[1] == 0) return 0;
    MoveBuffer& list = lists[0];
    search::generateAll(b, list);
    if (depth == 1) return static_cast<std::uint64_t>(list.size);
    std::uint64_t n = 0;
    for (int i = 0; i < list.size; ++i) {
        b.make(list.moves[i]);
        n += perft(b, lists + 1, depth - 1);
        b.unmake(list.moves[i]);
    }
    return n;
}

}  // namespace

int commandPerft(const Args& args) {
    Args words = args;
    bool divide = false;
    if (!words.empty() && words.back() == "divide") {
        divide = true;
        words.pop_back();
    }
    int depth = -1;
    if (!words.empty()) {
        const std::string& d = words.back();
        if (!d.empty() && d.size() <= 2 && d.find_first_not_of("0123456789") == std::string::npos) depth = std::stoi(d);
        words.pop_back();
    }
    if (depth < 1 || depth > 12) {
        std::fprintf(stderr, "xantu-engine: perft: usage: perft SFEN DEPTH [divide] (DEPTH 1..12)\n");
        return kExitBadInput;
    }
    const std::optional<SfenResult> r = readSfenArgs(words);
    if (!r) return kExitBadInput;
    static Board board;
    static MoveBuffer lists[16];
    board.set(r->position, r->side);
    const auto t0 = std::chrono::steady_clock::now();
    std::uint64_t total = 0;
    if (!divide) {
        total = perft(board, lists, depth);
    } else if (board.king[0] != 0 && board.king[1] != 0) {
        search::generateAll(board, lists[0]);
        for (int i = 0; i < lists[0].size; ++i) {
            const search::Move m = lists[0].moves[i];
            board.make(m);
            const std::uint64_t n = depth == 1 ? 1 : perft(board, lists + 1, depth - 1);
            board.unmake(m);
            std::printf("%s %llu\n", board.usi(m).c_str(), static_cast<unsigned long long>(n));
            total += n;
        }
    }
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("nodes: %llu\n", static_cast<unsigned long long>(total));
    std::fprintf(stderr, "time_ms: %.0f nps: %.0f\n", s * 1000, s > 0 ? static_cast<double>(total) / s : 0.0);
    return 0;
}

}  // namespace xantu::engine
