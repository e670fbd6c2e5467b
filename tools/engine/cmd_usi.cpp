// usi: speaks the USI protocol on standard input and output until `quit` or
// the end of the input.
#include <iostream>
#include <string>

#include "tools/engine/commands.h"
#include "tools/engine/usi_session.h"

namespace xantu::engine {

int commandUsi(const Args& args) {
    if (!args.empty()) {
        std::cerr << "xantu-engine: usi: 引数は要りません\n";
        return kExitBadInput;
    }
    std::ios::sync_with_stdio(false);
    // Untied: reading a line would otherwise flush std::cout from this thread
    // while the search thread writes to it.
    std::cin.tie(nullptr);
    UsiSession session([](const std::string& line) { std::cout << line << '\n' << std::flush; });
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!session.handle(line)) return 0;
    }
    session.finish();
    return 0;
}

}  // namespace xantu::engine
