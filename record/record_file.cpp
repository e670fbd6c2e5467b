#include "record/record_file.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/cp932.h"
#include "core/pieces.h"

namespace xantu {

namespace {

constexpr std::size_t kBoardColumns = 324;  // 81 fields of 4
constexpr std::size_t kHandColumns = 14;    // 14 fields of 1
constexpr std::size_t kClockWidth = 5;
// Longest header line worth reading; together with the entry limit this
// bounds how much of a file is read into memory at all.
constexpr std::uintmax_t kMaxHeaderBytes = 64 * 1024;
constexpr std::uintmax_t kMaxRecordFileBytes =
    3 * (kMaxHeaderBytes + 2) + static_cast<std::uintmax_t>(kMaxRecordEntries) * (kRecordLineWidth + 2);

void appendRightAligned(std::string& line, long value, std::size_t width) {
    const std::string digits = std::to_string(value);
    if (digits.size() < width) line.append(width - digits.size(), ' ');
    line += digits;
}

// The whole seconds of a clock, kept within the five columns of its field.
long wholeSeconds(double seconds) {
    if (!(seconds >= 0)) return 0;  // also NaN
    if (seconds >= kMaxRecordSeconds + 1) return kMaxRecordSeconds;
    return static_cast<long>(std::floor(seconds));
}

char handCountChar(int count) {
    return count < 10 ? static_cast<char>('0' + count) : static_cast<char>('A' + count - 10);
}

// A numeric field exactly as the writer makes it: right-aligned, so leading
// spaces, an optional minus sign, then only digits to the end of the field,
// with no leading zero ("0" itself, never "-0" or "007"). Anything else
// (letters, inner or trailing spaces, an empty field) is not a number. The
// fields are at most five wide, so the value cannot overflow.
std::optional<int> fieldValue(std::string_view line, std::size_t start, std::size_t width) {
    const std::string_view f = line.substr(start, width);
    std::size_t i = 0;
    while (i < f.size() && f[i] == ' ') ++i;
    const bool negative = i < f.size() && f[i] == '-';
    if (negative) ++i;
    if (i == f.size()) return std::nullopt;
    if (f[i] == '0' && (negative || i + 1 < f.size())) return std::nullopt;
    int value = 0;
    for (; i < f.size(); ++i) {
        if (f[i] < '0' || f[i] > '9') return std::nullopt;
        value = value * 10 + (f[i] - '0');
    }
    return negative ? -value : value;
}

// A one-character hand count: "0"–"9", then "A"–"I" for 10–18.
std::optional<int> handCountValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'I') return c - 'A' + 10;
    return std::nullopt;
}

bool isPlainAscii(std::string_view line) {
    for (const char c : line)
        if (c < 0x20 || c > 0x7E) return false;
    return true;
}

}  // namespace

std::array<std::string, 3> 作成_棋譜見出し(const RecordTexts& texts, int manSide) {
    if (manSide == kSente) return {texts.matchName, texts.goteName, texts.senteName};
    return {texts.matchName, texts.senteName, texts.goteName};
}

double 取得_棋譜のX座標(const std::string& IN_文字列) {
    constexpr double boardLeft = 1050, squareWidth = 495;
    const double length = static_cast<double>(utf8Length(IN_文字列));
    return boardLeft + ((13 - length) / 5 + 3) * squareWidth;
}

bool 調査_棋譜に書ける(const MoveListEntry& entry) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (!isPieceCode(entry.board[x][y])) return false;
    for (int k = 1; k <= kHandKinds; ++k)
        if (entry.ownHand[k] < 0 || entry.ownHand[k] > 18 || entry.enemyHand[k] < 0 || entry.enemyHand[k] > 18)
            return false;
    return true;
}

std::string 作成_棋譜行(const MoveListEntry& entry) {
    std::string line;
    line.reserve(kRecordLineWidth);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) appendRightAligned(line, entry.board[x][y], 4);
    for (int k = 1; k <= kHandKinds; ++k) {
        line += handCountChar(entry.ownHand[k]);
        line += handCountChar(entry.enemyHand[k]);
    }
    for (const double s :
         {entry.manSecondsBefore, entry.manSecondsAfter, entry.comSecondsBefore, entry.comSecondsAfter})
        appendRightAligned(line, wholeSeconds(s), kClockWidth);
    return line;
}

