#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/position.h"
#include "platform/platform.h"

namespace xantu {

// A diagram of a Position as a list of plain shapes, in pixels with the
// origin at the top-left corner. One list feeds every output: the front end
// paints it into a PNG or onto a printer page, and the SVG writer turns it
// into text, so that all of them show the same drawing.
struct DiagramShape {
    enum class Kind {
        Rect,     // a box filled with `colour`
        Text,     // `text` on the baseline through (x, y)
        Picture,  // the game's picture `code` stretched over the box
    };
    // Where a text stands: (x, y) is the left end, the middle or the right
    // end of its baseline.
    enum class Anchor { Start, Middle, End };
    // The faces: the fixed-width Mincho (pieces and numbers) and the
    // proportional one (running text, and the game's own labels).
    enum class Face { Mincho, ProportionalMincho };

    Kind kind = Kind::Rect;
    double x = 0, y = 0, w = 0, h = 0;
    std::uint32_t colour = 0;  // 0xRRGGBB
    std::string text;
    double size = 0;  // a text's em, in pixels
    Anchor anchor = Anchor::Start;
    Face face = Face::Mincho;
    bool bold = false;
    // Turned half round about the middle of its em box (the upper side's
    // pieces in a book diagram).
    bool upsideDown = false;
    bool piece = false;  // a piece on the board, written as a kanji
    int code = 0;
};

struct Diagram {
    double width = 0, height = 0;
    // Device pixels per pixel of the diagram in a picture made of it (the
    // PNG, and the size an SVG asks to be shown at).
    double scale = 1;
    std::uint32_t background = 0xffffff;
    std::vector<DiagramShape> shapes;

    void rect(double x, double y, double w, double h, std::uint32_t colour);
    DiagramShape& text(double x, double y, const std::string& text, double size, DiagramShape::Anchor anchor,
                       DiagramShape::Face face = DiagramShape::Face::Mincho);
    void picture(int code, double x, double y, double w, double h);
};

// In the IPA Mincho faces the em box of a kanji runs from 0.88 em above the
// baseline to 0.12 em below it: a glyph whose box is centred on a point has
// its baseline this many ems below that point.
inline constexpr double kEmCentreToBaseline = 0.38;

// What a diagram shows, read from a request: the Position with 先手 at the
// bottom (the board's lower side), the square of the last move as a board
// square (x 1..9 from the left, y 1..9 from the top; 0 for none) and the
// caption under the board.
struct DiagramContent {
    Position position;
    int lastX = 0, lastY = 0;
    std::string caption;
    int backgroundTheme = 6;
};

// The content of a request; false, with a one-line reason, for an SFEN that
// does not read or a last square off the board.
bool readDiagramRequest(const DiagramRequest& request, DiagramContent& content, std::string& error);

// The caption of a diagram: the player's words, and the number of moves
// that lead to the Position as "N手目まで".
std::string diagramCaption(const std::string& words, int moveNumber);

// A square named as on the command line, "76", "7f" or "７六" (the file, then
// the rank as a digit, a USI letter or a kanji numeral), as its file and rank; false for anything else.
bool readSquareName(const std::string& name, int& file, int& rank);

}  // namespace xantu
