#include "record/resume_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>

#include "core/cp932.h"

namespace xantu {

namespace {

// Far more than any game: 20000 entries of about 500 bytes.
constexpr std::uintmax_t kMaxResumeBytes = 16 * 1024 * 1024;
constexpr int kMaxEntries = 20000;

// ---- Writing --------------------------------------------------------------

class Writer {
public:
    void label(const char* name) {
        if (!text_.empty()) text_ += '\n';
        text_ += name;
    }
    void put(long long v) {
        char buf[32];
        const auto r = std::to_chars(buf, buf + sizeof buf, v);
        text_ += ' ';
        text_.append(buf, r.ptr);
    }
    void put(double v) {
        // The shortest text that reads back as exactly the same value.
        char buf[64];
        const auto r = std::to_chars(buf, buf + sizeof buf, v);
        text_ += ' ';
        text_.append(buf, r.ptr);
    }
    void put(int v) { put(static_cast<long long>(v)); }
    void ints(const int* p, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) put(p[i]);
    }
    // One word: "s" then the bytes, with blanks, controls and "%" as %XX.
    void text(std::string_view s) {
        static const char hex[] = "0123456789ABCDEF";
        text_ += " s";
        for (const char ch : s) {
            const auto c = static_cast<unsigned char>(ch);
            if (c <= 0x20 || c == '%' || c == 0x7f) {
                text_ += '%';
                text_ += hex[c >> 4];
                text_ += hex[c & 15];
            } else {
                text_ += ch;
            }
        }
    }
    std::string done() { return text_ + '\n'; }

private:
    std::string text_;
};

// ---- Reading --------------------------------------------------------------

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool failed() const { return failed_; }

    // The next word must be `name`.
    void label(std::string_view name) {
        if (word() != name) failed_ = true;
    }
    int integer(long long lo, long long hi) {
        const std::string_view w = word();
        long long v = 0;
        const auto r = std::from_chars(w.data(), w.data() + w.size(), v);
        if (w.empty() || r.ec != std::errc() || r.ptr != w.data() + w.size() || v < lo || v > hi) {
            failed_ = true;
            return 0;
        }
        return static_cast<int>(v);
    }
    double real(double lo, double hi) {
        const std::string_view w = word();
        double v = 0;
        const auto r = std::from_chars(w.data(), w.data() + w.size(), v);
        if (w.empty() || r.ec != std::errc() || r.ptr != w.data() + w.size() || !std::isfinite(v) || v < lo || v > hi) {
            failed_ = true;
            return 0;
        }
        return v;
    }
    void ints(int* p, std::size_t n, long long lo, long long hi) {
        for (std::size_t i = 0; i < n && !failed_; ++i) p[i] = integer(lo, hi);
    }
    void pieces(int* p, std::size_t n) {
        for (std::size_t i = 0; i < n && !failed_; ++i) {
            p[i] = integer(-10000, 10000);
            if (!isPieceCode(p[i])) failed_ = true;
        }
    }
    std::string text() {
        const std::string_view w = word();
        std::string out;
        if (w.empty() || w[0] != 's') {
            failed_ = true;
            return out;
        }
        auto hexValue = [](char c) {
            return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        };
        for (std::size_t i = 1; i < w.size(); ++i) {
            if (w[i] != '%') {
                out += w[i];
                continue;
            }
            const int hi = i + 2 < w.size() ? hexValue(w[i + 1]) : -1;
            const int lo = i + 2 < w.size() ? hexValue(w[i + 2]) : -1;
            if (hi < 0 || lo < 0) {
                failed_ = true;
                return {};
            }
            out += static_cast<char>(hi * 16 + lo);
            i += 2;
        }
        return out;
    }
    bool atEnd() {
        skipBlanks();
        return pos_ == text_.size();
    }

private:
    void skipBlanks() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n')) ++pos_;
    }
    std::string_view word() {
        if (failed_) return {};
        skipBlanks();
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ' ' && text_[pos_] != '\n') ++pos_;
        if (pos_ == start) failed_ = true;
        return text_.substr(start, pos_ - start);
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

constexpr int kCells = 10 * 10;
constexpr int kHandSlots = 8;
constexpr double kMaxSeconds = 1e9;
constexpr int kMaxMoveNumber = 1000000;

int pieceTotal(const int (&board)[10][10], const int (&own)[8], const int (&enemy)[8]) {
    int n = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (board[x][y] != kEmpty) ++n;
    for (int k = 1; k <= kHandKinds; ++k) n += own[k] + enemy[k];
    return n;
}

Position positionOf(const MoveListEntry& e) {
    Position p;
    for (int x = 0; x <= 9; ++x)
        for (int y = 0; y <= 9; ++y) p.board[x][y] = e.board[x][y];
    for (int k = 1; k <= kHandKinds; ++k) {
        p.ownHand[k] = e.ownHand[k];
        p.enemyHand[k] = e.enemyHand[k];
        p.ownHandTotal += e.ownHand[k];
        p.enemyHandTotal += e.enemyHand[k];
    }
    return p;
}

