#include "record/csa_writer.h"

#include <cmath>

#include "core/cp932.h"
#include "record/kif_text.h"
#include "record/move_notation.h"

namespace xantu {

namespace {

std::string_view csaName(int code) {
    switch (absCode(code)) {
    case kPawn: return "FU";
    case kLance: return "KY";
    case kKnight: return "KE";
    case kSilver: return "GI";
    case kGold:
    case kGoldAlt: return "KI";
    case kBishop: return "KA";
    case kRook: return "HI";
    case kKing: return "OU";
    case kPromPawn: return "TO";
    case kPromLance: return "NY";
    case kPromKnight: return "NK";
    case kPromSilver: return "NG";
    case kHorse: return "UM";
    case kDragon: return "RY";
    default: return "";
    }
}

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
            removed += square(x, y) + std::string(csaName(standard.board[x][y]));
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
                s += (c < 0 ? "+" : "-") + std::string(csaName(c));
        }
        s += "\r\n";
    }
    for (int side = 0; side < 2; ++side) {
        const int* hand = side == 0 ? p.ownHand : p.enemyHand;
        std::string items;
        for (int k = kHandKinds; k >= 1; --k)
            for (int i = 0; i < hand[k]; ++i) items += "00" + std::string(csaName(kHandKindCode[k]));
        if (!items.empty()) s += std::string(side == 0 ? "P+" : "P-") + items + "\r\n";
    }
    return s;
}

}  // namespace

CsaText 作成_CSA(const KifGame& game) {
    CsaText out;
    std::string& s = out.text;
    s += "'Xantu ペカナ将棋\r\n";
    s += "V2.2\r\n";
    if (!game.senteName.empty()) s += "N+" + game.senteName + "\r\n";
    if (!game.goteName.empty()) s += "N-" + game.goteName + "\r\n";
    if (!game.event.empty()) s += "$EVENT:" + game.event + "\r\n";
    if (!game.startDateTime.empty()) s += "$START_TIME:" + game.startDateTime + "\r\n";
    s += std::string("'") + kKifRulesNote + "\r\n";

    // Everything from 先手's seat: 先手 is the lower side.
    std::vector<Position> positions = game.positions;
    if (game.senteIsUpper)
        for (Position& p : positions) p = turnedAbout(p);
    Position standard;
    初期配置(standard);
    s += startLines(positions.empty() ? standard : positions[0]);
    s += game.firstMover == kGote ? "-\r\n" : "+\r\n";

    const int moves = positions.empty() ? 0 : static_cast<int>(positions.size()) - 1;
    for (int i = 1; i <= moves; ++i) {
        const auto m = 調査_指し手(positions[static_cast<std::size_t>(i - 1)], positions[static_cast<std::size_t>(i)]);
        if (!m) {
            out.badMove = i;
            out.text.clear();
            return out;
        }
        const int placed = m->drop ? m->piece : positions[static_cast<std::size_t>(i)].board[m->toX][m->toY];
        s += m->piece < 0 ? '+' : '-';
        s += m->drop ? std::string("00") : square(m->fromX, m->fromY);
        s += square(m->toX, m->toY);
        s += csaName(placed);
        s += "\r\n";
        KifClock c;
        if (static_cast<std::size_t>(i - 1) < game.clocks.size()) c = game.clocks[static_cast<std::size_t>(i - 1)];
        // The clocks belong to the sides as drawn, the move to 先手's seat.
        const bool lowerAsDrawn = (m->piece < 0) != game.senteIsUpper;
        const long spent = std::max(0L, wholeSeconds(lowerAsDrawn ? c.lowerAfter : c.upperAfter) -
                                            wholeSeconds(lowerAsDrawn ? c.lowerBefore : c.upperBefore));
        s += "T" + std::to_string(spent) + "\r\n";
    }
    // The side to move at the end lost, or the game was left unfinished.
    const int toMove = moves % 2 == 0 ? game.firstMover : -game.firstMover;
    s += game.winner != 0 && game.winner == -toMove ? "%TORYO\r\n" : "%CHUDAN\r\n";
    out.ok = true;
    return out;
}

std::string_view CSA書出しメッセージ(CsaWriteStatus status) {
    switch (status) {
    case CsaWriteStatus::Ok: return "CSAを書き出しました";
    case CsaWriteStatus::NoMoves: return "書き出す指し手がありません";
    case CsaWriteStatus::BadMove: return "棋譜の指し手を読み取れないため書き出せません";
    case CsaWriteStatus::CannotWrite: return "CSAファイルを書き込めません";
    }
    return {};
}

CsaWriteStatus 書込_CSA(const std::string& file, const KifGame& game) {
    if (game.positions.size() < 2) return CsaWriteStatus::NoMoves;
    const CsaText csa = 作成_CSA(game);
    if (!csa.ok) return CsaWriteStatus::BadMove;
    std::string bytes;
    if (const auto encoded = utf8ToCp932(csa.text))
        bytes = *encoded;
    else
        bytes = "'CSA encoding=UTF-8\r\n" + csa.text;
    return writeWholeFile(file, bytes) ? CsaWriteStatus::Ok : CsaWriteStatus::CannotWrite;
}

}  // namespace xantu
