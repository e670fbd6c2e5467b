#include "record/csa_writer.h"

#include <cmath>

#include "core/cp932.h"
#include "record/kif_text.h"
#include "record/move_notation.h"
#include "record/record_file.h"

namespace xantu {

namespace {

// File and rank of a square as drawn, 先手 being the lower side.
std::string square(int x, int y) { return std::string{static_cast<char>('0' + 10 - x), static_cast<char>('0' + y)}; }

long wholeSeconds(double s) { return s >= 0 && std::isfinite(s) ? static_cast<long>(std::floor(s)) : 0; }

// The start: "PI" when it is the standard layout without some pieces and
// with empty hands (the handicaps), else the rows and the hands.
std::string startLines(const Position& p) {
    Position standard;
    初期配置(standard);
    bool onlyRemovals = true;
    std::string removed;
    for (int k = 1; k <= kHandKinds; ++k)
        if (p.ownHand[k] != 0 || p.enemyHand[k] != 0) onlyRemovals = false;
    for (int y = 1; y <= 9 && onlyRemovals; ++y)
        for (int x = 1; x <= 9; ++x) {
            if (p.board[x][y] == standard.board[x][y]) continue;
            if (p.board[x][y] != kEmpty || absCode(standard.board[x][y]) == kKing) {
                onlyRemovals = false;
                break;
            }
            removed += square(x, y) + std::string(CSA駒名(standard.board[x][y]));
        }
    if (onlyRemovals) return "PI" + removed + "\r\n";

    std::string s;
    for (int y = 1; y <= 9; ++y) {
        s += 'P';
        s += static_cast<char>('0' + y);
        for (int x = 1; x <= 9; ++x) {
            const int c = p.board[x][y];
            if (c == kEmpty)
                s += " * ";
            else
                s += (c < 0 ? "+" : "-") + std::string(CSA駒名(c));
        }
        s += "\r\n";
    }
    for (int side = 0; side < 2; ++side) {
        const int* hand = side == 0 ? p.ownHand : p.enemyHand;
        std::string items;
        for (int k = kHandKinds; k >= 1; --k)
            for (int i = 0; i < hand[k]; ++i) items += "00" + std::string(CSA駒名(kHandKindCode[k]));
        if (!items.empty()) s += std::string(side == 0 ? "P+" : "P-") + items + "\r\n";
    }
    return s;
}

}  // namespace

std::string 作成_CSA(const GameRecord& game) {
    std::string s;
    s += "'Xantu ペカナ将棋\r\n";
    s += "V2.2\r\n";
    if (!game.senteName.empty()) s += "N+" + game.senteName + "\r\n";
    if (!game.goteName.empty()) s += "N-" + game.goteName + "\r\n";
    if (!game.event.empty()) s += "$EVENT:" + game.event + "\r\n";
    if (!game.startDateTime.empty()) s += "$START_TIME:" + game.startDateTime + "\r\n";
    s += std::string("'") + kKifRulesNote + "\r\n";

    // Everything from 先手's seat: 先手 is the lower side.
    s += startLines(game.senteIsUpper ? turnedAbout(game.start) : game.start);
    s += game.firstMover == kGote ? "-\r\n" : "+\r\n";

    const NotationView view = game.senteIsUpper ? NotationView::UpperSideFirst : NotationView::AsDrawn;
    const GameLine line = 作成_手順局面(game);
    const int moves = static_cast<int>(line.nodes.size());
    for (int i = 0; i < moves; ++i) {
        const RecordNode& n = game.nodes[static_cast<std::size_t>(line.nodes[static_cast<std::size_t>(i)])];
        s += 表記_CSA(作成_指し手要素(line.positions[static_cast<std::size_t>(i)], n.move, 0, 0), view);
        s += "\r\n";
        // The clocks belong to the sides as drawn.
        const bool lower = n.move.side() == Side::Lower;
        const MoveClock& c = n.clock;
        const long spent = std::max(0L, wholeSeconds(lower ? c.lowerAfter : c.upperAfter) -
                                            wholeSeconds(lower ? c.lowerBefore : c.upperBefore));
        s += "T" + std::to_string(spent) + "\r\n";
    }
    // The side to move at the end lost, or the game was left unfinished.
    const int toMove = 調査_手番(game, moves + 1);
    s += game.winner != 0 && game.winner == -toMove ? "%TORYO\r\n" : "%CHUDAN\r\n";
    return s;
}

CsaWriteStatus 書込_CSA(const std::string& file, const GameRecord& game) {
    if (game.nodes[kRecordRoot].children.empty()) return CsaWriteStatus::NoMoves;
    const std::string text = 作成_CSA(game);
    std::string bytes;
    if (const auto encoded = utf8ToCp932(text))
        bytes = *encoded;
    else
        bytes = "'CSA encoding=UTF-8\r\n" + text;
    return writeWholeFile(file, bytes) ? CsaWriteStatus::Ok : CsaWriteStatus::CannotWrite;
}

}  // namespace xantu
