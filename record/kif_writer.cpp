#include "record/kif_writer.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "core/cp932.h"
#include "core/legal_moves.h"
#include "record/kif_text.h"
#include "record/move_notation.h"
#include "record/record_file.h"

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

const RecordNode& nodeAt(const GameRecord& g, int i) { return g.nodes[static_cast<std::size_t>(i)]; }

// Whether another move follows `n` at its place (a variation of it comes later).
bool hasLaterSibling(const GameRecord& g, int n) {
    const RecordNode& node = nodeAt(g, n);
    if (node.parent < 0) return false;
    const std::vector<int>& siblings = nodeAt(g, node.parent).children;
    return !siblings.empty() && siblings.back() != n;
}

// A line of the tree as it is written: from its first node on, each node's
// main child, with the Position before every move.
struct WrittenLine {
    std::vector<int> nodes;
    std::vector<Position> before;
    // While its variations are written: one past the node whose later
    // siblings come next, and how many of them are written.
    std::size_t next = 0;
    std::size_t sibling = 0;
    bool isMain = false;
};

WrittenLine lineFrom(const GameRecord& g, int first, const Position& start) {
    WrittenLine l;
    Position p = start;
    for (int n = first; n >= 0;) {
        l.nodes.push_back(n);
        l.before.push_back(p);
        playMove(p, nodeAt(g, n).move);
        const std::vector<int>& children = nodeAt(g, n).children;
        n = children.empty() ? -1 : children.front();
    }
    return l;
}

class Writer {
public:
    Writer(const GameRecord& g, std::string& out)
        : g_(g), s_(out), view_(g.senteIsUpper ? NotationView::UpperSideFirst : NotationView::AsDrawn) {}

    // The moves of a line, each with its score and comments.
    void moves(const WrittenLine& l) {
        for (std::size_t i = 0; i < l.nodes.size(); ++i) {
            const RecordNode& n = nodeAt(g_, l.nodes[i]);
            int prevX = 0, prevY = 0;
            if (n.parent >= 0) {
                prevX = nodeAt(g_, n.parent).move.toX;
                prevY = nodeAt(g_, n.parent).move.toY;
            }
            std::string text = 表記_KIF(作成_指し手要素(l.before[i], n.move, prevX, prevY), view_);
            const std::size_t width = columns(text);
            text.append(width < 13 ? 13 - width : 1, ' ');
            const bool lower = n.move.side() == Side::Lower;
            const MoveClock& c = n.clock;
            const long spent = std::max(0L, wholeSeconds(lower ? c.lowerAfter : c.upperAfter) -
                                                wholeSeconds(lower ? c.lowerBefore : c.upperBefore));
            const long total = wholeSeconds(lower ? c.lowerAfter : c.upperAfter);
            char line[96];
            std::snprintf(line, sizeof line, "%4d ", n.ply);
            s_ += line;
            s_ += text;
            std::snprintf(line, sizeof line, "(%2ld:%02ld/%02ld:%02ld:%02ld)", spent / 60, spent % 60, total / 3600,
                          total / 60 % 60, total % 60);
            s_ += line;
            if (hasLaterSibling(g_, l.nodes[i])) s_ += '+';
            s_ += "\r\n";
            comments(n);
        }
    }

    // The score, then the comments. A comment that is an older score is
    // left out when the node has one of its own.
    void comments(const RecordNode& n) {
        if (n.score) {
            // The number other programs read: centipawns, or for a king
            // capture ±(kScoreViewMate − plies), beyond any material count.
            s_ += "*評価値 " + std::to_string(n.score->value()) + "\r\n";
        }
        for (const std::string& c : n.comments) {
            if (n.score && c.rfind("評価値", 0) == 0) continue;
            s_ += "*" + c + "\r\n";
        }
    }

