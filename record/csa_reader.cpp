#include "record/csa_reader.h"

#include <optional>

#include "core/cp932.h"
#include "record/game_builder.h"
#include "record/kif_reader.h"
#include "record/record_text.h"

namespace xantu {

namespace {

std::string_view trimRight(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

struct CsaPiece {
    std::string_view name;
    int code;
};
constexpr CsaPiece kCsaPieces[] = {
    {"FU", kPawn},       {"KY", kLance},      {"KE", kKnight}, {"GI", kSilver},   {"KI", kGold},
    {"KA", kBishop},     {"HI", kRook},       {"OU", kKing},   {"TO", kPromPawn}, {"NY", kPromLance},
    {"NK", kPromKnight}, {"NG", kPromSilver}, {"UM", kHorse},  {"RY", kDragon},
};

// The unsigned code of a two-letter piece name, 0 for anything else.
int pieceCode(std::string_view name) {
    for (const CsaPiece& p : kCsaPieces)
        if (p.name == name) return p.code;
    return 0;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A square "77" (file, rank) as drawn: x = 10 − file, y = rank. "00" (the
// hand) gives x = 0.
bool readSquare(std::string_view s, int& x, int& y) {
    if (s.size() < 2 || !isDigit(s[0]) || !isDigit(s[1])) return false;
    const int file = s[0] - '0', rank = s[1] - '0';
    if (file == 0 && rank == 0) {
        x = y = 0;
        return true;
    }
    if (file < 1 || rank < 1) return false;
    x = 10 - file;
    y = rank;
    return true;
}

// "+7776FU": a move in CSA form (the sign, two squares, a piece).
bool looksLikeMove(std::string_view s) {
    return s.size() == 7 && (s[0] == '+' || s[0] == '-') && isDigit(s[1]) && isDigit(s[2]) && isDigit(s[3]) &&
           isDigit(s[4]) && pieceCode(s.substr(5, 2)) != 0;
}

// The endings, with the word a loading message shows and the result as
// seen from the side to move (+1 it wins, −1 it loses, 0 no winner); the
// ±ILLEGAL_ACTION words name the side at fault instead.
struct Ending {
    std::string_view word;
    std::string_view shown;
    int sideToMoveResult;
};
constexpr Ending kEndings[] = {
    {"TORYO", "投了", -1},
    {"CHUDAN", "中断", 0},
    {"SENNICHITE", "千日手", 0},
    {"TIME_UP", "時間切れ", -1},
    {"ILLEGAL_MOVE", "反則負け", -1},
    {"JISHOGI", "持将棋", 0},
    {"KACHI", "入玉勝ち", 1},
    {"HIKIWAKE", "引き分け", 0},
    {"MATTA", "待った", 0},
    {"TSUMI", "詰み", -1},
    {"FUZUMI", "不詰", 0},
    {"ERROR", "エラー", 0},
    {"MAX_MOVES", "最大手数", 0},
};

// How many pieces of each hand kind one set holds.
constexpr int kSetCount[8] = {0, 18, 4, 4, 4, 4, 2, 2};

enum class Phase { Header, Start, Moves, Ended };

struct CsaReader {
    RecordProblem problem{RecordProblemCode::None, RecordTextFormat::Csa, 0, 0, {}, {}};
    GameRecord header;  // the header fields and the ending read
    GameBuilder game;
    Phase phase = Phase::Header;
    Position start;
    bool startGiven = false;         // PI, P1…P9 or P+/P- seen
    bool initial = false;            // PI
    int rows = 0;                    // P1…P9 read
    bool allTo[2] = {false, false};  // "00AL": the rest into 先手's (0) / 後手's (1) hand
    int firstMover = 0;
    bool sawSomething = false;  // a version, start, turn or move
    bool timeGiven = true;      // the last move already has its time (or there is no move yet)

    bool fail(int line, std::string_view text, RecordProblemCode why) {
        problem.code = why;
        problem.line = line;
        problem.text = text;
        return false;
    }

    // Places a piece of P+/P- ("00KA" into the hand).
    bool place(int n, std::string_view line, int sign, std::string_view item) {
        int x = 0, y = 0;
        if (item.size() != 4 || !readSquare(item, x, y)) return fail(n, line, RecordProblemCode::BadPiecePlace);
        const std::string_view name = item.substr(2);
        if (x == 0 && name == "AL") {
            allTo[sign < 0 ? 0 : 1] = true;
            return true;
        }
        const int code = pieceCode(name);
        if (code == 0) return fail(n, line, RecordProblemCode::BadPieceName);
        if (x == 0) {
            const int kind = handKindOf(code);
            if (kind == 0 || kHandKindCode[kind] != code) return fail(n, line, RecordProblemCode::NotAHandPiece);
            int* hand = sign < 0 ? start.ownHand : start.enemyHand;
            if (hand[kind] >= 18) return fail(n, line, RecordProblemCode::StartTooManyPieces);
            ++hand[kind];
            return true;
        }
        if (start.board[x][y] != kEmpty) return fail(n, line, RecordProblemCode::TwoPiecesOnSquare);
        start.board[x][y] = sign * code;
        return true;
    }

    // "PI82HI22KA": the standard layout without the named pieces.
    bool initialLayout(int n, std::string_view line, std::string_view rest) {
        if (startGiven) return fail(n, line, RecordProblemCode::StartTwice);
        初期配置(start);
        initial = startGiven = true;
        while (!rest.empty()) {
            int x = 0, y = 0;
            if (rest.size() < 4 || !readSquare(rest, x, y) || x == 0)
                return fail(n, line, RecordProblemCode::BadRemovalSquare);
            const int code = pieceCode(rest.substr(2, 2));
            if (code == 0 || absCode(start.board[x][y]) != code)
                return fail(n, line, RecordProblemCode::RemovalNotInLayout);
            start.board[x][y] = kEmpty;
            rest.remove_prefix(4);
        }
        return true;
    }

    // "P1-KY-KE-GI-KI-OU-KI-GI-KE-KY": rank y, file 9 to 1, " * " empty.
    bool row(int n, std::string_view line, int y, std::string_view rest) {
        if (initial || y != rows + 1) return fail(n, line, RecordProblemCode::RowOrder);
        std::string cells(trimRight(rest));
        // Editors may strip the blank after a last empty square.
        while (cells.size() < 27) cells += ' ';
        if (cells.size() != 27) return fail(n, line, RecordProblemCode::BadRow);
        for (int i = 0; i < 9; ++i) {
            const std::string_view cell = std::string_view(cells).substr(static_cast<std::size_t>(i) * 3, 3);
            const int x = i + 1;  // file 9 − i is column i + 1 as drawn
            if (cell == " * ") {
                start.board[x][y] = kEmpty;
                continue;
            }
            const int code = pieceCode(cell.substr(1));
            if ((cell[0] != '+' && cell[0] != '-') || code == 0) return fail(n, line, RecordProblemCode::BadRow);
            start.board[x][y] = cell[0] == '+' ? -code : code;
        }
        ++rows;
        startGiven = true;
        return true;
    }

    // Fixes the start before the turn line or the first move.
    bool begin(int n, int mover) {
        if (game.started()) return true;
        if (rows != 0 && rows != 9) return fail(n, {}, RecordProblemCode::RowCount);
        if (!startGiven) 初期配置(start);
        for (int side = 0; side < 2; ++side) {
            if (!allTo[side]) continue;
            int count[8]{};
            for (int x = 1; x <= 9; ++x)
                for (int y = 1; y <= 9; ++y) ++count[handKindOf(start.board[x][y])];
            for (int k = 1; k <= kHandKinds; ++k) count[k] += start.ownHand[k] + start.enemyHand[k];
            int* hand = side == 0 ? start.ownHand : start.enemyHand;
            for (int k = 1; k <= kHandKinds; ++k)
                if (count[k] < kSetCount[k]) hand[k] += kSetCount[k] - count[k];
        }
        if (firstMover == 0) firstMover = mover;
        if (const RecordProblemCode why = game.start(start, firstMover); why != RecordProblemCode::None)
            return fail(n, {}, why);
        return true;
    }

    bool move(int n, std::string_view line, std::string_view s) {
        const int mover = s[0] == '+' ? kSente : kGote;
        if (!begin(n, mover)) return false;
        phase = Phase::Moves;
        if (mover != game.sideToMove()) return fail(n, line, RecordProblemCode::NotSideToMove);
        int fromX = 0, fromY = 0, toX = 0, toY = 0;
        if (!readSquare(s.substr(1), fromX, fromY) || !readSquare(s.substr(3), toX, toY) || toX == 0)
            return fail(n, line, RecordProblemCode::BadMoveSquares);
        const int named = pieceCode(s.substr(5, 2));
        RecordProblemCode why = RecordProblemCode::None;
        if (fromX == 0) {
            const int kind = handKindOf(named);
            if (kind == 0 || kHandKindCode[kind] != named) return fail(n, line, RecordProblemCode::CannotDropPiece);
            why = game.drop(kind, toX, toY);
        } else {
            // The piece after the move: the same, or its promoted form.
            const int have = absCode(game.position().board[fromX][fromY]);
            const bool own = game.position().board[fromX][fromY] != kEmpty &&
                             (game.position().board[fromX][fromY] < 0) == (mover == kSente);
            if (!own) return fail(n, line, RecordProblemCode::NoOwnPieceAtOrigin);
            const int haveName = have == kGoldAlt ? kGold : have;
            const bool promote = named != haveName;
            if (promote && (named != have + 1 || named == kGoldAlt || have == kKing))
                return fail(n, line, RecordProblemCode::OriginPieceDiffers);
            why = game.boardMove(fromX, fromY, toX, toY, promote);
        }
        if (why != RecordProblemCode::None) return fail(n, line, why);
        timeGiven = false;
        return true;
    }

    bool time(int n, std::string_view line, std::string_view s) {
        if (phase != Phase::Moves || game.moveCount() == 0) return fail(n, line, RecordProblemCode::TimeBeforeMove);
        if (timeGiven) return fail(n, line, RecordProblemCode::TwoTimes);
        std::string_view digits = s.substr(1);
        long seconds = 0;
        std::size_t i = 0;
        for (; i < digits.size() && isDigit(digits[i]); ++i)
            if (seconds < 10000000) seconds = seconds * 10 + (digits[i] - '0');
        if (i == 0) return fail(n, line, RecordProblemCode::BadTime);
        if (i < digits.size()) {
            // A fraction of a second is allowed and dropped.
            if (digits[i] != '.' || i + 1 == digits.size()) return fail(n, line, RecordProblemCode::BadTime);
            for (++i; i < digits.size(); ++i)
                if (!isDigit(digits[i])) return fail(n, line, RecordProblemCode::BadTime);
        }
        game.addSeconds(static_cast<double>(seconds));
        timeGiven = true;
        return true;
    }

    bool ending(int n, std::string_view line, std::string_view word) {
        if (!begin(n, kSente)) return false;
        const int toMove = game.sideToMove();
        header.ending = "終局理由不明";
        if (word == "+ILLEGAL_ACTION" || word == "-ILLEGAL_ACTION") {
            header.winner = word[0] == '+' ? kGote : kSente;
            header.ending = "反則負け";
        } else {
            bool known = false;
            for (const Ending& e : kEndings)
                if (word == e.word) {
                    header.winner = e.sideToMoveResult * toMove;
                    header.ending = e.shown;
                    known = true;
                }
            if (!known &&
                (word.empty() || word.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ_+-") != std::string_view::npos))
                return fail(n, line, RecordProblemCode::BadEnding);
        }
        phase = Phase::Ended;
        return true;
    }

    bool statement(int n, std::string_view line, std::string_view s) {
        s = trimRecord(s);
        if (s.empty()) return true;
        if (s[0] == 'V') {
            if (phase != Phase::Header || sawSomething) return fail(n, line, RecordProblemCode::VersionNotFirst);
            if (s != "V2" && s != "V2.1" && s != "V2.2" && s != "V3.0")
                return fail(n, line, RecordProblemCode::UnknownVersion);
            sawSomething = true;
            return true;
        }
        if (s[0] == 'N' && s.size() >= 2 && (s[1] == '+' || s[1] == '-')) {
            if (phase == Phase::Header) (s[1] == '+' ? header.senteName : header.goteName) = std::string(s.substr(2));
            return true;
        }
        if (s[0] == '$') {
            const std::size_t colon = s.find(':');
            if (colon == std::string_view::npos) return fail(n, line, RecordProblemCode::BadInfoLine);
            if (phase != Phase::Header) return true;
            const std::string_view key = s.substr(1, colon - 1), value = s.substr(colon + 1);
            if (key == "EVENT") header.event = value;
            if (key == "START_TIME") header.startDateTime = value;
            return true;
        }
        if (s[0] == 'P' && s.size() >= 2) {
            if (phase != Phase::Header && phase != Phase::Start)
                return fail(n, line, RecordProblemCode::StartAfterMoves);
            phase = Phase::Start;
            sawSomething = true;
            if (s[1] == 'I') return initialLayout(n, line, s.substr(2));
            if (s[1] >= '1' && s[1] <= '9') return row(n, line, s[1] - '0', s.substr(2));
            if (s[1] == '+' || s[1] == '-') {
                startGiven = true;
                std::string_view items = s.substr(2);
                if (items.empty() || items.size() % 4 != 0) return fail(n, line, RecordProblemCode::BadPiecePlace);
                for (; !items.empty(); items.remove_prefix(4))
                    if (!place(n, line, s[1] == '+' ? -1 : 1, items.substr(0, 4))) return false;
                return true;
            }
            return fail(n, line, RecordProblemCode::BadStartLine);
        }
        if (s == "+" || s == "-") {
            if (phase == Phase::Moves || game.started()) return fail(n, line, RecordProblemCode::TwoTurnLines);
            sawSomething = true;
            firstMover = s == "+" ? kSente : kGote;
            if (!begin(n, firstMover)) return false;
            phase = Phase::Moves;
            return true;
        }
        if (s[0] == '+' || s[0] == '-') {
            if (!looksLikeMove(s)) return fail(n, line, RecordProblemCode::BadMove);
            sawSomething = true;
            return move(n, line, s);
        }
        if (s[0] == 'T') return time(n, line, s);
        if (s[0] == '%') {
            sawSomething = true;
            return ending(n, line, s.substr(1));
        }
        return fail(n, line, RecordProblemCode::UnreadableLine);
    }

    // One line: a comment, or statements separated by ",".
    bool line(int n, std::string_view raw) {
        if (raw.size() > kMaxKifLineBytes) return fail(n, {}, RecordProblemCode::LineTooLong);
        const std::string_view text = trimRecord(raw);
        if (text.empty() || text[0] == '\'') return true;
        // A player's name or "$" information may itself hold a comma.
        if (text[0] == 'N' || text[0] == '$') return statement(n, text, text);
        std::string_view rest = text;
        for (;;) {
            const std::size_t comma = rest.find(',');
            if (!statement(n, text, rest.substr(0, comma))) return false;
            if (comma == std::string_view::npos || phase == Phase::Ended) return true;
            rest.remove_prefix(comma + 1);
        }
    }
};

RecordRead refuse(RecordProblemCode why, int line = 0, std::string_view text = {}) {
    RecordRead r;
    r.problem = {why, RecordTextFormat::Csa, line, 0, std::string(text), {}};
    return r;
}

}  // namespace

RecordRead 解析_CSA(std::string_view bytes) {
    if (bytes.size() > kMaxKifBytes) return refuse(RecordProblemCode::BytesTooLarge);
    const DecodedText decoded = decodeRecordText(bytes);
    if (decoded.problem != RecordProblemCode::None) return refuse(decoded.problem);

    CsaReader rd;
    const std::vector<std::string_view> lines = splitRecordLines(decoded.text);
    if (lines.empty()) return refuse(RecordProblemCode::Empty);
    int n = 0;
    for (const std::string_view line : lines) {
        ++n;
        if (trimRecord(line) == "/") break;  // the next game of the file
        if (rd.phase == Phase::Ended) continue;
        if (!rd.line(n, line)) return RecordRead{rd.problem, {}};
    }
    if (!rd.sawSomething) return refuse(RecordProblemCode::NotCsa);
    if (!rd.begin(n, kSente)) return RecordRead{rd.problem, {}};
    RecordRead out;
    out.problem.format = RecordTextFormat::Csa;
    out.game = rd.game.finish();
    out.game.startDateTime = std::move(rd.header.startDateTime);
    out.game.event = std::move(rd.header.event);
    out.game.senteName = std::move(rd.header.senteName);
    out.game.goteName = std::move(rd.header.goteName);
    out.game.winner = rd.header.winner;
    out.game.ending = std::move(rd.header.ending);
    return out;
}

RecordRead 読込_CSA(const std::filesystem::path& file) {
    const FileReadResult read = readWholeFile(file, kMaxKifBytes);
    switch (read.status) {
    case FileReadStatus::Ok: return 解析_CSA(read.bytes);
    case FileReadStatus::NotFound: return refuse(RecordProblemCode::FileNotFound);
    case FileReadStatus::TooLarge: return refuse(RecordProblemCode::FileTooLarge);
    default: return refuse(RecordProblemCode::FileCannotRead);
    }
}

bool isCsaText(std::string_view text) {
    if (textStartsWith(text, "\xEF\xBB\xBF")) text.remove_prefix(3);
    for (const std::string_view raw : splitRecordLines(text)) {
        const std::string_view s = trimRecord(raw);
        if (s.empty() || s[0] == '\'' || s[0] == '#') continue;
        if (s == "+" || s == "-" || s[0] == '%' || s[0] == '$') return true;
        if (textStartsWith(s, "V2") || textStartsWith(s, "V3") || textStartsWith(s, "N+") || textStartsWith(s, "N-"))
            return true;
        if (s.size() >= 2 && s[0] == 'P' && (s[1] == 'I' || s[1] == '+' || s[1] == '-' || (s[1] >= '1' && s[1] <= '9')))
            return true;
        return looksLikeMove(s.substr(0, s.find(',')));
    }
    return false;
}

}  // namespace xantu