RecordLineStatus 解析_棋譜行(std::string_view line, MoveListEntry& out, PositionFault* fault) {
    if (line.size() != kRecordLineWidth || !isPlainAscii(line)) return RecordLineStatus::NotRecord;
    MoveListEntry e;
    int kings = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const std::optional<int> code = fieldValue(line, static_cast<std::size_t>(4 * (9 * (x - 1) + (y - 1))), 4);
            if (!code) return RecordLineStatus::NotRecord;
            if (!isPieceCode(*code)) return RecordLineStatus::BadPieceCode;
            if (*code == -kKing || *code == kKing) ++kings;
            e.board[x][y] = *code;
        }
    // Every game keeps both kings until one is taken, which ends it (two of
    // one side are caught with the other rules of the Position below).
    if (kings == 0) return RecordLineStatus::BadPosition;
    for (int k = 1; k <= kHandKinds; ++k) {
        const std::size_t column = kBoardColumns + 2 * static_cast<std::size_t>(k - 1);
        const std::optional<int> own = handCountValue(line[column]);
        const std::optional<int> enemy = handCountValue(line[column + 1]);
        if (!own || !enemy) return RecordLineStatus::BadHandCount;
        e.ownHand[k] = *own;
        e.enemyHand[k] = *enemy;
    }
    // The Position as the game would restore it must be one a game can reach.
    Position p;
    局面復元(e, p);
    if (const PositionFault f = p.fault(); f.broken()) {
        if (fault != nullptr) *fault = f;
        return RecordLineStatus::BadPosition;
    }
    double* const clocks[] = {&e.manSecondsBefore, &e.manSecondsAfter, &e.comSecondsBefore, &e.comSecondsAfter};
    std::size_t column = kBoardColumns + kHandColumns;
    for (double* clock : clocks) {
        const std::optional<int> v = fieldValue(line, column, kClockWidth);
        if (!v) return RecordLineStatus::NotRecord;
        if (*v < 0) return RecordLineStatus::BadClock;
        *clock = *v;
        column += kClockWidth;
    }
    out = e;
    return RecordLineStatus::Ok;
}

// ---------------------------------------------------------------- writing

bool 調査_最終局面が未保存(const MoveList& list) {
    return list.recordLength >= 1 && list.recordLength == list.lastEntry + 1;
}

RecordContent 作成_棋譜(const RecordTexts& texts, int manSide, const MoveList& list,
                        const std::optional<FinalPosition>& finalPosition) {
    RecordContent result;
    const int listed = list.lastEntry < static_cast<int>(list.entries.size()) ? list.lastEntry : -1;
    if (listed < 0) {  // lastEntry beyond the list: nothing trustworthy to write
        result.status = RecordWriteStatus::InvalidEntry;
        return result;
    }
    if (listed < 1 && !finalPosition) {
        result.status = RecordWriteStatus::NoData;
        return result;
    }
    std::string text;
    for (const std::string& header : 作成_棋譜見出し(texts, manSide)) {
        const std::optional<std::string> encoded = utf8ToCp932(header);
        if (!encoded || header.find_first_of("\r\n") != std::string::npos) {
            result.status = RecordWriteStatus::BadHeaderText;
            return result;
        }
        text += *encoded;
        text += "\r\n";
    }
    auto append = [&](const MoveListEntry& e) {
        if (!調査_棋譜に書ける(e)) return false;
        text += 作成_棋譜行(e);
        text += "\r\n";
        return true;
    };
    for (int k = 1; k <= listed; ++k)
        if (!append(list.entries[static_cast<std::size_t>(k)])) {
            result.status = RecordWriteStatus::InvalidEntry;
            return result;
        }
    if (finalPosition) {
        MoveListEntry e;
        const Position& p = finalPosition->position;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) e.board[x][y] = p.board[x][y];
        for (int k = 1; k <= kHandKinds; ++k) {
            e.ownHand[k] = p.ownHand[k];
            e.enemyHand[k] = p.enemyHand[k];
        }
        e.manSecondsBefore = e.manSecondsAfter = finalPosition->manSeconds;
        e.comSecondsBefore = e.comSecondsAfter = finalPosition->comSeconds;
        if (!append(e)) {
            result.status = RecordWriteStatus::InvalidEntry;
            return result;
        }
    }
    result.bytes = std::move(text);
    return result;
}

