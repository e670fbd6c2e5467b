// xantu-engine: the headless tool that runs the rules, the influence map and
// the computer player on a position given as text.
#include <cstring>
#include <iostream>

#include "tools/engine/commands.h"

namespace {

using xantu::engine::Args;

struct Command {
    const char* name;
    int (*run)(const Args&);
    const char* usage;
};

constexpr Command kCommands[] = {
    {"moves", xantu::engine::commandMoves, "moves SFEN"},
    {"survey", xantu::engine::commandSurvey, "survey SFEN"},
    {"think", xantu::engine::commandThink, "think [--level N] [--trace] [--terms] SFEN"},
    {"bench", xantu::engine::commandBench, "bench [--level 1..4]"},
    {"go", xantu::engine::commandGo, "go [--depth N] [--nodes N] [--movetime MS] SFEN"},
    {"perft", xantu::engine::commandPerft, "perft SFEN DEPTH [divide]"},
    {"mate", xantu::engine::commandMate, "mate [--movetime MS] SFEN"},
    {"selfplay", xantu::engine::commandSelfplay, "selfplay [--level N] [--games G] [--seed S] [--positions]"},
    {"resume-info", xantu::engine::commandResumeInfo, "resume-info FILE"},
    {"kif", xantu::engine::commandKif, "kif [--encoding cp932|utf8] FILE.棋譜|FILE.kif|FILE.kifu|FILE.csa"},
    {"sfen", xantu::engine::commandSfen, "sfen FILE.kif|FILE.kifu|FILE.csa"},
    {"analyse", xantu::engine::commandAnalyse, "analyse [--movetime MS|--depth N] [--threads N] [--json|--kif] FILE"},
    {"usi", xantu::engine::commandUsi, "usi"},
    {"match", xantu::engine::commandMatch,
     "match --engine1 CMD --engine2 CMD --openings FILE [--go ARGS] [--concurrency N] [--games-out FILE] …"},
};

int usage(const char* why) {
    std::cerr << "xantu-engine: " << why << "\nusage:";
    for (const Command& c : kCommands) std::cerr << "\n  xantu-engine " << c.usage;
    std::cerr << "\n  xantu-engine --help\n";
    return xantu::engine::kExitBadInput;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage("no command given");
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "help") == 0) {
        std::cout << xantu::engine::kHelpText << std::flush;
        return std::cout ? 0 : 1;
    }
    for (const Command& c : kCommands)
        if (std::strcmp(argv[1], c.name) == 0) {
            const Args args(argv + 2, argv + argc);
            const int status = c.run(args);
            std::cout.flush();
            return std::cout ? status : 1;
        }
    return usage((std::string("unknown command '") + argv[1] + "'").c_str());
}
