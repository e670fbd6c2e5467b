#include <string_view>

#include "core/sfen.h"
#include "diagram/diagram.h"

namespace xantu {

void Diagram::rect(double x, double y, double w, double h, std::uint32_t colour) {
    DiagramShape s;
    s.kind = DiagramShape::Kind::Rect;
    s.x = x, s.y = y, s.w = w, s.h = h;
    s.colour = colour;
    shapes.push_back(std::move(s));
}

DiagramShape& Diagram::text(double x, double y, const std::string& text, double size, DiagramShape::Anchor anchor,
                            DiagramShape::Face face) {
    DiagramShape s;
    s.kind = DiagramShape::Kind::Text;
    s.x = x, s.y = y;
    s.text = text;
    s.size = size;
    s.anchor = anchor;
    s.face = face;
    shapes.push_back(std::move(s));
    return shapes.back();
}

void Diagram::picture(int code, double x, double y, double w, double h) {
    DiagramShape s;
    s.kind = DiagramShape::Kind::Picture;
    s.code = code;
    s.x = x, s.y = y, s.w = w, s.h = h;
    shapes.push_back(std::move(s));
}

bool readDiagramRequest(const DiagramRequest& request, DiagramContent& content, std::string& error) {
    SfenResult read = parseSfen(request.sfen);
    if (!read) {
        error = read.error;
        return false;
    }
    const bool marked = request.lastFile != 0 || request.lastRank != 0;
    if (marked && (request.lastFile < 1 || request.lastFile > 9 || request.lastRank < 1 || request.lastRank > 9)) {
        error = "the last move's square is not on the board";
        return false;
    }
    content.position = read.position;
    content.lastX = marked ? 10 - request.lastFile : 0;
    content.lastY = marked ? request.lastRank : 0;
    content.caption = diagramCaption(request.caption, request.moveNumber);
    content.backgroundTheme = request.backgroundTheme;
    return true;
}

std::string diagramCaption(const std::string& words, int moveNumber) {
    if (moveNumber <= 0) return words;
    const std::string moves = std::to_string(moveNumber) + "手目まで";
    return words.empty() ? moves : words + "　" + moves;
}

bool readSquareName(const std::string& name, int& file, int& rank) {
    static constexpr std::string_view kFullWidthDigits[] = {"１", "２", "３", "４", "５", "６", "７", "８", "９"};
    static constexpr std::string_view kKanji[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
    std::string_view rest = name;
    auto take = [&rest](std::string_view word) {
        if (!rest.starts_with(word)) return false;
        rest.remove_prefix(word.size());
        return true;
    };
    file = rank = 0;
    for (int i = 1; i <= 9 && file == 0; ++i)
        if (take(std::string(1, char('0' + i))) || take(kFullWidthDigits[i - 1])) file = i;
    for (int i = 1; i <= 9 && file != 0 && rank == 0; ++i)
        if (take(std::string(1, char('0' + i))) || take(std::string(1, char('a' + i - 1))) || take(kKanji[i - 1]))
            rank = i;
    return file != 0 && rank != 0 && rest.empty();
}

}  // namespace xantu
