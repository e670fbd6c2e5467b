// kif [--encoding cp932|utf8] FILE: a record (.棋譜), a KIF/KIFU or a CSA
// game as this program's KIF on stdout (UTF-8 unless CP932 is asked for).
// sfen FILE: every Position of a KIF/KIFU or CSA game as SFEN, one per line,
// from the start to the end, each with the side to move and its move number.
#include <cstdio>
#include <iostream>
#include <string>

#include "core/cp932.h"
#include "core/legal_moves.h"
#include "core/sfen.h"
#include "record/csa_reader.h"
#include "record/kif_reader.h"
#include "record/kif_writer.h"
#include "record/position_record.h"
#include "record/record_file.h"
#include "text/record_wording.h"
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
RecordRead readGame(const std::string& file) { return endsWith(file, ".csa") ? 読込_CSA(file) : 読込_KIF(file); }

}  // namespace

bool readGameFile(const std::string& file, GameRecord& game) {
    if (endsWith(file, kRecordExtension)) {
        const RecordReadResult record = 読込_棋譜(file);
        if (record.status != RecordReadStatus::Ok) {
            std::cerr << "xantu-engine: " << file << ": " << 棋譜読込メッセージ(sourceTexts(), record.status) << '\n';
            return false;
        }
        PositionRecord read = 作成_局面列の棋譜(record.list, record.list.lastEntry, nullptr, 0);
        if (read.badMove != 0) {
            std::cerr << "xantu-engine: " << file << ": move " << read.badMove << " is not one move of the game\n";
            return false;
        }
        game = std::move(read.game);
        // The record's second line is the upper side's player, the third the lower's.
        const bool lowerIsSente = !game.senteIsUpper;
        game.event = record.headers[0];
        game.senteName = lowerIsSente ? record.headers[2] : record.headers[1];
        game.goteName = lowerIsSente ? record.headers[1] : record.headers[2];
        game.winner = 調査_玉による勝者(game);
        return true;
    }
    RecordRead read = readGame(file);
    if (!read.ok()) {
        std::cerr << "xantu-engine: " << file << ": " << 読込問題メッセージ(sourceTexts(), read.problem) << '\n';
        return false;
    }
    game = std::move(read.game);
    // The game as this program writes it: the moves, the players, the event
    // and the start time; the winner the file names, else the side whose
    // king still stands.
    game.timeControl.clear();
    game.hintCount = 0;
    game.ending.clear();
    if (game.winner == 0) game.winner = 調査_玉による勝者(game);
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
    GameRecord game;
    if (!readGameFile(file, game)) return kExitBadInput;
    const std::string kif = 作成_KIF(game);
    if (!cp932) {
        std::cout << kif;
        return 0;
    }
    const std::optional<std::string> bytes = utf8ToCp932(kif);
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
    const RecordRead kif = readGame(args[0]);
    if (!kif.ok()) {
        std::cerr << "xantu-engine: " << args[0] << ": " << 読込問題メッセージ(sourceTexts(), kif.problem) << '\n';
        return kExitBadInput;
    }
    const GameLine line = 作成_手順局面(kif.game);
    for (std::size_t i = 0; i < line.positions.size(); ++i) {
        const int order = 調査_手番(kif.game, static_cast<int>(i) + 1);
        std::string s = toSfen(line.positions[i], order == kSente ? Side::Lower : Side::Upper);
        s.resize(s.size() - 1);  // the move number
        std::cout << s << i + 1 << '\n';
    }
    return 0;
}

}  // namespace xantu::engine
