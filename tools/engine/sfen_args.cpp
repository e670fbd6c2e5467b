#include "tools/engine/sfen_args.h"

#include <iostream>

namespace xantu::engine {

SfenResult parsePositionText(std::string_view text) {
    return parseSfen(text == "startpos" ? std::string_view(kStartSfen) : text);
}

std::optional<SfenResult> readSfenArgs(const Args& words) {
    std::string joined;
    for (const std::string& w : words) {
        if (!joined.empty()) joined += ' ';
        joined += w;
    }
    SfenResult r = parsePositionText(joined);
    if (!r.ok) {
        std::cerr << "xantu-engine: " << r.error << '\n';
        return std::nullopt;
    }
    return r;
}

}  // namespace xantu::engine
