#include "diagram/book_diagram.h"

#include <algorithm>

#include "record/kif_text.h"

namespace xantu {

namespace {

using Anchor = DiagramShape::Anchor;
using Face = DiagramShape::Face;

constexpr std::uint32_t kInk = 0x000000;
constexpr std::uint32_t kShade = 0xd4d4d4;

constexpr int kBoardSquares = 9;  // squares along a side

// Pixels. A square a little taller than wide, as on a real board.
constexpr double kMargin = 24;
constexpr double kSquareW = 48, kSquareH = 52;
constexpr double kBoardW = kBoardSquares * kSquareW, kBoardH = kBoardSquares * kSquareH;
constexpr double kFrame = 3;       // the heavy outer line
constexpr double kLine = 1;        // the grid's lines
constexpr double kPieceSize = 38;  // the em of a piece's kanji
constexpr double kLabelSize = 18;  // the file and rank labels
constexpr double kTextSize = 20;   // the hands and the caption
constexpr double kTextRow = 30;    // the height of a line of text
constexpr double kFileRow = 26;    // the row of file numbers above the board
constexpr double kRankColumn = 30;

// The baseline of a text of `size` whose em box is centred on `middle`.
double baselineFor(double middle, double size) { return middle + kEmCentreToBaseline * size; }

// A width in ems that a line of text will not exceed: every character a
// full em, an ASCII one half of it.
double emsAtMost(const std::string& text) {
    double ems = 0;
    for (unsigned char c : text) {
        if (c < 0x80)
            ems += 0.5;
        else if ((c & 0xc0) != 0x80)
            ems += 1;
    }
    return ems;
}

// A line of running text, made smaller where it would be wider than `room`.
void textLine(Diagram& d, double x, double middle, const std::string& text, Anchor anchor, double room) {
    const double size = std::min(kTextSize, room / std::max(1.0, emsAtMost(text)));
    d.text(x, baselineFor(middle, size), text, size, anchor);
}

}  // namespace

std::string bookPieceName(int code) {
    switch (absCode(code)) {
    case kPawn: return "歩";
    case kLance: return "香";
    case kKnight: return "桂";
    case kSilver: return "銀";
    case kGold:
    case kGoldAlt: return "金";
    case kBishop: return "角";
    case kRook: return "飛";
    case kKing: return isLower(code) ? "玉" : "王";
    case kPromPawn: return "奔";
    case kPromLance: return "杏";
    case kPromKnight: return "圭";
    case kPromSilver: return "全";
    case kHorse: return "馬";
    case kDragon: return "龍";
    default: return {};
    }
}

std::string bookHandLine(bool sente, const int (&hand)[8]) {
    std::string line = sente ? "▲先手 持駒：" : "△後手 持駒：";
    bool any = false;
    // Written from the rook down to the pawn.
    for (int kind = kHandKinds; kind >= 1; --kind) {
        if (hand[kind] <= 0) continue;
        if (any) line += " ";
        line += bookPieceName(kHandKindCode[kind]);
        if (hand[kind] > 1) line += kif漢数字(hand[kind]);
        any = true;
    }
    return any ? line : line + "なし";
}

Diagram bookDiagram(const DiagramContent& content) {
    const Position& p = content.position;
    Diagram d;
    const double left = kMargin + kFrame;
    d.width = left + kBoardW + kFrame + kRankColumn + kMargin;
    // Each hand's line keeps within the board's width.
    const double room = kBoardW + 2 * kFrame;

    // 後手's hand, then the file numbers, above the board.
    double y = kMargin;
    textLine(d, kMargin, y + kTextRow / 2, bookHandLine(false, p.enemyHand), Anchor::Start, room);
    y += kTextRow;
    static const char* const kFiles[] = {"９", "８", "７", "６", "５", "４", "３", "２", "１"};
    for (int x = 1; x <= kBoardSquares; ++x)
        d.text(left + (x - 0.5) * kSquareW, baselineFor(y + kFileRow / 2, kLabelSize), kFiles[x - 1], kLabelSize,
               Anchor::Middle);
    y += kFileRow + kFrame;
    const double top = y;

    // The last move's square, under the grid.
    if (content.lastX != 0)
        d.rect(left + (content.lastX - 1) * kSquareW, top + (content.lastY - 1) * kSquareH, kSquareW, kSquareH, kShade);
    // The frame around the squares and the eight lines each way inside it.
    d.rect(left - kFrame, top - kFrame, kBoardW + 2 * kFrame, kFrame, kInk);
    d.rect(left - kFrame, top + kBoardH, kBoardW + 2 * kFrame, kFrame, kInk);
    d.rect(left - kFrame, top, kFrame, kBoardH, kInk);
    d.rect(left + kBoardW, top, kFrame, kBoardH, kInk);
    for (int i = 1; i < kBoardSquares; ++i) {
        d.rect(left + i * kSquareW, top, kLine, kBoardH, kInk);
        d.rect(left, top + i * kSquareH, kBoardW, kLine, kInk);
    }
    static const char* const kRanks[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
    for (int r = 1; r <= kBoardSquares; ++r)
        d.text(left + kBoardW + kFrame + kRankColumn / 2, baselineFor(top + (r - 0.5) * kSquareH, kLabelSize),
               kRanks[r - 1], kLabelSize, Anchor::Middle);

    // The pieces, centred on their squares; the upper side's face down the board.
    for (int x = 1; x <= kBoardSquares; ++x)
        for (int r = 1; r <= kBoardSquares; ++r) {
            const int code = p.board[x][r];
            const std::string name = bookPieceName(code);
            if (name.empty()) continue;
            const double middle = top + (r - 0.5) * kSquareH + kLine / 2;
            DiagramShape& piece = d.text(left + (x - 0.5) * kSquareW + kLine / 2, baselineFor(middle, kPieceSize), name,
                                         kPieceSize, Anchor::Middle);
            piece.upsideDown = isUpper(code);
            piece.piece = true;
        }
    y = top + kBoardH + kFrame;

    // 先手's hand below the board, ending under its right edge, and the caption.
    y += 6;
    textLine(d, left + kBoardW + kFrame, y + kTextRow / 2, bookHandLine(true, p.ownHand), Anchor::End, room);
    y += kTextRow;
    if (!content.caption.empty()) {
        y += 8;
        textLine(d, left + kBoardW / 2, y + kTextRow / 2, content.caption, Anchor::Middle, room);
        y += kTextRow;
    }
    d.height = y + kMargin;
    return d;
}

}  // namespace xantu
