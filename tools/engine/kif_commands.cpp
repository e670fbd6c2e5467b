// kif RECORD.棋譜: the record as KIF (UTF-8) on stdout.
// sfen FILE.kif: every Position of a KIF game as SFEN, one per line, from
// the start to the end, each with the side to move and its move number.
#include <cstdio>
#include <iostream>
#include <string>

#include "core/sfen.h"
#include "record/kif_reader.h"
#include "record/kif_writer.h"
#include "record/record_file.h"
#include "tools/engine/commands.h"

namespace xantu::engine {

int commandKif(const Args& args) {
    if (args.size() != 1) {
        std::cerr << "xantu-engine: kif takes one record file (kif RECORD.棋譜)\n";
        return kExitBadInput;
    }
    const RecordReadResult record = 読込_棋譜(args[0]);
    if (record.status != RecordReadStatus::Ok) {
        std::cerr << "xantu-engine: " << args[0] << ": " << 棋譜読込メッセージ(record.status) << '\n';
        return kExitBadInput;
    }
    KifGame game = 作成_KIF対局(record.list, std::nullopt, 0);
    // The record's second line is the upper side's player, the third the lower's.
    const bool lowerIsSente = !game.senteIsUpper;
    game.event = record.headers[0];
    game.senteName = lowerIsSente ? record.headers[2] : record.headers[1];
    game.goteName = lowerIsSente ? record.headers[1] : record.headers[2];
    const KifText kif = 作成_KIF(game);
    if (!kif.ok) {
        std::cerr << "xantu-engine: " << args[0] << ": move " << kif.badMove << " is not one move of the game\n";
        return kExitBadInput;
    }
    std::cout << kif.text;
    return 0;
}

int commandSfen(const Args& args) {
    if (args.size() != 1) {
        std::cerr << "xantu-engine: sfen takes one KIF file (sfen FILE.kif)\n";
        return kExitBadInput;
    }
    const KifReadResult kif = 読込_KIF(args[0]);
    if (!kif.ok) {
        std::cerr << "xantu-engine: " << args[0] << ": " << kif.message << '\n';
        return kExitBadInput;
    }
    for (int i = 0; i <= kif.moveCount; ++i) {
        Position p;
        局面復元(kif.list, i, p);
        const int order = i % 2 == 0 ? kif.firstMover : -kif.firstMover;
        std::string s = toSfen(p, order == kSente ? Side::Lower : Side::Upper);
        s.resize(s.size() - 1);  // the move number
        std::cout << s << i + 1 << '\n';
    }
    return 0;
}

}  // namespace xantu::engine
