#include "record/kif_writer.h"

#include <cmath>
#include <cstdio>

#include "core/cp932.h"
#include "record/kif_text.h"
#include "record/move_notation.h"

namespace xantu {

namespace {

long wholeSeconds(double s) { return s >= 0 && std::isfinite(s) ? static_cast<long>(std::floor(s)) : 0; }

// Display columns of a UTF-8 text: two for every character outside ASCII.
std::size_t columns(const std::string& s) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        const std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        n += c < 0x80 ? 1 : 2;
        i += len;
    }
    return n;
}

bool sameStart(const Position& p) {
    Position start;
    初期配置(start);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (p.board[x][y] != start.board[x][y]) return false;
    for (int k = 1; k <= kHandKinds; ++k)
        if (p.ownHand[k] != 0 || p.enemyHand[k] != 0) return false;
    return true;
}

std::string handLine(const int* hand) {
    std::string s;
    for (int k = kHandKinds; k >= 1; --k) {
        if (hand[k] <= 0) continue;
        if (!s.empty()) s += "　";
        s += 指し手駒名(kHandKindCode[k]);
        if (hand[k] > 1) s += kif漢数字(hand[k]);
    }
    return s.empty() ? "なし" : s;
}

// A move in the KIF move column, as every reader knows it: "と" for a promoted
// pawn ("奔" is this program's own name, which other readers refuse or
// misread), and no "不成", which the origin written after it makes redundant
// and which the most used readers refuse.
std::string kifMoveText(MoveRecord m, int prevX, int prevY, NotationView view) {
    m.mayPromote = false;
    std::string s = 作成_指し手表記(m, 0, prevX, prevY, view);
    if (absCode(m.piece) == kPromPawn) {
        const std::string ours = 指し手駒名(kPromPawn);
        if (const std::size_t at = s.find(ours); at != std::string::npos) s.replace(at, ours.size(), "と");
    }
    return s;
}

}  // namespace

KifGame 作成_KIF対局(const MoveList& list, const std::optional<FinalPosition>& finalPosition, int lowerSideOrder) {
    KifGame game;
    const int last = std::min(list.lastEntry, static_cast<int>(list.entries.size()) - 1);
    for (int k = 0; k <= last; ++k) {
        Position p;
        局面復元(list, k, p);
        game.positions.push_back(p);
        const MoveListEntry& e = list.entries[static_cast<std::size_t>(k)];
        game.clocks.push_back({e.manSecondsBefore, e.manSecondsAfter, e.comSecondsBefore, e.comSecondsAfter});
    }
    if (finalPosition) game.positions.push_back(finalPosition->position);
    game.clocks.resize(game.positions.empty() ? 0 : game.positions.size() - 1);

    // Who moved first: the seat of the first piece that moved.
    Side firstSeat = Side::Lower;
    if (game.positions.size() >= 2)
        if (const auto m = 調査_指し手(game.positions[0], game.positions[1])) firstSeat = sideOf(m->piece);
    if (lowerSideOrder == 0) lowerSideOrder = firstSeat == Side::Lower ? kSente : kGote;
    game.senteIsUpper = lowerSideOrder == kGote;
    game.firstMover = firstSeat == Side::Lower ? lowerSideOrder : -lowerSideOrder;
    if (game.positions.size() >= 2) {
        const Position& end = game.positions.back();
        const bool upperKing = kingCount(end, Side::Upper) > 0, lowerKing = kingCount(end, Side::Lower) > 0;
        if (!upperKing && lowerKing) game.winner = lowerSideOrder;
        if (!lowerKing && upperKing) game.winner = -lowerSideOrder;
    }
    return game;
}

std::string 作成_KIF局面図(const Position& original, bool senteIsUpper) {
    // Seen from 先手's seat: 先手 is the lower side of `p`.
    const Position p = senteIsUpper ? turnedAbout(original) : original;
    std::string s = "後手の持駒：" + handLine(p.enemyHand) + "\r\n";
    s += "  ９ ８ ７ ６ ５ ４ ３ ２ １\r\n";
    s += "+---------------------------+\r\n";
    for (int y = 1; y <= 9; ++y) {
        s += '|';
        for (int x = 1; x <= 9; ++x) {
            const int c = p.board[x][y];
            if (c == kEmpty) {
                s += " ・";
                continue;
            }
            s += c > 0 ? 'v' : ' ';
            s += kif局面図駒名(c);
        }
        s += '|';
        s += 漢数字(y);
        s += "\r\n";
    }
    s += "+---------------------------+\r\n";
    s += "先手の持駒：" + handLine(p.ownHand) + "\r\n";
    return s;
}

