#include "record/kif_reader.h"

#include <optional>

#include "core/cp932.h"
#include "core/game_state.h"
#include "core/hand_rows.h"
#include "core/move_check.h"
#include "core/move_rules.h"
#include "record/kif_text.h"
#include "record/record_text.h"

namespace xantu {

namespace {

constexpr std::string_view kFullSpace = "　";

std::size_t charLength(std::string_view s, std::size_t i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    return i + len <= s.size() ? len : s.size() - i;
}

bool startsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

std::string_view trimLeft(std::string_view s) {
    for (;;) {
        if (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
            s.remove_prefix(1);
        else if (startsWith(s, kFullSpace))
            s.remove_prefix(kFullSpace.size());
        else
            return s;
    }
}

std::string_view trim(std::string_view s) {
    s = trimLeft(s);
    for (;;) {
        if (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
            s.remove_suffix(1);
        else if (s.size() >= kFullSpace.size() && s.substr(s.size() - kFullSpace.size()) == kFullSpace)
            s.remove_suffix(kFullSpace.size());
        else
            return s;
    }
}

// A digit 0..9, half- or full-width, at the front of s; consumed on success.
int takeDigit(std::string_view& s) {
    if (!s.empty() && s[0] >= '0' && s[0] <= '9') {
        const int d = s[0] - '0';
        s.remove_prefix(1);
        return d;
    }
    if (s.size() >= 3 && static_cast<unsigned char>(s[0]) == 0xEF && static_cast<unsigned char>(s[1]) == 0xBC) {
        const int b = static_cast<unsigned char>(s[2]);
        if (b >= 0x90 && b <= 0x99) {
            s.remove_prefix(3);
            return b - 0x90;
        }
    }
    return -1;
}

int takeNumber(std::string_view& s) {
    int d = takeDigit(s);
    if (d < 0) return -1;
    int n = d;
    while ((d = takeDigit(s)) >= 0)
        if (n < 1000000) n = n * 10 + d;
    return n;
}

// A rank written in kanji (一..九) or as a digit.
int takeRank(std::string_view& s) {
    static constexpr std::string_view kRanks[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
    for (int r = 0; r < 9; ++r)
        if (startsWith(s, kRanks[r])) {
            s.remove_prefix(kRanks[r].size());
            return r + 1;
        }
    return takeDigit(s);
}

// Count of pieces in hand after the name: "二", "十", "十八" or digits; 1
// when none is written.
int takeKanjiCount(std::string_view& s) {
    static constexpr std::string_view kUnits[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
    int n = 0;
    if (startsWith(s, "十")) {
        s.remove_prefix(std::string_view("十").size());
        n = 10;
    }
    for (int u = 0; u < 9; ++u)
        if (startsWith(s, kUnits[u])) {
            s.remove_prefix(kUnits[u].size());
            n += u + 1;
            break;
        }
    if (n == 0) n = takeNumber(s);
    return n <= 0 ? 1 : n;
}

struct PieceName {
    std::string_view name;
    int code;
};
constexpr PieceName kPieceNames[] = {
    {"成香", kPromLance}, {"成桂", kPromKnight}, {"成銀", kPromSilver}, {"歩", kPawn},     {"香", kLance},
    {"桂", kKnight},      {"銀", kSilver},       {"金", kGold},         {"角", kBishop},   {"飛", kRook},
    {"玉", kKing},        {"王", kKing},         {"と", kPromPawn},     {"奔", kPromPawn}, {"杏", kPromLance},
    {"圭", kPromKnight},  {"全", kPromSilver},   {"馬", kHorse},        {"龍", kDragon},   {"竜", kDragon},
};

int takePiece(std::string_view& s) {
    for (const PieceName& p : kPieceNames)
        if (startsWith(s, p.name)) {
            s.remove_prefix(p.name.size());
            return p.code;
        }
    return 0;
}

constexpr std::string_view kEndWords[] = {"投了",     "中断",     "詰み",     "千日手",   "持将棋",
                                          "切れ負け", "時間切れ", "反則勝ち", "反則負け", "入玉勝ち",
                                          "不詰",     "不戦勝",   "不戦敗",   "封じ手"};

struct ParsedMove {
    bool end = false;  // 投了, 中断, …: no more moves
    bool resigned = false;
    bool same = false;  // 同
    int file = 0, rank = 0;
    int code = 0;  // unsigned code named
    bool promote = false, noPromote = false, drop = false;
    bool hasFrom = false;
    int fromFile = 0, fromRank = 0;
    long spent = -1;  // seconds of the move, −1 when not given
    long total = -1;  // the mover's total after it, −1 when not given
};

// Parses the text after the move number. Returns an empty text or the reason.
std::string parseMove(std::string_view s, ParsedMove& m) {
    s = trimLeft(s);
    for (std::string_view mark : {"▲", "△", "☗", "☖"})
        if (startsWith(s, mark)) s.remove_prefix(mark.size());
    for (std::string_view w : kEndWords)
        if (startsWith(s, w)) {
            m.end = true;
            m.resigned = w == "投了";
            return {};
        }
    if (startsWith(s, "同")) {
        s.remove_prefix(std::string_view("同").size());
        s = trimLeft(s);
        m.same = true;
    } else {
        m.file = takeDigit(s);
        m.rank = takeRank(s);
        if (m.file < 1 || m.file > 9 || m.rank < 1 || m.rank > 9) return "行き先のマスが読めません";
    }
    m.code = takePiece(s);
    if (m.code == 0) return "駒の名前が読めません";
    for (;;) {
        if (startsWith(s, "不成")) {
            s.remove_prefix(std::string_view("不成").size());
            m.noPromote = true;
        } else if (startsWith(s, "生")) {
            s.remove_prefix(std::string_view("生").size());
            m.noPromote = true;
        } else if (startsWith(s, "成")) {
            s.remove_prefix(std::string_view("成").size());
            m.promote = true;
        } else if (startsWith(s, "打")) {
            s.remove_prefix(std::string_view("打").size());
            m.drop = true;
        } else {
            break;
        }
    }
    if (startsWith(s, "(") || startsWith(s, "（")) {
        s.remove_prefix(s[0] == '(' ? 1 : std::string_view("（").size());
        m.fromFile = takeDigit(s);
        m.fromRank = takeDigit(s);
        if (m.fromFile < 1 || m.fromRank < 1 || !(startsWith(s, ")") || startsWith(s, "）")))
            return "移動元のマスが読めません";
        s.remove_prefix(s[0] == ')' ? 1 : std::string_view("）").size());
        m.hasFrom = true;
    }
    if (!s.empty() && trimLeft(s).size() == s.size()) return "指し手の後ろに読めない文字があります";
    // The time: "( 0:01/00:00:01)"; anything else after the move is left alone.
    s = trimLeft(s);
    if (startsWith(s, "(")) {
        s.remove_prefix(1);
        s = trimLeft(s);
        const int minutes = takeNumber(s);
        if (minutes >= 0 && startsWith(s, ":")) {
            s.remove_prefix(1);
            const int seconds = takeNumber(s);
            if (seconds >= 0) m.spent = static_cast<long>(minutes) * 60 + seconds;
            // The side's total: "/hh:mm:ss".
            if (startsWith(s, "/")) {
                s.remove_prefix(1);
                const int h = takeNumber(s);
                if (h >= 0 && startsWith(s, ":")) {
                    s.remove_prefix(1);
                    const int mm = takeNumber(s);
                    if (mm >= 0 && startsWith(s, ":")) {
                        s.remove_prefix(1);
                        const int ss = takeNumber(s);
                        if (ss >= 0) m.total = (static_cast<long>(h) * 60 + mm) * 60 + ss;
                    }
                }
            }
        }
    }
    return {};
}

bool onlyFullWidthDigits(std::string_view s) {
    s = trim(s);
    if (s.empty()) return false;
    while (!s.empty()) {
        s = trimLeft(s);
        if (s.empty()) break;
        if (s[0] >= '0' && s[0] <= '9') return false;
        if (takeDigit(s) < 0) return false;
    }
    return true;
}

std::string quote(std::string_view line) {
    std::string s;
    std::size_t chars = 0;
    for (std::size_t i = 0; i < line.size() && chars < 30; ++chars) {
        const std::size_t len = charLength(line, i);
        s.append(line.substr(i, len));
        i += len;
    }
    return "「" + std::string(trim(s)) + "」";
}

// Standard handicaps: 上手 (後手, the upper side) lacks these squares' pieces
// and moves first.
struct Handicap {
    std::string_view name;
    int squares[10][2];
    int count;
};
constexpr Handicap kHandicaps[] = {
    {"香落ち", {{9, 1}}, 1},
    {"右香落ち", {{1, 1}}, 1},
    {"角落ち", {{8, 2}}, 1},
    {"飛車落ち", {{2, 2}}, 1},
    {"飛香落ち", {{2, 2}, {9, 1}}, 2},
    {"二枚落ち", {{2, 2}, {8, 2}}, 2},
    {"四枚落ち", {{2, 2}, {8, 2}, {1, 1}, {9, 1}}, 4},
    {"六枚落ち", {{2, 2}, {8, 2}, {1, 1}, {9, 1}, {2, 1}, {8, 1}}, 6},
    {"八枚落ち", {{2, 2}, {8, 2}, {1, 1}, {9, 1}, {2, 1}, {8, 1}, {3, 1}, {7, 1}}, 8},
    {"十枚落ち", {{2, 2}, {8, 2}, {1, 1}, {9, 1}, {2, 1}, {8, 1}, {3, 1}, {7, 1}, {4, 1}, {6, 1}}, 10},
};

// Pieces in hand "飛　角二　歩十八" or "なし" into hand[1..7].
bool readHand(std::string_view s, int* hand) {
    s = trim(s);
    if (s.empty() || s == "なし") return true;
    while (!s.empty()) {
        s = trimLeft(s);
        if (s.empty()) break;
        if (startsWith(s, "、") || startsWith(s, ",")) {
            s.remove_prefix(s[0] == ',' ? 1 : std::string_view("、").size());
            continue;
        }
        const int code = takePiece(s);
        const int kind = handKindOf(code);
        if (kind == 0 || kHandKindCode[kind] != code) return false;
        const int n = takeKanjiCount(s);
        if (n < 1 || n > 18 || hand[kind] + n > 18) return false;
        hand[kind] += n;
    }
    return true;
}

// One row of a board block: "|v香v桂 ・ ・…|一".
bool readBoardRow(std::string_view s, int y, Position& p) {
    s.remove_prefix(1);  // '|'
    for (int x = 1; x <= 9; ++x) {
        if (s.empty()) return false;
        const char owner = s[0];
        if (owner != ' ' && owner != 'v' && owner != '^' && owner != '+' && owner != '-') return false;
        s.remove_prefix(1);
        if (startsWith(s, "・")) {
            s.remove_prefix(std::string_view("・").size());
            p.board[x][y] = kEmpty;
            continue;
        }
        const int code = takePiece(s);
        if (code == 0) return false;
        p.board[x][y] = owner == 'v' || owner == '-' ? code : -code;
    }
    return startsWith(s, "|");
}

struct Reader {
    KifReadResult r;
    Position start;
    bool haveBoard = false;
    int boardRows = 0;
    int handSente[8]{}, handGote[8]{};
    bool handicapNamed = false;
    bool firstMoverGiven = false;
    bool started = false;    // the first move has been read: the start is fixed
    bool ended = false;      // the moves are over (投了, 中断, …, or the end of the main line)
    bool sawHeader = false;  // at least one "key：value" line
    Position pos;
    GameState g;
    int prevX = 0, prevY = 0;
    double total[2]{};  // 0 the lower side (先手), 1 the upper

    bool fail(int line, std::string_view text, const std::string& why) {
        r.ok = false;
        r.badLine = line;
        r.message = std::to_string(line) + "行目" + (text.empty() ? std::string() : quote(text)) + "：" + why;
        return false;
    }

    bool header(int n, std::string_view line, std::string_view key, std::string_view value) {
        sawHeader = true;
        if (started) return true;  // a header after the moves changes nothing
        if (key == "先手" || key == "下手")
            r.senteName = value;
        else if (key == "後手" || key == "上手")
            r.goteName = value;
        else if (key == "棋戦")
            r.event = value;
        else if (key == "持ち時間")
            r.timeControl = value;
        else if (key == "開始日時")
            r.startDateTime = value;
        else if (key == "先手の持駒" || key == "下手の持駒") {
            if (!readHand(value, handSente)) return fail(n, line, "持駒が読めません");
        } else if (key == "後手の持駒" || key == "上手の持駒") {
            if (!readHand(value, handGote)) return fail(n, line, "持駒が読めません");
        } else if (key == "手合割") {
            if (value == "平手" || value == "その他" || value.empty()) return true;
            for (const Handicap& h : kHandicaps)
                if (value == h.name) {
                    初期配置(start);
                    for (int i = 0; i < h.count; ++i) start.board[h.squares[i][0]][h.squares[i][1]] = kEmpty;
                    handicapNamed = true;
                    if (!firstMoverGiven) r.firstMover = kGote;
                    return true;
                }
            return fail(n, line, "この手合割は読めません");
        }
        return true;
    }

    // Fixes the start before the first move (or at the end of a file
    // without moves).
    bool begin(int n) {
        if (started) return true;
        started = true;
        if (haveBoard) {
            if (boardRows != 9) return fail(n, {}, "局面図の段の数が9ではありません");
        } else if (!handicapNamed) {
            初期配置(start);
        }
        for (int k = 1; k <= kHandKinds; ++k) {
            start.ownHand[k] = handSente[k];
            start.enemyHand[k] = handGote[k];
        }
        int kings[2] = {0, 0};
        start.ownHandTotal = start.enemyHandTotal = 0;
        for (int k = 1; k <= kHandKinds; ++k) {
            start.ownHandTotal += start.ownHand[k];
            start.enemyHandTotal += start.enemyHand[k];
        }
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const int c = start.board[x][y];
                if (c == -kKing) {
                    ++kings[0];
                    start.manKingX = x;
                    start.manKingY = y;
                }
                if (c == kKing) ++kings[1];
                // A piece that could never move again cannot stand there.
                if (c != kEmpty && 移動後チェック(y, c) == 0) return fail(n, {}, "局面図に動けない駒があります");
            }
        if (kings[0] != 1 || kings[1] != 1) return fail(n, {}, "局面図の玉がそれぞれ1枚ではありません");
        // A start no game reaches: no more pieces of a kind than a set holds
        // (18 pawns, 4 golds, …), and the Position's other rules.
        if (const PositionFault f = start.fault(); f.broken()) {
            const bool tooMany =
                f.rule == PositionRule::PieceSet || (f.rule == PositionRule::HandCount && f.found > f.allowed);
            return fail(n, {}, tooMany ? "局面図の駒の数が多すぎます" : "局面図が正しくありません");
        }
        pos = start;
        g = GameState{};
        g.manSide = kSente;
        g.comSide = kGote;
        return true;
    }

    void saveEntry(int k, double lb, double la, double ub, double ua) {
        MoveListEntry& e = r.list.entry(k);
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) e.board[x][y] = pos.board[x][y];
        for (int kind = 1; kind <= kHandKinds; ++kind) {
            e.ownHand[kind] = pos.ownHand[kind];
            e.enemyHand[kind] = pos.enemyHand[kind];
        }
        e.manSecondsBefore = lb;
        e.manSecondsAfter = la;
        e.comSecondsBefore = ub;
        e.comSecondsAfter = ua;
        e.movedPiece = 0;
    }

    bool move(int n, std::string_view line, const ParsedMove& pm) {
        if (r.moveCount >= kMaxKifMoves) return fail(n, line, "指し手が多すぎます");
        if (g.winnerSide != 0) return fail(n, line, "玉が取られた後に指し手があります");
        const int order = (r.moveCount % 2 == 0) ? r.firstMover : -r.firstMover;
        const int sign = order == kSente ? -1 : 1;  // 先手 is the lower side (negative codes)
        int toX = 0, toY = 0;
        if (pm.same) {
            if (prevX == 0) return fail(n, line, "最初の指し手に「同」は使えません");
            toX = prevX;
            toY = prevY;
        } else {
            toX = 10 - pm.file;
            toY = pm.rank;
        }
        PawnFiles files;
        調査_2歩フラグ設定(pos, files);
        const int named = sign * pm.code;
        int fromX = 0, fromY = 0, piece = 0;
        bool drop = pm.drop;
        if (pm.hasFrom) {
            if (pm.drop) return fail(n, line, "打つ駒に移動元があります");
            fromX = 10 - pm.fromFile;
            fromY = pm.fromRank;
            piece = pos.board[fromX][fromY];
            if (piece == kEmpty || (piece < 0) != (sign < 0)) return fail(n, line, "移動元に手番の駒がありません");
            const int have = absCode(piece) == kGoldAlt ? kGold : absCode(piece);
            if (have != pm.code) return fail(n, line, "移動元の駒が指し手の駒と違います");
        } else if (!pm.drop) {
            // No origin written: the one piece of that name that can go there,
            // or else a drop.
            int found = 0;
            for (int x = 1; x <= 9; ++x)
                for (int y = 1; y <= 9; ++y)
                    if (pos.board[x][y] == named && 移動チェック(pos, files, x, y, toX, toY, named) == 1) {
                        ++found;
                        fromX = x;
                        fromY = y;
                    }
            if (found > 1) return fail(n, line, "どの駒が動いたのか分かりません（移動元を書いて下さい）");
            if (found == 1) {
                piece = named;
            } else {
                const int kind = handKindOf(named);
                const int* hand = sign < 0 ? pos.ownHand : pos.enemyHand;
                if (kind == 0 || kHandKindCode[kind] != pm.code || hand[kind] < 1)
                    return fail(n, line, "その駒はそこへ動けません");
                drop = true;
            }
        }
        int placed = 0;
        if (drop) {
            const int kind = handKindOf(named);
            if (kind == 0 || kHandKindCode[kind] != pm.code || pm.promote) return fail(n, line, "この駒は打てません");
            const int* hand = sign < 0 ? pos.ownHand : pos.enemyHand;
            if (hand[kind] < 1) return fail(n, line, "持駒にない駒は打てません");
            fromX = sign < 0 ? kLowerHandCol : kUpperHandCol;
            fromY = dropFromY(fromX, kind);
            piece = named;
            if (移動チェック(pos, files, fromX, fromY, toX, toY, piece) != 1)
                return fail(n, line, "そこへは打てません");
            placed = piece;
        } else {
            if (移動チェック(pos, files, fromX, fromY, toX, toY, piece) != 1)
                return fail(n, line, "その駒はそこへ動けません");
            int promoted = 0;
            const bool may = 調査_駒成(fromX, fromY, toX, toY, piece, promoted) == 1;
            if (pm.promote) {
                if (!may) return fail(n, line, "この駒は成れません");
                placed = promoted;
            } else {
                if (移動後チェック(toY, piece) == 0) return fail(n, line, "成らなければ動けない駒です");
                placed = piece;
            }
        }
        const int side = sign < 0 ? 0 : 1;
        const double lb = total[0], ub = total[1];
        // The total the file gives wins over the sum of the moves' times.
        if (pm.total >= 0)
            total[side] = static_cast<double>(pm.total);
        else if (pm.spent > 0)
            total[side] += static_cast<double>(pm.spent);
        saveEntry(r.moveCount, lb, total[0], ub, total[1]);
        MoveRecord rec;
        rec.drop = drop;
        rec.fromX = drop ? 0 : fromX;
        rec.fromY = drop ? 0 : fromY;
        rec.toX = toX;
        rec.toY = toY;
        rec.piece = piece;
        rec.promote = placed != piece;
        int unused = 0;
        rec.mayPromote = !drop && 調査_駒成(fromX, fromY, toX, toY, piece, unused) == 1;
        rec.captured = pos.board[toX][toY];
        駒移動_局面(pos, g, fromX, fromY, toX, toY, placed);
        r.moves.push_back(rec);
        ++r.moveCount;
        prevX = toX;
        prevY = toY;
        return true;
    }

    bool line(int n, std::string_view raw) {
        if (raw.size() > kMaxKifLineBytes) return fail(n, {}, "行が長すぎます");
        const std::string_view s = trim(raw);
        if (s.empty() || s[0] == '#' || s[0] == '*' || s[0] == '&') return true;
        if (startsWith(s, "まで")) {
            if (s.find("先手の勝ち") != std::string_view::npos || s.find("下手の勝ち") != std::string_view::npos)
                r.winner = kSente;
            if (s.find("後手の勝ち") != std::string_view::npos || s.find("上手の勝ち") != std::string_view::npos)
                r.winner = kGote;
            return true;
        }
        if (startsWith(s, "手数－") || startsWith(s, "手数-") || startsWith(s, "手数＝")) return true;
        if (s[0] == '|') {
            if (started) return fail(n, s, "指し手の後に局面図があります");
            haveBoard = true;
            if (boardRows >= 9 || !readBoardRow(s, boardRows + 1, start)) return fail(n, s, "局面図の段が読めません");
            ++boardRows;
            return true;
        }
        if (s[0] == '+' || onlyFullWidthDigits(s)) return true;  // the block's frame and file numbers
        if (s == "先手番" || s == "下手番") {
            r.firstMover = kSente;
            firstMoverGiven = true;
            return true;
        }
        if (s == "後手番" || s == "上手番") {
            r.firstMover = kGote;
            firstMoverGiven = true;
            return true;
        }
        std::string_view rest = s;
        const int number = takeNumber(rest);
        if (number >= 0) {
            if (rest.size() == trimLeft(rest).size()) return fail(n, s, "指し手の行が読めません");
            ParsedMove pm;
            if (std::string why = parseMove(rest, pm); !why.empty()) return fail(n, s, why);
            if (!begin(n)) return false;
            if (pm.end) {
                // The side to move resigned; the summary line may still say otherwise.
                if (pm.resigned) r.winner = r.moveCount % 2 == 0 ? -r.firstMover : r.firstMover;
                ended = true;
                return false;
            }
            if (number != r.moveCount + 1) return fail(n, s, "手数が順番どおりではありません");
            return move(n, s, pm);
        }
        std::size_t colon = s.find("：");
        std::size_t colonLen = std::string_view("：").size();
        if (colon == std::string_view::npos) {
            colon = s.find(':');
            colonLen = 1;
        }
        if (colon != std::string_view::npos && colon > 0)
            return header(n, s, trim(s.substr(0, colon)), trim(s.substr(colon + colonLen)));
        return fail(n, s, "読めない行です");
    }
};

}  // namespace

KifReadResult 解析_KIF(std::string_view bytes) {
    Reader rd;
    rd.r.list.entries.clear();
    auto refuse = [&](const std::string& why) {
        KifReadResult r;
        r.list.entries.clear();
        r.message = why;
        return r;
    };
    if (bytes.size() > kMaxKifBytes) return refuse("ファイルが大きすぎます");
    const DecodedText decoded = decodeRecordText(bytes, "KIF");
    if (!decoded.error.empty()) return refuse(decoded.error);
    const std::string& text = decoded.text;

    rd.r.list.entries.resize(501);
    const std::vector<std::string_view> lines = splitRecordLines(text);
    int n = 0;
    for (const std::string_view line : lines) {
        ++n;
        const std::string_view t = trim(line);
        if (startsWith(t, "変化：") || startsWith(t, "変化:")) break;  // variations are not read
        if (rd.ended) {
            // After the last move only the summary line ("まで…の勝ち") is read.
            if (startsWith(t, "まで")) rd.line(n, t);
            continue;
        }
        if (!rd.line(n, line)) {
            if (!rd.r.message.empty()) {
                KifReadResult failed = refuse(rd.r.message);
                failed.badLine = rd.r.badLine;
                return failed;
            }
            rd.ended = true;  // the end of the moves
        }
    }
    if (!rd.begin(n)) {
        KifReadResult failed = refuse(rd.r.message);
        failed.badLine = rd.r.badLine;
        return failed;
    }
    if (lines.empty()) return refuse("KIFファイルが空です");
    if (rd.r.moveCount == 0 && !rd.haveBoard && !rd.sawHeader && !rd.ended)
        return refuse("KIFファイルではありません（ヘッダも指し手もありません）");
    // The end of the game, with both totals.
    rd.saveEntry(rd.r.moveCount, rd.total[0], rd.total[0], rd.total[1], rd.total[1]);
    rd.r.list.recordLength = 0;
    rd.r.list.lastEntry = rd.r.moveCount;
    rd.r.ok = true;
    return std::move(rd.r);
}

KifReadResult 読込_KIF(const std::filesystem::path& file) {
    const FileReadResult read = readWholeFile(file, kMaxKifBytes);
    if (read.status != FileReadStatus::Ok) {
        KifReadResult r;
        r.list.entries.clear();
        switch (read.status) {
        case FileReadStatus::NotFound: r.message = "KIFファイルが見つかりません"; break;
        case FileReadStatus::TooLarge: r.message = "KIFファイルが大きすぎます"; break;
        default: r.message = "KIFファイルを読み込めません"; break;
        }
        return r;
    }
    return 解析_KIF(read.bytes);
}

}  // namespace xantu