// Row and column 0 are outside the board and always empty.
bool emptyBorder(const int (&board)[10][10]) {
    for (int i = 0; i <= 9; ++i)
        if (board[0][i] != kEmpty || board[i][0] != kEmpty) return false;
    return true;
}

bool sameBoardAndHands(const Position& p, const MoveListEntry& e) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (p.board[x][y] != e.board[x][y]) return false;
    for (int k = 1; k <= kHandKinds; ++k)
        if (p.ownHand[k] != e.ownHand[k] || p.enemyHand[k] != e.enemyHand[k]) return false;
    return true;
}

// The checks a game read back must pass before any of it is used.
bool consistent(const ResumeState& s) {
    const GameState& g = s.game;
    if (g.comSide != -g.manSide || !調査_再開可能(g)) return false;
    if (!s.position.ok() || !bothKingsOnBoard(s.position) || !emptyBorder(s.position.board)) return false;
    const MoveList& m = s.moves;
    if (m.recordLength > m.lastEntry + 1) return false;
    const int total = pieceTotal(s.position.board, s.position.ownHand, s.position.enemyHand);
    const int count = 調査_保存する手順数(m);
    for (int k = 0; k < count; ++k) {
        const MoveListEntry& e = m.entries[static_cast<std::size_t>(k)];
        if (!positionOf(e).ok() || !emptyBorder(e.board)) return false;
    }
    // Entries 0 .. lastEntry belong to this game once a move has been made:
    // each is a Position with both kings and the same pieces as the board.
    if (m.lastEntry > 0 || m.recordLength > 0) {
        for (int k = 0; k <= m.lastEntry; ++k) {
            const MoveListEntry& e = m.entries[static_cast<std::size_t>(k)];
            if (!bothKingsOnBoard(positionOf(e)) || pieceTotal(e.board, e.ownHand, e.enemyHand) != total) return false;
        }
    }
    // Stepped back into the list: the board is the entry stepped to.
    if (m.recordLength < m.lastEntry &&
        !sameBoardAndHands(s.position, m.entries[static_cast<std::size_t>(m.recordLength)]))
        return false;
    return true;
}

}  // namespace

bool 調査_再開可能(const GameState& g) {
    return g.winnerSide == 0 && g.recordMode == 0 && (g.sideToMove != 0 || g.handicapSet == 1);
}

int 調査_保存する手順数(const MoveList& list) {
    const int last = std::max(list.lastEntry, list.recordLength);
    return std::min(last + 1, static_cast<int>(list.entries.size()));
}

// Slots of the file whose values the game no longer keeps (the start move
// of a game, the last promotable code, copies of the hands and king squares
// that nothing read): written as 0 and read and checked as before, so that
// files stay readable by both.
constexpr int kUnusedSlot = 0;
constexpr int kUnusedHand[kHandSlots] = {};

