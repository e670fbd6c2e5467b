#include "record/resume_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "core/cp932.h"

namespace xantu {

namespace {

// Far more than any game: 20000 entries of about 500 bytes.
constexpr std::uintmax_t kMaxResumeBytes = 16 * 1024 * 1024;
constexpr std::string_view kHeaderWord = "XantuResume ";
constexpr std::string_view kCheckWord = "check ";

// FNV-1a, 64 bits: any change of one byte changes it.
std::uint64_t checksum(std::string_view bytes) {
    std::uint64_t h = 14695981039346656037ULL;
    for (const char c : bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ULL;
    }
    return h;
}

std::string hex16(std::uint64_t v) {
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(v));
    return buf;
}

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

}  // namespace

// ---- Writing --------------------------------------------------------------

void ResumeWriter::section(const char* name) {
    if (!text_.empty()) text_ += '\n';
    text_ += name;
}

void ResumeWriter::integer(long long v, long long, long long) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    text_ += ' ';
    text_.append(buf, r.ptr);
}

void ResumeWriter::real(double v, double, double) {
    // The shortest text that reads back as exactly the same value.
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    text_ += ' ';
    text_.append(buf, r.ptr);
}

void ResumeWriter::piece(int v) { integer(v, 0, 0); }

void ResumeWriter::ints(const int* p, std::size_t n, long long, long long) {
    for (std::size_t i = 0; i < n; ++i) integer(p[i], 0, 0);
}

void ResumeWriter::pieces(const int* p, std::size_t n) { ints(p, n, 0, 0); }

// One word: "s" then the bytes, with blanks, controls and "%" as %XX.
void ResumeWriter::text(const std::string& s) {
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

std::string ResumeWriter::finish() const {
    return seal(std::string(kHeaderWord) + std::to_string(version_) + "\n" + text_ + "\nend\n");
}

std::string ResumeWriter::seal(std::string content) {
    return content + std::string(kCheckWord) + hex16(checksum(content)) + "\n";
}

// ---- Reading --------------------------------------------------------------

std::string_view ResumeReader::word() {
    if (failed_) return {};
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n')) ++pos_;
    const std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ' ' && text_[pos_] != '\n') ++pos_;
    if (pos_ == start) failed_ = true;
    return text_.substr(start, pos_ - start);
}

void ResumeReader::section(const char* name) {
    if (word() != name) failed_ = true;
}

long long ResumeReader::readInteger(long long lo, long long hi) {
    const std::string_view w = word();
    long long v = 0;
    const auto r = std::from_chars(w.data(), w.data() + w.size(), v);
    if (w.empty() || r.ec != std::errc() || r.ptr != w.data() + w.size() || v < lo || v > hi) {
        failed_ = true;
        return 0;
    }
    return v;
}

void ResumeReader::real(double& v, double lo, double hi) {
    const std::string_view w = word();
    v = 0;
    const auto r = std::from_chars(w.data(), w.data() + w.size(), v);
    if (w.empty() || r.ec != std::errc() || r.ptr != w.data() + w.size() || !std::isfinite(v) || v < lo || v > hi) {
        failed_ = true;
        v = 0;
    }
}

void ResumeReader::piece(int& v) {
    v = static_cast<int>(readInteger(-10000, 10000));
    if (!isPieceCode(v)) failed_ = true;
}

void ResumeReader::ints(int* p, std::size_t n, long long lo, long long hi) {
    for (std::size_t i = 0; i < n && !failed_; ++i) integer(p[i], lo, hi);
}

void ResumeReader::pieces(int* p, std::size_t n) {
    for (std::size_t i = 0; i < n && !failed_; ++i) piece(p[i]);
}

void ResumeReader::text(std::string& out) {
    const std::string_view w = word();
    out.clear();
    if (w.empty() || w[0] != 's') {
        failed_ = true;
        return;
    }
    auto hexValue = [](char c) { return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1; };
    for (std::size_t i = 1; i < w.size(); ++i) {
        if (w[i] != '%') {
            out += w[i];
            continue;
        }
        const int hi = i + 2 < w.size() ? hexValue(w[i + 1]) : -1;
        const int lo = i + 2 < w.size() ? hexValue(w[i + 2]) : -1;
        if (hi < 0 || lo < 0) {
            failed_ = true;
            out.clear();
            return;
        }
        out += static_cast<char>(hi * 16 + lo);
        i += 2;
    }
}