KifText 作成_KIF(const KifGame& game) {
    KifText out;
    std::string& s = out.text;
    s += "# ---- Xantu ペカナ将棋 棋譜ファイル ----\r\n";
    if (game.hintCount > 0) s += "# ヒント " + std::to_string(game.hintCount) + "回\r\n";
    if (!game.startDateTime.empty()) s += "開始日時：" + game.startDateTime + "\r\n";
    if (!game.event.empty()) s += "棋戦：" + game.event + "\r\n";
    if (!game.timeControl.empty()) s += "持ち時間：" + game.timeControl + "\r\n";
    const Position* start = game.positions.empty() ? nullptr : &game.positions[0];
    // The standard layout looks the same from either seat.
    if (start == nullptr || (sameStart(*start) && game.firstMover == kSente)) {
        s += "手合割：平手\r\n";
    } else {
        s += 作成_KIF局面図(*start, game.senteIsUpper);
        if (game.firstMover == kGote) s += "後手番\r\n";
    }
    s += "先手：" + game.senteName + "\r\n";
    s += "後手：" + game.goteName + "\r\n";
    s += std::string("備考：") + kKifRulesNote + "\r\n";
    s += "手数----指手---------消費時間--\r\n";

    const NotationView view = game.senteIsUpper ? NotationView::UpperSideFirst : NotationView::AsDrawn;
    int prevX = 0, prevY = 0;
    const int moves = game.positions.empty() ? 0 : static_cast<int>(game.positions.size()) - 1;
    for (int i = 1; i <= moves; ++i) {
        const auto m =
            調査_指し手(game.positions[static_cast<std::size_t>(i - 1)], game.positions[static_cast<std::size_t>(i)]);
        if (!m) {
            out.badMove = i;
            out.text.clear();
            return out;
        }
        std::string text = kifMoveText(*m, prevX, prevY, view);
        prevX = m->toX;
        prevY = m->toY;
        const std::size_t width = columns(text);
        text.append(width < 13 ? 13 - width : 1, ' ');
        KifClock c;
        if (static_cast<std::size_t>(i - 1) < game.clocks.size()) c = game.clocks[static_cast<std::size_t>(i - 1)];
        const bool lower = m->piece < 0;
        const long spent = std::max(0L, wholeSeconds(lower ? c.lowerAfter : c.upperAfter) -
                                            wholeSeconds(lower ? c.lowerBefore : c.upperBefore));
        const long total = wholeSeconds(lower ? c.lowerAfter : c.upperAfter);
        char line[96];
        std::snprintf(line, sizeof line, "%4d ", i);
        s += line;
        s += text;
        std::snprintf(line, sizeof line, "(%2ld:%02ld/%02ld:%02ld:%02ld)\r\n", spent / 60, spent % 60, total / 3600,
                      total / 60 % 60, total % 60);
        s += line;
        if (static_cast<std::size_t>(i) < game.scores.size() && game.scores[static_cast<std::size_t>(i)]) {
            // The number other programs read: centipawns, or for a king
            // capture ±(kScoreViewMate − plies), beyond any material count.
            s += "*評価値 " + std::to_string(game.scores[static_cast<std::size_t>(i)]->value()) + "\r\n";
        }
    }
    if (!game.endWord.empty()) {
        char line[16];
        std::snprintf(line, sizeof line, "%4d ", moves + 1);
        s += line;
        s += game.endWord + "\r\n";
    }
    s += "まで" + std::to_string(moves) + "手";
    if (game.winner == kSente)
        s += "で先手の勝ち";
    else if (game.winner == kGote)
        s += "で後手の勝ち";
    else
        s += "で中断";
    s += "\r\n";
    out.ok = true;
    return out;
}

std::string_view KIF書出しメッセージ(KifWriteStatus status) {
    switch (status) {
    case KifWriteStatus::Ok: return "KIFを書き出しました";
    case KifWriteStatus::NoMoves: return "書き出す指し手がありません";
    case KifWriteStatus::BadMove: return "棋譜の指し手を読み取れないため書き出せません";
    case KifWriteStatus::NotCp932:
        return "Shift-JISで書けない文字があります\r名前の終わりを .kifu にするとUTF-8で書き出せます";
    case KifWriteStatus::CannotWrite: return "KIFファイルを書き込めません";
    }
    return {};
}

KifWriteStatus 書込_KIF(const std::string& file, const KifGame& game) {
    if (game.positions.size() < 2) return KifWriteStatus::NoMoves;
    const KifText kif = 作成_KIF(game);
    if (!kif.ok) return KifWriteStatus::BadMove;
    std::string bytes = kif.text;
    if (kifEncodingFor(file) == KifEncoding::Cp932) {
        const auto encoded = utf8ToCp932(kif.text);
        if (!encoded) return KifWriteStatus::NotCp932;
        bytes = *encoded;
    }
    return writeWholeFile(file, bytes) ? KifWriteStatus::Ok : KifWriteStatus::CannotWrite;
}

}  // namespace xantu
