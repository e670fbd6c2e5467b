#include "record/sfen_record.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "core/sfen.h"
#include "record/game_builder.h"
#include "record/kif_reader.h"

namespace xantu {

namespace {

constexpr std::string_view kStartSfen = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

std::vector<std::string> words(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

RecordRead refuse(RecordProblemCode why, std::string_view text = {}, int move = 0, std::string detail = {}) {
    RecordRead r;
    r.problem = {why, RecordTextFormat::Sfen, 0, move, std::string(text), std::move(detail)};
    return r;
}

// A USI square "7g": x = 10 − file, y = the letter from 'a'.
bool usiSquare(char file, char rank, int& x, int& y) {
    if (file < '1' || file > '9' || rank < 'a' || rank > 'i') return false;
    x = 10 - (file - '0');
    y = rank - 'a' + 1;
    return true;
}

int handKindOfLetter(char c) {
    constexpr std::string_view kLetters = "PLNSGBR";
    const std::size_t i = kLetters.find(c);
    return i == std::string_view::npos ? 0 : static_cast<int>(i) + 1;
}

// Skips "position" and "sfen"; the board word of an SFEN holds a "/".
std::size_t firstSfenWord(const std::vector<std::string>& w) {
    std::size_t i = 0;
    if (i < w.size() && w[i] == "position") ++i;
    if (i < w.size() && w[i] == "sfen") ++i;
    return i;
}

}  // namespace

bool isSfenText(std::string_view text) {
    const std::vector<std::string> w = words(text.substr(0, 400));
    const std::size_t i = firstSfenWord(w);
    if (i > 0) return true;
    return !w.empty() && (w[0] == "startpos" || std::count(w[0].begin(), w[0].end(), '/') == 8);
}

RecordRead 解析_SFEN棋譜(std::string_view text) {
    if (text.size() > kMaxKifBytes) return refuse(RecordProblemCode::SfenTooLong);
    const std::vector<std::string> w = words(text);
    std::size_t i = firstSfenWord(w);
    std::string sfen;
    if (i < w.size() && w[i] == "startpos") {
        sfen = kStartSfen;
        ++i;
    } else {
        for (int k = 0; k < 4 && i < w.size() && w[i] != "moves"; ++k, ++i) sfen += (k ? " " : "") + w[i];
    }
    const SfenResult parsed = parseSfen(sfen);
    if (!parsed) return refuse(RecordProblemCode::SfenBadPosition, {}, 0, parsed.error);
    GameBuilder game;
    if (const RecordProblemCode why = game.start(parsed.position, parsed.side == Side::Lower ? kSente : kGote);
        why != RecordProblemCode::None)
        return refuse(why);
    if (i < w.size()) {
        if (w[i] != "moves") return refuse(RecordProblemCode::SfenTrailing, w[i]);
        ++i;
    }
    for (int number = 1; i < w.size(); ++i, ++number) {
        const std::string& m = w[i];
        int toX = 0, toY = 0, fromX = 0, fromY = 0;
        RecordProblemCode why = RecordProblemCode::None;
        if (m.size() == 4 && m[1] == '*' && usiSquare(m[2], m[3], toX, toY) && handKindOfLetter(m[0]) != 0) {
            why = game.drop(handKindOfLetter(m[0]), toX, toY);
        } else if ((m.size() == 4 || (m.size() == 5 && m[4] == '+')) && usiSquare(m[0], m[1], fromX, fromY) &&
                   usiSquare(m[2], m[3], toX, toY)) {
            why = game.boardMove(fromX, fromY, toX, toY, m.size() == 5);
        } else {
            why = RecordProblemCode::BadMove;
        }
        if (why != RecordProblemCode::None) return refuse(why, m, number);
    }
    RecordRead out;
    out.problem.format = RecordTextFormat::Sfen;
    out.game = game.finish();
    return out;
}

}  // namespace xantu
