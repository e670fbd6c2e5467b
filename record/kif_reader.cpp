#include "record/kif_reader.h"

#include <vector>

#include "core/cp932.h"
#include "core/handicap.h"
#include "core/legal_moves.h"
#include "core/move_rules.h"
#include "record/kif_text.h"
#include "record/record_text.h"

namespace xantu {

namespace {

// ---- Words of a line -------------------------------------------------------

// Removes `prefix` from the front of s when it is there.
bool take(std::string_view& s, std::string_view prefix) {
    if (!textStartsWith(s, prefix)) return false;
    s.remove_prefix(prefix.size());
    return true;
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

constexpr std::string_view kKanjiDigits[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};

// A rank written in kanji (一..九) or as a digit.
int takeRank(std::string_view& s) {
    for (int r = 0; r < 9; ++r)
        if (take(s, kKanjiDigits[r])) return r + 1;
    return takeDigit(s);
}

// Count of pieces in hand after the name: "二", "十", "十八" or digits; 1
// when none is written.
int takeKanjiCount(std::string_view& s) {
    int n = take(s, "十") ? 10 : 0;
    for (int u = 0; u < 9; ++u)
        if (take(s, kKanjiDigits[u])) {
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
        if (take(s, p.name)) return p.code;
    return 0;
}

// The kind a move line names for a piece code of either side (the second
// gold code is a gold).
int namedKind(int code) { return absCode(code) == kGoldAlt ? kGold : absCode(code); }

bool onlyFullWidthDigits(std::string_view s) {
    if (s.empty()) return false;
    while (!s.empty()) {
        s = trimRecordLeft(s);
        if (s.empty()) break;
        if (s[0] >= '0' && s[0] <= '9') return false;
        if (takeDigit(s) < 0) return false;
    }
    return true;
}

// ---- Kinds of line -----------------------------------------------------------

enum class LineKind {
    Blank,
    Comment,      // "#…", "*…" (a comment on a move), "&…" (a bookmark)
    Header,       // "key：value"
    TurnMark,     // "先手番" / "後手番" (or 下手番 / 上手番) after a board block
    BoardRow,     // "|v香v桂 ・…|一"
    BoardFrame,   // "+-----+" and the row of file numbers above a board block
    MoveHeading,  // "手数----指手---------消費時間--"
    Move,         // a number, then a move: "  12 ７六歩(77)   ( 0:01/00:00:03)"
    Ending,       // a number, then a word that is not a move: "  13 投了", "194 Time-up"
    Summary,      // "まで12手で先手の勝ち"
    Variation,    // "変化：13手": the variations follow the main line
    Unreadable,
};

struct KindByPrefix {
    std::string_view prefix;
    LineKind kind;
    bool whole;  // the line must be exactly the prefix
};
constexpr KindByPrefix kKindsByPrefix[] = {
    {"#", LineKind::Comment, false},          {"*", LineKind::Comment, false},
    {"&", LineKind::Comment, false},          {"変化：", LineKind::Variation, false},
    {"変化:", LineKind::Variation, false},    {"まで", LineKind::Summary, false},
    {"手数－", LineKind::MoveHeading, false}, {"手数-", LineKind::MoveHeading, false},
    {"手数＝", LineKind::MoveHeading, false}, {"|", LineKind::BoardRow, false},
    {"+", LineKind::BoardFrame, false},       {"先手番", LineKind::TurnMark, true},
    {"下手番", LineKind::TurnMark, true},     {"後手番", LineKind::TurnMark, true},
    {"上手番", LineKind::TurnMark, true},
};

struct Line {
    LineKind kind = LineKind::Unreadable;
    std::string_view text;  // without the blanks around it
    int number = 0;         // Move, Ending: the number in front
    std::string_view body;  // Move, Ending: the text after the number and the ▲△ mark
};

// How the game ended, when a numbered line names it: the result for the side
// whose turn it was (or for the side the line names).
enum class EndResult { NoWinner, MoverLoses, MoverWins };
struct EndWord {
    std::string_view word;
    std::string_view shown;  // in the loading message
    EndResult result;
};
constexpr EndWord kEndWords[] = {
    {"投了", "投了", EndResult::MoverLoses},         {"詰み", "詰み", EndResult::MoverLoses},
    {"切れ負け", "切れ負け", EndResult::MoverLoses}, {"時間切れ", "時間切れ", EndResult::MoverLoses},
    {"Time-up", "時間切れ", EndResult::MoverLoses},  {"反則負け", "反則負け", EndResult::MoverLoses},
    {"不戦敗", "不戦敗", EndResult::MoverLoses},     {"反則勝ち", "反則勝ち", EndResult::MoverWins},
    {"入玉勝ち", "入玉勝ち", EndResult::MoverWins},  {"不戦勝", "不戦勝", EndResult::MoverWins},
    {"中断", "中断", EndResult::NoWinner},           {"千日手", "千日手", EndResult::NoWinner},
    {"持将棋", "持将棋", EndResult::NoWinner},       {"不詰", "不詰", EndResult::NoWinner},
    {"封じ手", "封じ手", EndResult::NoWinner},
};
constexpr std::string_view kUnknownEnd = "終局理由不明";

const EndWord* endWordAt(std::string_view s) {
    for (const EndWord& w : kEndWords)
        if (textStartsWith(s, w.word)) return &w;
    return nullptr;
}

// Whether the text after a move number starts as a move does: a destination
// square (a file digit and a rank) or 同.
bool looksLikeMove(std::string_view s) {
    if (textStartsWith(s, "同")) return true;
    const int file = takeDigit(s);
    return file >= 1 && file <= 9 && takeRank(s) >= 1;
}

Line classify(std::string_view raw) {
    Line l;
    l.text = trimRecord(raw);
    const std::string_view s = l.text;
    if (s.empty()) {
        l.kind = LineKind::Blank;
        return l;
    }
    for (const KindByPrefix& k : kKindsByPrefix)
        if (k.whole ? s == k.prefix : textStartsWith(s, k.prefix)) {
            l.kind = k.kind;
            return l;
        }
    if (onlyFullWidthDigits(s)) {
        l.kind = LineKind::BoardFrame;
        return l;
    }
    std::string_view rest = s;
    l.number = takeNumber(rest);
    if (l.number >= 0 && !rest.empty() && trimRecordLeft(rest).size() < rest.size()) {
        rest = trimRecordLeft(rest);
        for (std::string_view mark : {"▲", "△", "☗", "☖"})
            if (take(rest, mark)) break;
        l.body = trimRecordLeft(rest);
        l.kind = looksLikeMove(l.body) ? LineKind::Move : LineKind::Ending;
        return l;
    }
    l.number = 0;
    const std::size_t colon = std::min(s.find("："), s.find(':'));
    l.kind = colon != std::string_view::npos && colon > 0 ? LineKind::Header : LineKind::Unreadable;
    return l;
}

// ---- A move line -------------------------------------------------------------

struct ParsedMove {
    bool same = false;  // 同
    int file = 0, rank = 0;
    int code = 0;  // unsigned code named
    bool promote = false, drop = false;
    bool hasFrom = false;
    int fromFile = 0, fromRank = 0;
    long spent = -1;  // seconds of the move, −1 when not given
    long total = -1;  // the mover's total after it, −1 when not given
};

bool takeOpen(std::string_view& s) { return take(s, "(") || take(s, "（"); }
bool takeClose(std::string_view& s) { return take(s, ")") || take(s, "）"); }

// The origin "(77)".
bool takeOrigin(std::string_view& s, ParsedMove& m) {
    std::string_view t = s;
    if (!takeOpen(t)) return false;
    m.fromFile = takeDigit(t);
    m.fromRank = takeDigit(t);
    if (m.fromFile < 1 || m.fromRank < 1 || !takeClose(t)) return false;
    s = t;
    m.hasFrom = true;
    return true;
}

// The time "( 0:01/00:00:01)": the move's minutes and seconds, then the
// mover's total. A column that does not read so is left alone.
void takeTime(std::string_view s, ParsedMove& m) {
    if (!takeOpen(s)) return;
    s = trimRecordLeft(s);
    const int minutes = takeNumber(s);
    if (minutes < 0 || !take(s, ":")) return;
    const int seconds = takeNumber(s);
    if (seconds < 0) return;
    m.spent = static_cast<long>(minutes) * 60 + seconds;
    if (!take(s, "/")) return;
    const int h = takeNumber(s);
    if (h < 0 || !take(s, ":")) return;
    const int mm = takeNumber(s);
    if (mm < 0 || !take(s, ":")) return;
    const int ss = takeNumber(s);
    if (ss >= 0) m.total = (static_cast<long>(h) * 60 + mm) * 60 + ss;
}

// Parses the move after its number. Returns None or the reason.
RecordProblemCode parseMove(std::string_view s, ParsedMove& m) {
    if (take(s, "同")) {
        s = trimRecordLeft(s);
        m.same = true;
    } else {
        m.file = takeDigit(s);
        m.rank = takeRank(s);
    }
    m.code = takePiece(s);
    if (m.code == 0) return RecordProblemCode::BadPieceName;
    for (;;) {
        if (take(s, "不成") || take(s, "生")) continue;  // a promotion declined: the default
        if (take(s, "成"))
            m.promote = true;
        else if (take(s, "打"))
            m.drop = true;
        else
            break;
    }
    const bool opens = textStartsWith(s, "(") || textStartsWith(s, "（");
    if (opens && !takeOrigin(s, m) && s.find(':') == std::string_view::npos) return RecordProblemCode::BadOrigin;
    // After the move: the time column, straight away or after blanks, or a
    // variation mark "+", or blanks and anything.
    if (!s.empty() && !textStartsWith(s, "(") && !textStartsWith(s, "（") && !textStartsWith(s, "+") &&
        trimRecordLeft(s).size() == s.size())
        return RecordProblemCode::TrailingText;
    takeTime(trimRecordLeft(s), m);
    return RecordProblemCode::None;
}

// ---- The start ---------------------------------------------------------------

// The handicaps KIF names: the steps of the handicap ladder that 上手 (後手,
// the upper side) lacks, as bits (bit n = step n of kUpperHandicap).
struct NamedHandicap {
    std::string_view name;
    unsigned steps;
};
constexpr unsigned stepsUpTo(int n) { return ((1u << (n + 1)) - 1) & ~1u; }
constexpr unsigned step(int n) { return 1u << n; }
// Steps: 1 bishop, 2 rook, 3 and 4 the lances of files 1 and 9, 5 and 6 the
// knights of files 2 and 8, 7 and 8 the silvers of files 3 and 7, 9 and 10 the golds.
constexpr NamedHandicap kNamedHandicaps[] = {
    {"香落ち", step(3)},
    {"右香落ち", step(4)},
    {"角落ち", step(1)},
    {"飛車落ち", step(2)},
    {"飛香落ち", step(2) | step(3)},
    {"二枚落ち", stepsUpTo(2)},
    {"三枚落ち", stepsUpTo(3)},
    {"四枚落ち", stepsUpTo(4)},
    {"五枚落ち", stepsUpTo(4) | step(6)},
    {"左五枚落ち", stepsUpTo(5)},
    {"六枚落ち", stepsUpTo(6)},
    {"左七枚落ち", stepsUpTo(7)},
    {"右七枚落ち", stepsUpTo(6) | step(8)},
    {"八枚落ち", stepsUpTo(8)},
    {"十枚落ち", stepsUpTo(10)},
};

// Pieces in hand "飛　角二　歩十八" or "なし" into hand[1..7].
bool readHand(std::string_view s, int* hand) {
    s = trimRecord(s);
    if (s.empty() || s == "なし") return true;
    while (!s.empty()) {
        s = trimRecordLeft(s);
        if (s.empty()) break;
        if (take(s, "、") || take(s, ",")) continue;
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
        if (take(s, "・")) {
            p.board[x][y] = kEmpty;
            continue;
        }
        const int code = takePiece(s);
        if (code == 0) return false;
        p.board[x][y] = owner == 'v' || owner == '-' ? code : -code;
    }
    return textStartsWith(s, "|");
}

// ---- The reader --------------------------------------------------------------

// Where the reader is in the file.
enum class Section {
    Start,  // headers, a board block: the start may still change
    Moves,  // after the first move or a variation mark: moves, comments and the end only
    Over,   // the line has ended: only the summary "まで…" and the next variation are read
};

// "変化：13手": the move number the variation starts at; 0 when unreadable.
int variationMove(std::string_view s) {
    if (!take(s, "変化：") && !take(s, "変化:")) return 0;
    s = trimRecordLeft(s);
    const int n = takeNumber(s);
    if (n < 1 || !take(s, "手") || !trimRecord(s).empty()) return 0;
    return n;
}

// "# ヒント 2回": the hints a game of this program was played with; −1 when
// the comment says something else.
int hintComment(std::string_view s) {
    if (!take(s, "#")) return -1;
    s = trimRecordLeft(s);
    if (!take(s, "ヒント")) return -1;
    s = trimRecordLeft(s);
    const int n = takeNumber(s);
    return n >= 0 && take(s, "回") && trimRecord(s).empty() ? n : -1;
}

struct Reader {
    RecordRead out;
    GameRecord& game = out.game;
    Section section = Section::Start;
    Position start;
    bool haveBoard = false;
    int boardRows = 0;
    int handSente[8]{}, handGote[8]{};
    bool handicapNamed = false;
    bool firstMoverGiven = false;
    bool startFixed = false;
    bool mainLine = true;   // no variation mark yet
    bool skipping = false;  // the variation read last is not read
    // The line being read: its nodes from the root ([ply] the node of that
    // move), and for every node the Position after it and whether its move
    // took a king.
    std::vector<int> path{kRecordRoot};
    std::vector<Position> after;
    std::vector<bool> kingTaken{false};
    double total[2]{};  // the line's totals so far: 0 the lower side (先手), 1 the upper

    // Records the refusal; always false, so that callers can return it.
    bool fail(int line, std::string_view text, RecordProblemCode code) {
        out.problem.code = code;
        out.problem.line = line;
        out.problem.text = text;
        return false;
    }

    int ply() const { return static_cast<int>(path.size()) - 1; }
    int moverOrder() const { return 調査_手番(game, ply() + 1); }

    // Reads one line; false when the file is refused (the reason in out).
    bool read(int n, std::string_view raw) {
        if (section == Section::Over) {
            const Line l = classify(raw);
            if (l.kind == LineKind::Summary && mainLine) summary(l.text);
            if (l.kind == LineKind::Variation) return variation(n, l);
            return true;
        }
        if (raw.size() > kMaxKifLineBytes) return fail(n, {}, RecordProblemCode::LineTooLong);
        const Line l = classify(raw);
        const bool inMoves = section == Section::Moves;
        switch (l.kind) {
        case LineKind::Blank: return true;
        case LineKind::Comment: comment(l.text); return true;
        case LineKind::Variation: return variation(n, l);
        case LineKind::Summary:
            if (mainLine) summary(l.text);
            section = Section::Over;
            return true;
        case LineKind::Move: return move(n, l);
        case LineKind::Ending: return ending(n, l);
        case LineKind::BoardRow:
            if (inMoves) return fail(n, l.text, RecordProblemCode::BoardAfterMoves);
            haveBoard = true;
            if (boardRows >= 9 || !readBoardRow(l.text, boardRows + 1, start))
                return fail(n, l.text, RecordProblemCode::BadBoardRow);
            ++boardRows;
            return true;
        case LineKind::Header:
            if (inMoves) return fail(n, l.text, RecordProblemCode::NotAMoveAmongMoves);
            return header(n, l.text);
        case LineKind::BoardFrame:
        case LineKind::MoveHeading:
            if (inMoves) return fail(n, l.text, RecordProblemCode::NotAMoveAmongMoves);
            return true;
        case LineKind::TurnMark:
            if (inMoves) return fail(n, l.text, RecordProblemCode::NotAMoveAmongMoves);
            game.firstMover = l.text == "先手番" || l.text == "下手番" ? kSente : kGote;
            firstMoverGiven = true;
            return true;
        case LineKind::Unreadable:
            return fail(n, l.text, inMoves ? RecordProblemCode::NotAMoveAmongMoves : RecordProblemCode::UnreadableLine);
        }
        return fail(n, l.text, RecordProblemCode::UnreadableLine);
    }

    // "*…" belongs to the move above it (the start before the first move);
    // "# ヒント N回" gives the hints; other comments are skipped.
    void comment(std::string_view text) {
        if (text[0] == '*') {
            game.nodes[static_cast<std::size_t>(path.back())].comments.emplace_back(text.substr(1));
        } else if (const int hints = hintComment(text); hints >= 0 && section == Section::Start) {
            game.hintCount = hints;
        }
    }

    void summary(std::string_view s) {
        auto has = [s](std::string_view w) { return s.find(w) != std::string_view::npos; };
        if (has("先手の勝ち") || has("下手の勝ち")) game.winner = kSente;
        if (has("後手の勝ち") || has("上手の勝ち")) game.winner = kGote;
    }

    bool header(int n, std::string_view line) {
        std::size_t colon = line.find("：");
        std::size_t colonLen = std::string_view("：").size();
        if (const std::size_t ascii = line.find(':'); ascii < colon) {
            colon = ascii;
            colonLen = 1;
        }
        const std::string_view key = trimRecord(line.substr(0, colon));
        const std::string_view value = trimRecord(line.substr(colon + colonLen));
        if (key == "先手" || key == "下手")
            game.senteName = value;
        else if (key == "後手" || key == "上手")
            game.goteName = value;
        else if (key == "棋戦")
            game.event = value;
        else if (key == "持ち時間")
            game.timeControl = value;
        else if (key == "開始日時")
            game.startDateTime = value;
        else if (key == "先手の持駒" || key == "下手の持駒") {
            if (!readHand(value, handSente)) return fail(n, line, RecordProblemCode::BadHand);
        } else if (key == "後手の持駒" || key == "上手の持駒") {
            if (!readHand(value, handGote)) return fail(n, line, RecordProblemCode::BadHand);
        } else if (key == "手合割") {
            return handicap(n, line, value);
        }
        return true;
    }

    bool handicap(int n, std::string_view line, std::string_view name) {
        game.handicap = name;
        if (name == "平手" || name == "その他" || name.empty()) return true;
        for (const NamedHandicap& h : kNamedHandicaps)
            if (name == h.name) {
                初期配置(start);
                for (int s = 1; s <= kHandicapSteps; ++s)
                    if (h.steps & step(s)) start.board[kUpperHandicap[s].x][kUpperHandicap[s].y] = kEmpty;
                handicapNamed = true;
                if (!firstMoverGiven) game.firstMover = kGote;
                return true;
            }
        return fail(n, line, RecordProblemCode::UnknownHandicap);
    }

    // Fixes the start before the first move (or at the end of a file
    // without moves); `n` is the line that needed it.
    bool fixStart(int n) {
        if (startFixed) return true;
        startFixed = true;
        if (haveBoard) {
            if (boardRows != 9) return fail(n, {}, RecordProblemCode::BoardRowCount);
        } else if (!handicapNamed) {
            初期配置(start);
        }
        start.ownHandTotal = start.enemyHandTotal = 0;
        for (int k = 1; k <= kHandKinds; ++k) {
            start.ownHand[k] = handSente[k];
            start.enemyHand[k] = handGote[k];
            start.ownHandTotal += start.ownHand[k];
            start.enemyHandTotal += start.enemyHand[k];
        }
        if (!bothKingsOnBoard(start)) return fail(n, {}, RecordProblemCode::BoardKings);
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) {
                const int c = start.board[x][y];
                if (c == -kKing) {
                    start.manKingX = x;
                    start.manKingY = y;
                }
                // A piece that could never move again cannot stand there.
                if (c != kEmpty && 移動後チェック(y, c) == 0) return fail(n, {}, RecordProblemCode::BoardStrandedPiece);
            }
        // A start no game reaches: no more pieces of a kind than a set holds
        // (18 pawns, 4 golds, …), and the Position's other rules.
        if (const PositionFault f = start.fault(); f.broken()) {
            const bool tooMany =
                f.rule == PositionRule::PieceSet || (f.rule == PositionRule::HandCount && f.found > f.allowed);
            return fail(n, {}, tooMany ? RecordProblemCode::BoardTooManyPieces : RecordProblemCode::BoardInvalid);
        }
        // Comments on the start may come before it is fixed: they stay.
        std::vector<std::string> startComments = std::move(game.nodes[kRecordRoot].comments);
        開始_棋譜(game, start, game.firstMover);
        game.nodes[kRecordRoot].comments = std::move(startComments);
        after.assign(1, start);
        return true;
    }

    // "変化：N手": the moves that follow leave, at move N, the line read last.
    // One that leaves it where it has no move (where a word ended it), and
    // the variations inside that one, are not read.
    bool variation(int n, const Line& l) {
        if (!fixStart(n)) return false;
        const int from = variationMove(l.text) - 1;
        if (from < 0 || (from > ply() && !skipping)) return fail(n, l.text, RecordProblemCode::BadVariation);
        mainLine = false;
        skipping = from >= ply();
        if (skipping) {
            section = Section::Over;
            return true;
        }
        path.resize(static_cast<std::size_t>(from) + 1);
        const MoveClock& c = game.nodes[static_cast<std::size_t>(path.back())].clock;
        total[0] = from == 0 ? 0 : c.lowerAfter;
        total[1] = from == 0 ? 0 : c.upperAfter;
        section = Section::Moves;
        return true;
    }

    // A numbered line that is not a move ends its line; the moves before it
    // stay. On the main line the word says how the game ended and who won.
    bool ending(int n, const Line& l) {
        if (!fixStart(n)) return false;
        section = Section::Over;
        if (!mainLine) return true;
        std::string_view s = l.body;
        int resultFor = moverOrder();
        for (const auto& [name, order] :
             {std::pair{"先手", kSente}, std::pair{"下手", kSente}, std::pair{"後手", kGote}, std::pair{"上手", kGote}})
            if (take(s, name)) {
                take(s, "の");
                s = trimRecordLeft(s);
                resultFor = order;
                break;
            }
        const EndWord* w = endWordAt(s);
        game.ending = w ? std::string(w->shown) : std::string(kUnknownEnd);
        if (w && w->result == EndResult::MoverLoses) game.winner = -resultFor;
        if (w && w->result == EndResult::MoverWins) game.winner = resultFor;
        return true;
    }

    bool move(int n, const Line& l) {
        ParsedMove pm;
        if (const RecordProblemCode why = parseMove(l.body, pm); why != RecordProblemCode::None)
            return fail(n, l.text, why);
        if (!fixStart(n)) return false;
        section = Section::Moves;
        if (l.number != ply() + 1) return fail(n, l.text, RecordProblemCode::MoveNumberOrder);
        if (static_cast<int>(game.nodes.size()) > kMaxKifMoves) return fail(n, l.text, RecordProblemCode::TooManyMoves);
        const int at = path.back();
        if (kingTaken[static_cast<std::size_t>(at)]) return fail(n, l.text, RecordProblemCode::MoveAfterKingTaken);
        const Position& pos = after[static_cast<std::size_t>(at)];
        const Move& prev = game.nodes[static_cast<std::size_t>(at)].move;
        const Side side = moverOrder() == kSente ? Side::Lower : Side::Upper;  // 先手 is the lower side
        int toX = 0, toY = 0;
        if (pm.same) {
            if (at == kRecordRoot) return fail(n, l.text, RecordProblemCode::SameOnFirstMove);
            toX = prev.toX;
            toY = prev.toY;
        } else {
            toX = 10 - pm.file;
            toY = pm.rank;
        }
        const int fromX = pm.hasFrom ? 10 - pm.fromFile : 0, fromY = pm.hasFrom ? pm.fromRank : 0;
        if (pm.hasFrom) {
            if (pm.drop) return fail(n, l.text, RecordProblemCode::DropWithOrigin);
            const int piece = pos.board[fromX][fromY];
            if (piece == kEmpty || sideOf(piece) != side) return fail(n, l.text, RecordProblemCode::NoOwnPieceAtOrigin);
            if (namedKind(piece) != pm.code) return fail(n, l.text, RecordProblemCode::OriginPieceDiffers);
        }

        // The allowed moves the line can mean: board moves to the square by a
        // piece of that name (from the origin, when written), promoting or
        // not; and the drop of that piece there.
        const std::vector<Move> legal = legalMoves(pos, side);
        std::vector<const Move*> promoting, plain;
        const Move* drop = nullptr;
        for (const Move& m : legal) {
            if (m.toX != toX || m.toY != toY) continue;
            if (m.isDrop()) {
                if (kHandKindCode[m.dropKind] == pm.code) drop = &m;
                continue;
            }
            if (namedKind(pos.board[m.fromX][m.fromY]) != pm.code) continue;
            if (pm.hasFrom && (m.fromX != fromX || m.fromY != fromY)) continue;
            (m.promotes ? promoting : plain).push_back(&m);
        }
        const std::vector<const Move*>& meant = pm.promote ? promoting : plain;
        const Move* chosen = nullptr;
        if (pm.drop || (!pm.hasFrom && promoting.empty() && plain.empty())) {
            // A drop, written so or the only way the piece can get there.
            const int kind = handKindOf(pm.code);
            if (kind == 0 || kHandKindCode[kind] != pm.code || pm.promote)
                return fail(n, l.text,
                            pm.drop ? RecordProblemCode::CannotDropPiece : RecordProblemCode::CannotMoveThere);
            if ((side == Side::Lower ? pos.ownHand : pos.enemyHand)[kind] < 1)
                return fail(n, l.text, pm.drop ? RecordProblemCode::DropNotInHand : RecordProblemCode::CannotMoveThere);
            if (drop == nullptr) return fail(n, l.text, RecordProblemCode::CannotDropThere);
            chosen = drop;
        } else if (meant.size() > 1) {
            return fail(n, l.text, RecordProblemCode::AmbiguousMove);
        } else if (meant.size() == 1) {
            chosen = meant.front();
        } else if (pm.promote && !plain.empty()) {
            return fail(n, l.text, RecordProblemCode::CannotPromote);
        } else if (!pm.promote && !promoting.empty()) {
            return fail(n, l.text, RecordProblemCode::MustPromote);
        } else {
            return fail(n, l.text, RecordProblemCode::CannotMoveThere);
        }

        const int moverSeat = side == Side::Lower ? 0 : 1;
        MoveClock clock{total[0], total[0], total[1], total[1]};
        // The total the file gives wins over the sum of the moves' times.
        if (pm.total >= 0)
            total[moverSeat] = static_cast<double>(pm.total);
        else if (pm.spent > 0)
            total[moverSeat] += static_cast<double>(pm.spent);
        clock.lowerAfter = total[0];
        clock.upperAfter = total[1];
        const Move played = *chosen;
        Position next = pos;
        const bool takesKing = absCode(playMove(next, played)) == kKing;
        const int node = 追加_変化(game, at, played, clock, false);
        after.push_back(next);
        kingTaken.push_back(takesKing);
        path.push_back(node);
        return true;
    }
};

RecordRead refused(RecordProblemCode code, int line = 0) {
    RecordRead r;
    r.problem.code = code;
    r.problem.line = line;
    return r;
}

}  // namespace

RecordRead 解析_KIF(std::string_view bytes) {
    if (bytes.size() > kMaxKifBytes) return refused(RecordProblemCode::BytesTooLarge);
    const DecodedText decoded = decodeRecordText(bytes);
    if (decoded.problem != RecordProblemCode::None) return refused(decoded.problem);
    const std::vector<std::string_view> lines = splitRecordLines(decoded.text);
    if (lines.empty()) return refused(RecordProblemCode::Empty);

    Reader rd;
    int n = 0;
    for (const std::string_view line : lines)
        if (!rd.read(++n, line)) break;
    if (rd.out.ok() && rd.game.nodes.size() == 1 && !rd.haveBoard && !rd.handicapNamed)
        return refused(RecordProblemCode::NoMovesNorBoard);
    if (rd.out.ok()) rd.fixStart(n);
    if (!rd.out.ok()) {
        RecordRead r;
        r.problem = std::move(rd.out.problem);
        return r;
    }
    return std::move(rd.out);
}

RecordRead 読込_KIF(const std::filesystem::path& file) {
    const FileReadResult read = readWholeFile(file, kMaxKifBytes);
    switch (read.status) {
    case FileReadStatus::Ok: return 解析_KIF(read.bytes);
    case FileReadStatus::NotFound: return refused(RecordProblemCode::FileNotFound);
    case FileReadStatus::TooLarge: return refused(RecordProblemCode::FileTooLarge);
    case FileReadStatus::CannotRead: break;
    }
    return refused(RecordProblemCode::FileCannotRead);
}

bool isKifText(std::string_view text) {
    for (const std::string_view raw : splitRecordLines(text)) {
        const Line l = classify(raw);
        if (l.kind == LineKind::Blank || l.kind == LineKind::Comment) continue;
        return l.kind != LineKind::Unreadable;
    }
    return false;
}

}  // namespace xantu