std::string 作成_再開ファイル(const ResumeState& s) {
    Writer w;
    w.label(kResumeHeader.data());
    const GameState& g = s.game;
    w.label("game");
    for (int v : {g.sideToMove,    g.manSide,  g.comSide,     g.winnerSide, g.vsComputer, g.moveNumber, kUnusedSlot,
                  g.handicapLevel, g.comLevel, g.handicapSet, g.flipped,    g.recordMode, g.paused,     g.selectPhase,
                  g.selFromX,      g.selFromY, g.selToX,      g.selToY,     g.selPiece,   kUnusedSlot})
        w.put(v);
    const Clocks& c = s.clocks;
    w.label("clocks");
    w.put(c.turnStartTime);
    w.put(c.turnSeconds);
    w.put(c.manSeconds);
    w.put(c.comSeconds);
    w.put(static_cast<long long>(c.shownSecond));
    const Position& p = s.position;
    w.label("position");
    w.ints(&p.board[0][0], kCells);
    w.ints(p.ownHand, kHandSlots);
    w.ints(p.enemyHand, kHandSlots);
    for (int v : {p.manKingX, p.manKingY, p.comKingX, p.comKingY}) w.put(v);
    const TurnState& t = s.turn;
    w.label("turn");
    w.ints(&t.savedBoard[0][0], kCells);
    w.ints(kUnusedHand, kHandSlots);
    w.ints(kUnusedHand, kHandSlots);
    for (int v : {kUnusedSlot, kUnusedSlot, t.savedEnemyHandTotal, kUnusedSlot}) w.put(v);
    w.ints(&t.startManInfluence[0][0], kCells);
    w.ints(&t.startComInfluence[0][0], kCells);
    w.ints(&t.startComThreatX[0][0], kCells);
    w.ints(&t.startComThreatY[0][0], kCells);
    w.put(t.startEscapeCount);
    w.ints(&t.manPinned[0][0], kCells);
    w.ints(&t.comPinned[0][0], kCells);
    w.put(t.comPinExists);
    w.ints(&t.manBishopCheckSquares[0][0], kCells);
    w.ints(t.pawnFiles.man, 10);
    w.ints(t.pawnFiles.com, 10);
    for (int v : {t.candidatePiece, t.originKingDistance, kUnusedSlot, t.bestScore, t.bestFromX, t.bestFromY, t.bestToX,
                  t.bestToY, t.bestPlaced, t.bestMovedPiece})
        w.put(v);
    const ResumeGameInfo& info = s.info;
    w.label("info");
    for (const std::string* t :
         {&info.startDateTime, &info.event, &info.senteName, &info.goteName, &info.upperName, &info.lowerName})
        w.text(*t);
    w.put(info.lowerSideOrder);
    w.put(info.winner);
    const MoveList& m = s.moves;
    const int count = 調査_保存する手順数(m);
    w.label("moves");
    w.put(m.recordLength);
    w.put(m.lastEntry);
    w.put(count);
    for (int k = 0; k < count; ++k) {
        const MoveListEntry& e = m.entries[static_cast<std::size_t>(k)];
        w.label("entry");
        w.ints(&e.board[0][0], kCells);
        w.ints(e.ownHand, kHandSlots);
        w.ints(e.enemyHand, kHandSlots);
        w.put(e.manSecondsBefore);
        w.put(e.manSecondsAfter);
        w.put(e.comSecondsBefore);
        w.put(e.comSecondsAfter);
        w.put(e.movedPiece);
    }
    w.label("end");
    return w.done();
}

