#include "core/sfen.h"

#include <vector>

namespace xantu {

namespace {

// Unpromoted code magnitude of a piece letter (either case), 0 if unknown.
int letterCode(char ch) {
    switch (ch) {
    case 'P':
    case 'p': return kPawn;
    case 'L':
    case 'l': return kLance;
    case 'N':
    case 'n': return kKnight;
    case 'S':
    case 's': return kSilver;
    case 'G':
    case 'g': return kGold;
    case 'B':
    case 'b': return kBishop;
    case 'R':
    case 'r': return kRook;
    case 'K':
    case 'k': return kKing;
    default: return 0;
    }
}

bool isUpperCase(char ch) { return ch >= 'A' && ch <= 'Z'; }
bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

std::vector<std::string_view> splitWords(std::string_view s) {
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\n' || s[i] == '\r')) ++i;
        const size_t start = i;
        while (i < s.size() && !(s[i] == ' ' || s[i] == '\t' || s[i] == '\n' || s[i] == '\r')) ++i;
        if (i > start) words.push_back(s.substr(start, i - start));
    }
    return words;
}

SfenResult fail(std::string message) {
    SfenResult r;
    r.error = "invalid SFEN: " + std::move(message);
    return r;
}

// Fills the board from the BOARD field; returns an empty string or the reason.
std::string readBoard(std::string_view field, Position& p) {
    int y = 1, x = 1;
    bool lastWasDigit = false;
    for (size_t i = 0; i < field.size(); ++i) {
        const char ch = field[i];
        if (ch == '/') {
            if (x != 10) return "row " + std::to_string(y) + " has " + std::to_string(x - 1) + " squares, not 9";
            if (++y > 9) return "more than 9 rows";
            x = 1;
            lastWasDigit = false;
            continue;
        }
        if (isDigit(ch)) {
            if (ch == '0') return "empty-square count 0 in row " + std::to_string(y);
            if (lastWasDigit) return "two digits in a row in row " + std::to_string(y);
            x += ch - '0';
            if (x > 10) return "row " + std::to_string(y) + " is longer than 9 squares";
            lastWasDigit = true;
            continue;
        }
        lastWasDigit = false;
        bool promoted = false;
        char letter = ch;
        if (ch == '+') {
            if (i + 1 >= field.size()) return "'+' without a piece in row " + std::to_string(y);
            promoted = true;
            letter = field[++i];
        }
        const int magnitude = letterCode(letter);
        if (magnitude == 0) return std::string("unknown piece letter '") + letter + "' in row " + std::to_string(y);
        if (promoted && (magnitude == kGold || magnitude == kKing))
            return std::string("'+") + letter + "' cannot be promoted";
        if (x > 9) return "row " + std::to_string(y) + " is longer than 9 squares";
        const int code = magnitude + (promoted ? 1 : 0);
        p.board[x][y] = isUpperCase(letter) ? -code : code;
        ++x;
    }
    if (x != 10) return "row " + std::to_string(y) + " has " + std::to_string(x - 1) + " squares, not 9";
    if (y != 9) return "the board has " + std::to_string(y) + " rows, not 9";
    return {};
}

std::string readHands(std::string_view field, Position& p) {
    if (field == "-") return {};
    bool seen[2][8] = {};
    size_t i = 0;
    while (i < field.size()) {
        int count = 1;
        if (isDigit(field[i])) {
            count = 0;
            const size_t start = i;
            while (i < field.size() && isDigit(field[i])) {
                count = count * 10 + (field[i] - '0');
                if (count > 99) break;
                ++i;
            }
            if (i - start > 2 || count > 18) return "hand count over 18";
            if (count == 0) return "hand count 0";
            if (i >= field.size()) return "hand count without a piece letter";
        }
        const char letter = field[i++];
        const int magnitude = letterCode(letter);
        int kind = 0;
        for (int k = 1; k <= kHandKinds; ++k)
            if (kHandKindCode[k] == magnitude) kind = k;
        if (kind == 0) return std::string("'") + letter + "' cannot be held in hand";
        const bool lower = isUpperCase(letter);
        if (seen[lower ? 0 : 1][kind]) return std::string("hand letter '") + letter + "' given twice";
        seen[lower ? 0 : 1][kind] = true;
        if (lower) {
            p.ownHand[kind] = count;
            p.ownHandTotal += count;
        } else {
            p.enemyHand[kind] = count;
            p.enemyHandTotal += count;
        }
    }
    return {};
}

}  // namespace