RecordWriteStatus 書込_棋譜(const std::filesystem::path& folder, const std::string& fileName, const RecordTexts& texts,
                            int manSide, const MoveList& list, const std::optional<FinalPosition>& finalPosition) {
    if (fileName.empty()) return RecordWriteStatus::NoFileName;
    // The record goes into the chosen folder and nowhere else, under a name
    // that a file list shows as typed (no line breaks or other control
    // characters).
    const bool control = std::any_of(fileName.begin(), fileName.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 || u == 0x7F;
    });
    if (control || fileName.find('/') != std::string::npos || fileName == "." || fileName == "..")
        return RecordWriteStatus::BadFileName;
    const RecordContent content = 作成_棋譜(texts, manSide, list, finalPosition);
    if (content.status != RecordWriteStatus::Ok) return content.status;
    if (!writeWholeFile(folder / (fileName + kRecordExtension), content.bytes)) return RecordWriteStatus::CannotWrite;
    return RecordWriteStatus::Ok;
}

// ---------------------------------------------------------------- reading

bool 調査_棋譜を読込可能(RecordReadStatus status) { return status == RecordReadStatus::Ok; }

RecordReadResult 解析_棋譜(std::string_view bytes) {
    RecordReadResult result;
    result.list.entries.clear();
    if (bytes.find('\0') != std::string_view::npos) {
        result.status = RecordReadStatus::NotRecord;
        return result;
    }
    std::vector<std::string_view> lines = splitLines(bytes);
    // An editor may leave blank lines after the last entry; a blank line
    // between entries is still refused.
    while (lines.size() > 3 && lines.back().find_first_not_of(" \t") == std::string_view::npos) lines.pop_back();
    const int entryLines = lines.size() > 3 ? static_cast<int>(lines.size()) - 3 : 0;
    if (entryLines > kMaxRecordEntries) {
        result.status = RecordReadStatus::TooLarge;
        return result;
    }

    std::string last;  // a missing header line repeats the text read last
    for (int i = 0; i < 3; ++i) {
        if (i < static_cast<int>(lines.size())) {
            const std::optional<std::string> text = cp932ToUtf8(lines[static_cast<std::size_t>(i)]);
            if (!text) {
                result.status = RecordReadStatus::NotRecord;
                result.badLine = i + 1;
                return result;
            }
            last = *text;
            result.headerLinesRead = i + 1;
        }
        result.headers[static_cast<std::size_t>(i)] = last;
    }

    std::vector<MoveListEntry> entries(static_cast<std::size_t>(std::max(501, entryLines + 1)));
    for (int n = 1; n <= entryLines; ++n) {
        const RecordLineStatus s =
            解析_棋譜行(lines[static_cast<std::size_t>(n + 2)], entries[static_cast<std::size_t>(n)], &result.fault);
        if (s != RecordLineStatus::Ok) {
            switch (s) {
            case RecordLineStatus::BadPieceCode: result.status = RecordReadStatus::BadPieceCode; break;
            case RecordLineStatus::BadHandCount: result.status = RecordReadStatus::BadHandCount; break;
            case RecordLineStatus::BadPosition: result.status = RecordReadStatus::BadPosition; break;
            case RecordLineStatus::BadClock: result.status = RecordReadStatus::BadClock; break;
            default: result.status = RecordReadStatus::NotRecord; break;
            }
            result.badLine = n + 3;
            return result;
        }
    }

    // Entry 0 is not in the file: it is the starting layout, so that the
    // first step forward finds the first move and stepping back ends there.
    Position start;
    初期配置(start);
    MoveListEntry& first = entries[0];
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) first.board[x][y] = start.board[x][y];
    first.movedPiece = kPawn;

    result.list.entries = std::move(entries);
    result.list.recordLength = 0;
    result.list.lastEntry = entryLines;
    result.entryCount = entryLines;
    result.status = entryLines > 0 ? RecordReadStatus::Ok : RecordReadStatus::NoEntries;
    return result;
}

RecordReadResult 読込_棋譜(const std::filesystem::path& file) {
    const FileReadResult read = readWholeFile(file, kMaxRecordFileBytes);
    if (read.status != FileReadStatus::Ok) {
        RecordReadResult result;
        result.list.entries.clear();
        switch (read.status) {
        case FileReadStatus::NotFound: result.status = RecordReadStatus::NotFound; break;
        case FileReadStatus::TooLarge: result.status = RecordReadStatus::TooLarge; break;
        default: result.status = RecordReadStatus::CannotRead; break;
        }
        return result;
    }
    return 解析_棋譜(read.bytes);
}

}  // namespace xantu
