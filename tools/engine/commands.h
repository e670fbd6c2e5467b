#pragma once
// The commands of xantu-engine. Each takes the words after its name and
// returns the exit status. To add a command: declare it here, define it in a
// file of its own in this folder and list it in the table in main.cpp.
#include <string>
#include <vector>

#include "core/move.h"
#include "record/game_record.h"

namespace xantu::engine {

using Args = std::vector<std::string>;

// Exit status for bad input (usage errors, malformed positions).
inline constexpr int kExitBadInput = 2;

int commandMoves(const Args& args);       // moves SFEN
int commandSurvey(const Args& args);      // survey SFEN
int commandThink(const Args& args);       // think [--level N] [--trace] [--terms] SFEN
int commandBench(const Args& args);       // bench [--level N]
int commandGo(const Args& args);          // go [--depth N] [--nodes N] [--movetime MS] SFEN
int commandPerft(const Args& args);       // perft SFEN DEPTH [divide]
int commandMate(const Args& args);        // mate [--movetime MS] SFEN
int commandSelfplay(const Args& args);    // selfplay [--level N] [--games G] [--seed S] [--positions]
int commandKif(const Args& args);         // kif [--encoding cp932|utf8] FILE
int commandSfen(const Args& args);        // sfen FILE.kif|FILE.csa
int commandUsi(const Args& args);         // usi
int commandMatch(const Args& args);       // match --engine1 CMD --engine2 CMD …
int commandResumeInfo(const Args& args);  // resume-info FILE
int commandAnalyse(const Args& args);     // analyse [--movetime MS|--depth N] [--threads N] [--json|--kif] FILE

// A game from a record (.棋譜), KIF/KIFU or CSA file, told by its ending; on
// failure says why on stderr and returns false.
bool readGameFile(const std::string& file, GameRecord& game);

// A move as the columns of `moves` and `think` print it: "FX FY TX TY CODE",
// where a drop names the hand's pseudo-column (11 lower, -1 upper) and its
// hand kind 1..7 as FX FY.
std::string moveColumns(const Move& m);

// The text of --help: every command, its options and its output columns.
extern const char* const kHelpText;

}  // namespace xantu::engine
