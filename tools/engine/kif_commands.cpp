// kif [--encoding cp932|utf8] FILE: a record (.棋譜), a KIF/KIFU or a CSA
// game as this program's KIF on stdout (UTF-8 unless CP932 is asked for).
// sfen FILE: every Position of a KIF/KIFU or CSA game as SFEN, one per line,
// from the start to the end, each with the side to move and its move number.
#include <cstdio>
#include <iostream>
#include <string>

#include "core/cp932.h"
#include "core/sfen.h"
#include "record/csa_reader.h"
#include "record/game_builder.h"
#include "record/kif_reader.h"
#include "record/kif_writer.h"
#include "record/record_file.h"
#include "tools/engine/commands.h"

namespace xantu::engine {

namespace {

bool endsWith(const std::string& name, std::string_view ending) {
    if (name.size() < ending.size()) return false;
    for (std::size_t i = 0; i < ending.size(); ++i) {
        const char c = name[name.size() - ending.size() + i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != ending[i]) return false;
    }
    return true;
}

// A KIF/KIFU or CSA game, told by the file's ending.
KifReadResult readGame(const std::string& file) { return endsWith(file, ".csa") ? 読込_CSA(file) : 読込_KIF(file); }

}  // namespace

bool readGameFile(const std::string& file, KifGame& game) {
    if (endsWith(file, kRecordExtension)) {
        const RecordReadResult record = 読込_棋譜(file);
        if (record.status != RecordReadStatus::Ok) {
            std::cerr << "xantu-engine: " << file << ": " << 棋譜読込メッセージ(record.status) << '\n';
            return false;
        }
        game = 作成_KIF対局(record.list, std::nullopt, 0);
        // The record's second line is the upper side's player, the third the lower's.
        const bool lowerIsSente = !game.senteIsUpper;
        game.event = record.headers[0];
        game.senteName = lowerIsSente ? record.headers[2] : record.headers[1];
        game.goteName = lowerIsSente ? record.headers[1] : record.headers[2];
        return true;
    }
    const KifReadResult read = readGame(file);
    if (!read.ok) {
        std::cerr << "xantu-engine: " << file << ": " << read.message << '\n';
        return false;
    }
    game = 作成_読込対局(read);
    return true;
}

int commandKif(const Args& args) {
    std::string file;
    bool cp932 = false;
    bool usage = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--encoding" && i + 1 < args.size() && (args[i + 1] == "cp932" || args[i + 1] == "utf8")) {
            cp932 = args[++i] == "cp932";
        } else if (file.empty() && args[i].rfind("--", 0) != 0) {
            file = args[i];
        } else {
            usage = true;
        }
    }
    if (usage || file.empty()) {
        std::cerr << "xantu-engine: kif takes one record, KIF or CSA file (kif [--encoding cp932|utf8] FILE)\n";
        return kExitBadInput;
    }
    KifGame game;
    if (!readGameFile(file, game)) return kExitBadInput;
    const KifText kif = 作成_KIF(game);
    if (!kif.ok) {
        std::cerr << "xantu-engine: " << file << ": move " << kif.badMove << " is not one move of the game\n";
        return kExitBadInput;
    }
    if (!cp932) {
        std::cout << kif.text;
        return 0;
    }
    const std::optional<std::string> bytes = utf8ToCp932(kif.text);
    if (!bytes) {
        std::cerr << "xantu-engine: " << file << ": a name cannot be written in CP932\n";
        return kExitBadInput;
    }
    std::cout << *bytes;
    return 0;
}

int commandSfen(const Args& args) {
    if (args.size() != 1) {
        std::cerr << "xantu-engine: sfen takes one KIF or CSA file (sfen FILE.kif|FILE.csa)\n";
        return kExitBadInput;
    }
    const KifReadResult kif = readGame(args[0]);
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
