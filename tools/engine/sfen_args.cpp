#include "tools/engine/sfen_args.h"

#include <iostream>

namespace xantu::engine {

std::optional<SfenResult> readSfenArgs(const Args& words) {
    std::string joined;
    for (const std::string& w : words) {
        if (!joined.empty()) joined += ' ';
        joined += w;
    }
    SfenResult r = parseSfen(joined);
    if (!r.ok) {
        std::cerr << "xantu-engine: " << r.error << '\n';
        return std::nullopt;
    }
    return r;
}

}  // namespace xantu::engine