ResumeReadResult 解析_再開ファイル(std::string_view bytes) {
    ResumeReadResult result;
    const std::size_t eol = bytes.find('\n');
    if (bytes.substr(0, eol) != kResumeHeader) {
        result.status = ResumeReadStatus::OtherFormat;
        return result;
    }
    result.status = ResumeReadStatus::Broken;
    // The header alone, without even its line end, is a file cut short.
    Reader r(eol == std::string_view::npos ? std::string_view() : bytes.substr(eol));
    ResumeState& s = result.state;

    GameState& g = s.game;
    r.label("game");
    g.sideToMove = r.integer(-1, 1);
    g.manSide = r.integer(-1, 1);
    g.comSide = r.integer(-1, 1);
    g.winnerSide = r.integer(-1, 1);
    g.vsComputer = r.integer(0, 1);
    g.moveNumber = r.integer(0, kMaxMoveNumber);
    r.integer(0, kMaxMoveNumber);  // unused slot
    g.handicapLevel = r.integer(-10, 10);
    g.comLevel = r.integer(1, 4);
    g.handicapSet = r.integer(0, 1);
    g.flipped = r.integer(0, 1);
    g.recordMode = r.integer(0, 1);
    g.paused = r.integer(0, 1);
    g.selectPhase = r.integer(0, 1);
    g.selFromX = r.integer(-2, 11);
    g.selFromY = r.integer(-2, 11);
    g.selToX = r.integer(-2, 11);
    g.selToY = r.integer(-2, 11);
    g.selPiece = r.integer(-10000, 10000);
    const int unusedPromoted = r.integer(-10000, 10000);
    if (!isPieceCode(g.selPiece) || !isPieceCode(unusedPromoted)) return result;

    Clocks& c = s.clocks;
    r.label("clocks");
    c.turnStartTime = r.real(0, kMaxSeconds);
    c.turnSeconds = r.real(0, kMaxSeconds);
    c.manSeconds = r.real(0, kMaxSeconds);
    c.comSeconds = r.real(0, kMaxSeconds);
    c.shownSecond = r.integer(0, static_cast<long long>(kMaxSeconds));

    Position& p = s.position;
    r.label("position");
    r.pieces(&p.board[0][0], kCells);
    r.ints(p.ownHand, kHandSlots, 0, 18);
    r.ints(p.enemyHand, kHandSlots, 0, 18);
    p.manKingX = r.integer(0, 9);
    p.manKingY = r.integer(0, 9);
    p.comKingX = r.integer(0, 9);
    p.comKingY = r.integer(0, 9);
    for (int k = 1; k <= kHandKinds; ++k) {
        p.ownHandTotal += p.ownHand[k];
        p.enemyHandTotal += p.enemyHand[k];
    }

    // The computer's memory: squares and codes within their ranges, so that
    // no value read back can lead its next search off the board.
    TurnState& t = s.turn;
    constexpr long long kAny = 100000000;
    r.label("turn");
    r.pieces(&t.savedBoard[0][0], kCells);
    int unusedHand[kHandSlots];
    r.ints(unusedHand, kHandSlots, 0, 18);
    r.ints(unusedHand, kHandSlots, 0, 18);
    r.integer(0, 9);  // unused slots
    r.integer(0, 9);
    t.savedEnemyHandTotal = r.integer(0, 40);
    r.integer(0, 40);
    r.ints(&t.startManInfluence[0][0], kCells, -kAny, kAny);
    r.ints(&t.startComInfluence[0][0], kCells, -kAny, kAny);
    r.ints(&t.startComThreatX[0][0], kCells, -1, 11);
    r.ints(&t.startComThreatY[0][0], kCells, -1, 11);
    t.startEscapeCount = r.integer(0, 9);
    r.ints(&t.manPinned[0][0], kCells, 0, 1);
    r.ints(&t.comPinned[0][0], kCells, 0, 1);
    t.comPinExists = r.integer(0, 1);
    r.ints(&t.manBishopCheckSquares[0][0], kCells, 0, 1);
    r.ints(t.pawnFiles.man, 10, 0, 1);
    r.ints(t.pawnFiles.com, 10, 0, 1);
    t.candidatePiece = r.integer(-10000, 10000);
    t.originKingDistance = r.integer(0, 9);
    const int unusedPromotedToo = r.integer(-10000, 10000);
    t.bestScore = r.integer(kScoreNone, -static_cast<long long>(kScoreNone));
    t.bestFromX = r.integer(-2, 11);
    t.bestFromY = r.integer(-2, 11);
    t.bestToX = r.integer(-2, 11);
    t.bestToY = r.integer(-2, 11);
    t.bestPlaced = r.integer(-10000, 10000);
    t.bestMovedPiece = r.integer(-10000, 10000);
    if (!isPieceCode(t.candidatePiece) || !isPieceCode(unusedPromotedToo) || !isPieceCode(t.bestPlaced) ||
        !isPieceCode(t.bestMovedPiece))
        return result;

    ResumeGameInfo& info = s.info;
    r.label("info");
    for (std::string* t :
         {&info.startDateTime, &info.event, &info.senteName, &info.goteName, &info.upperName, &info.lowerName})
        *t = r.text();
    info.lowerSideOrder = r.integer(-1, 1);
    info.winner = r.integer(-1, 1);

    MoveList& m = s.moves;
    r.label("moves");
    m.recordLength = r.integer(0, kMaxEntries - 1);
    m.lastEntry = r.integer(0, kMaxEntries - 1);
    const int count = r.integer(1, kMaxEntries);
    if (r.failed() || count != std::max(m.lastEntry, m.recordLength) + 1) return result;
    m.entries.assign(static_cast<std::size_t>(std::max(count, 501)), MoveListEntry{});
    for (int k = 0; k < count && !r.failed(); ++k) {
        MoveListEntry& e = m.entries[static_cast<std::size_t>(k)];
        r.label("entry");
        r.pieces(&e.board[0][0], kCells);
        r.ints(e.ownHand, kHandSlots, 0, 18);
        r.ints(e.enemyHand, kHandSlots, 0, 18);
        e.manSecondsBefore = r.real(0, kMaxSeconds);
        e.manSecondsAfter = r.real(0, kMaxSeconds);
        e.comSecondsBefore = r.real(0, kMaxSeconds);
        e.comSecondsAfter = r.real(0, kMaxSeconds);
        e.movedPiece = r.integer(-10000, 10000);
        if (!isPieceCode(e.movedPiece)) return result;
    }
    r.label("end");
    if (r.failed() || !r.atEnd()) return result;
    result.status = consistent(s) ? ResumeReadStatus::Ok : ResumeReadStatus::Inconsistent;
    return result;
}

ResumeReadResult 読込_再開ファイル(const std::filesystem::path& file) {
    const FileReadResult read = readWholeFile(file, kMaxResumeBytes);
    if (read.status != FileReadStatus::Ok) {
        ResumeReadResult result;
        result.status =
            read.status == FileReadStatus::NotFound ? ResumeReadStatus::NotFound : ResumeReadStatus::CannotRead;
        return result;
    }
    return 解析_再開ファイル(read.bytes);
}

bool 書込_再開ファイル(const ResumeState& s, const std::filesystem::path& file) {
    return writeWholeFile(file, 作成_再開ファイル(s));
}

std::string_view 再開ファイル破損メッセージ(ResumeReadStatus status) {
    switch (status) {
    case ResumeReadStatus::Ok:
    case ResumeReadStatus::NotFound: return {};
    case ResumeReadStatus::OtherFormat:
        return "前回の対局は別の形式で保存されているため再開できません。\r新しく始めます。";
    default: return "前回の対局の記録が壊れているため再開できません。\r新しく始めます。";
    }
}

}  // namespace xantu