void ResumeReader::retired(std::size_t n, long long lo, long long hi) {
    if (version_ >= 2) return;
    for (std::size_t i = 0; i < n && !failed_; ++i) readInteger(lo, hi);
}

void ResumeReader::retiredPiece() {
    if (version_ >= 2) return;
    int unused = 0;
    piece(unused);
}

bool ResumeReader::finish() {
    section("end");
    if (failed_) return false;
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n')) ++pos_;
    return pos_ == text_.size();
}

// ---- Whole files ----------------------------------------------------------

bool 調査_再開可能(const GameState& g) {
    return g.winnerSide == 0 && g.recordMode == 0 && (g.sideToMove != 0 || g.handicapSet == 1);
}

int 調査_保存する手順数(const MoveList& list) {
    const int last = std::max(list.lastEntry, list.recordLength);
    return std::min(last + 1, static_cast<int>(list.entries.size()));
}

bool 調査_再開局面の整合(const GameState& g, const Position& p, const MoveList& m) {
    if (g.comSide != -g.manSide || !調査_再開可能(g)) return false;
    if (!p.ok() || !bothKingsOnBoard(p) || !emptyBorder(p.board)) return false;
    if (m.recordLength > m.lastEntry + 1) return false;
    const int total = pieceTotal(p.board, p.ownHand, p.enemyHand);
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
    if (m.recordLength < m.lastEntry && !sameBoardAndHands(p, m.entries[static_cast<std::size_t>(m.recordLength)]))
        return false;
    return true;
}

ResumeBody 開封_再開ファイル(std::string_view bytes) {
    ResumeBody result;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes)
        if (c != '\r') text += c;

    const std::size_t eol = text.find('\n');
    const std::string_view header = std::string_view(text).substr(0, eol);
    int version = 0;
    const char* digits = header.data() + kHeaderWord.size();
    const auto r = std::from_chars(digits, header.data() + header.size(), version);
    if (!header.starts_with(kHeaderWord) || header.size() == kHeaderWord.size() || r.ec != std::errc() ||
        r.ptr != header.data() + header.size() || version < 1) {
        result.status = ResumeReadStatus::OtherFormat;
        return result;
    }
    result.version = version;
    if (version > kResumeVersion) {
        result.status = ResumeReadStatus::Newer;
        return result;
    }
    // The header alone, without even its line end, is a file cut short.
    if (eol == std::string::npos) return result;
    std::size_t end = text.size();
    if (version >= 2) {
        // The last line: "check" and the checksum of everything before it.
        std::size_t last = text.size();
        while (last > 0 && text[last - 1] == '\n') --last;
        const std::size_t lineStart = text.rfind('\n', last == 0 ? 0 : last - 1);
        if (lineStart == std::string::npos) return result;
        const std::string_view line = std::string_view(text).substr(lineStart + 1, last - lineStart - 1);
        if (!line.starts_with(kCheckWord) ||
            line.substr(kCheckWord.size()) != hex16(checksum(std::string_view(text).substr(0, lineStart + 1))))
            return result;
        end = lineStart + 1;
    }
    result.status = ResumeReadStatus::Ok;
    result.body = text.substr(eol, end - eol);
    return result;
}

ResumeBytes 読込_再開ファイルの中身(const std::filesystem::path& file) {
    FileReadResult read = readWholeFile(file, kMaxResumeBytes);
    ResumeBytes result;
    switch (read.status) {
    case FileReadStatus::Ok:
        result.status = ResumeReadStatus::Ok;
        result.bytes = std::move(read.bytes);
        break;
    case FileReadStatus::NotFound: result.status = ResumeReadStatus::NotFound; break;
    case FileReadStatus::TooLarge: result.status = ResumeReadStatus::Broken; break;
    case FileReadStatus::CannotRead: result.status = ResumeReadStatus::CannotRead; break;
    }
    return result;
}

}  // namespace xantu