SfenResult parseSfen(std::string_view sfen, SetBound bound) {
    const std::vector<std::string_view> words = splitWords(sfen);
    if (words.size() != 4)
        return fail("expected 4 fields (board side hands move-number), got " + std::to_string(words.size()));

    SfenResult r;
    if (std::string why = readBoard(words[0], r.position); !why.empty()) return fail(why);

    if (words[1] == "b")
        r.side = Side::Lower;
    else if (words[1] == "w")
        r.side = Side::Upper;
    else
        return fail("side to move must be 'b' or 'w', not '" + std::string(words[1]) + "'");

    if (std::string why = readHands(words[2], r.position); !why.empty()) return fail(why);

    for (char ch : words[3])
        if (!isDigit(ch)) return fail("move number '" + std::string(words[3]) + "' is not a number");

    Position& p = r.position;
    const int lowerKings = kingCount(p, Side::Lower), upperKings = kingCount(p, Side::Upper);
    if (lowerKings != 1) return fail("the lower side has " + std::to_string(lowerKings) + " kings, not 1");
    if (upperKings != 1) return fail("the upper side has " + std::to_string(upperKings) + " kings, not 1");
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            if (p.board[x][y] == -kKing) {
                p.manKingX = x;
                p.manKingY = y;
            } else if (p.board[x][y] == kKing) {
                p.comKingX = x;
                p.comKingY = y;
            }
        }
    if (const PositionFault f = p.fault(bound); f.broken()) return fail(describe(f));

    r.ok = true;
    return r;
}

char usiHandLetter(int kind) {
    static constexpr char letters[8] = {'?', 'P', 'L', 'N', 'S', 'G', 'B', 'R'};
    return kind >= 1 && kind <= kHandKinds ? letters[kind] : '?';
}

namespace {
char pieceLetter(int magnitude) {
    switch (magnitude) {
    case kPawn:
    case kPromPawn: return 'P';
    case kLance:
    case kPromLance: return 'L';
    case kKnight:
    case kPromKnight: return 'N';
    case kSilver:
    case kPromSilver: return 'S';
    case kGold:
    case kGoldAlt: return 'G';
    case kBishop:
    case kHorse: return 'B';
    case kRook:
    case kDragon: return 'R';
    case kKing: return 'K';
    default: return '?';
    }
}
}  // namespace

std::string toSfen(const Position& p, Side side) {
    std::string s;
    for (int y = 1; y <= 9; ++y) {
        if (y > 1) s += '/';
        int run = 0;
        for (int x = 1; x <= 9; ++x) {
            const int c = p.board[x][y];
            if (c == kEmpty) {
                ++run;
                continue;
            }
            if (run > 0) s += static_cast<char>('0' + run);
            run = 0;
            const int m = absCode(c);
            if (m == kPromPawn || m == kPromLance || m == kPromKnight || m == kPromSilver || m == kHorse ||
                m == kDragon)
                s += '+';
            const char letter = pieceLetter(m);
            s += c < 0 ? letter : static_cast<char>(letter - 'A' + 'a');
        }
        if (run > 0) s += static_cast<char>('0' + run);
    }
    s += side == Side::Lower ? " b " : " w ";
    std::string hands;
    for (int lower = 1; lower >= 0; --lower)
        for (int k = kHandKinds; k >= 1; --k) {
            const int n = lower ? p.ownHand[k] : p.enemyHand[k];
            if (n <= 0) continue;
            if (n > 1) hands += std::to_string(n);
            const char letter = usiHandLetter(k);
            hands += lower ? letter : static_cast<char>(letter - 'A' + 'a');
        }
    s += hands.empty() ? "-" : hands;
    s += " 1";
    return s;
}

std::string usiSquare(int x, int y) {
    std::string s;
    s += static_cast<char>('0' + (10 - x));
    s += static_cast<char>('a' + y - 1);
    return s;
}

}  // namespace xantu