    // Every variation of the main line, as the tree nests them: a line's
    // variations follow it, from its last branch back to its first, each
    // followed by its own. The main line branches at its first move too; the
    // other siblings of a variation's first move belong to the line it leaves.
    // Lines wait on a stack of their own, so nesting takes no call depth.
    void variations(WrittenLine main) {
        std::vector<WrittenLine> stack;
        main.next = main.nodes.size();
        main.isMain = true;
        stack.push_back(std::move(main));
        while (!stack.empty()) {
            WrittenLine& l = stack.back();
            const std::size_t lowest = l.isMain ? 0 : 1;
            int found = -1;
            std::size_t at = 0;
            while (l.next > lowest && found < 0) {
                at = l.next - 1;
                const int self = l.nodes[at];
                const std::vector<int>& siblings = nodeAt(g_, nodeAt(g_, self).parent).children;
                std::size_t k = 0;
                while (siblings[k] != self) ++k;
                if (k + 1 + l.sibling < siblings.size()) {
                    found = siblings[k + 1 + l.sibling];
                    ++l.sibling;
                } else {
                    --l.next;
                    l.sibling = 0;
                }
            }
            if (found < 0) {
                stack.pop_back();
                continue;
            }
            WrittenLine v = lineFrom(g_, found, l.before[at]);
            s_ += "\r\n変化：" + std::to_string(nodeAt(g_, found).ply) + "手\r\n";
            moves(v);
            v.next = v.nodes.size();
            stack.push_back(std::move(v));
        }
    }

private:
    const GameRecord& g_;
    std::string& s_;
    NotationView view_;
};

}  // namespace

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

std::string 作成_KIF(const GameRecord& game) {
    std::string s;
    s += "# ---- Xantu ペカナ将棋 棋譜ファイル ----\r\n";
    if (game.hintCount > 0) s += "# ヒント " + std::to_string(game.hintCount) + "回\r\n";
    if (!game.startDateTime.empty()) s += "開始日時：" + game.startDateTime + "\r\n";
    if (!game.event.empty()) s += "棋戦：" + game.event + "\r\n";
    if (!game.timeControl.empty()) s += "持ち時間：" + game.timeControl + "\r\n";
    // The standard layout looks the same from either seat.
    if (sameStart(game.start) && game.firstMover == kSente) {
        s += "手合割：平手\r\n";
    } else {
        s += 作成_KIF局面図(game.start, game.senteIsUpper);
        if (game.firstMover == kGote) s += "後手番\r\n";
    }
    s += "先手：" + game.senteName + "\r\n";
    s += "後手：" + game.goteName + "\r\n";
    s += std::string("備考：") + kKifRulesNote + "\r\n";
    s += "手数----指手---------消費時間--\r\n";

    Writer w(game, s);
    const RecordNode& root = nodeAt(game, kRecordRoot);
    for (const std::string& c : root.comments) s += "*" + c + "\r\n";
    WrittenLine main;
    if (!root.children.empty()) main = lineFrom(game, root.children.front(), game.start);
    w.moves(main);
    const int moves = static_cast<int>(main.nodes.size());
    if (!game.ending.empty()) {
        char line[16];
        std::snprintf(line, sizeof line, "%4d ", moves + 1);
        s += line;
        s += game.ending + "\r\n";
    }
    s += "まで" + std::to_string(moves) + "手";
    if (game.winner == kSente)
        s += "で先手の勝ち";
    else if (game.winner == kGote)
        s += "で後手の勝ち";
    else
        s += "で中断";
    s += "\r\n";
    w.variations(std::move(main));
    return s;
}

KifWriteStatus 書込_KIF(const std::string& file, const GameRecord& game) {
    if (game.nodes[kRecordRoot].children.empty()) return KifWriteStatus::NoMoves;
    const std::string text = 作成_KIF(game);
    std::string bytes = text;
    if (kifEncodingFor(file) == KifEncoding::Cp932) {
        const auto encoded = utf8ToCp932(text);
        if (!encoded) return KifWriteStatus::NotCp932;
        bytes = *encoded;
    }
    return writeWholeFile(file, bytes) ? KifWriteStatus::Ok : KifWriteStatus::CannotWrite;
}

}  // namespace xantu
