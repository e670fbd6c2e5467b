#pragma once
#include <QColor>
#include <QImage>
#include <QString>

#include <vector>

namespace xantu::tools {

// Picture sizes at 1x, in pixels.
inline constexpr int kCellW = 33, kCellH = 41;  // pieces and the empty square
inline constexpr int kTileW = 34, kTileH = 41;  // background tiles: one column wider than a cell
inline constexpr int kTitleW = 171, kTitleH = 39;

// A transparent (or opaque, when `fill` is valid) image of w×h logical pixels
// at the given scale, with the device pixel ratio left at 1 so that the file
// holds the full resolution.
QImage blankImage(int w, int h, int scale, QColor fill = QColor());

// The board's wood, the ground of every piece picture and the empty square.
void paintSquare(QImage& image, int scale);

// One piece as the lower side sees it; the upper side's pictures are these
// turned about.
struct PieceSpec {
    QString name;   // file name without ".png"
    QString kanji;  // one character
    bool promoted;  // red character
    bool upper;     // turned about
    int size;       // 0 smallest (pawn) .. 5 largest (king)
};
std::vector<PieceSpec> pieceSpecs();
QImage drawPiece(const PieceSpec& def, int scale);
QImage drawEmptySquare(int scale);
// The piece alone on a transparent ground, with its soft shadow.
QImage drawPieceOnly(const PieceSpec& def, int scale);

// The program's icon: the promoted pawn "奔", the piece that sets this game
// apart, on a transparent square of size × size pixels.
QImage drawIcon(int size);

enum class Tile { Hu, Kei, Ki, Tatami, Take, Uchu, Renga };
struct TileSpec {
    Tile tile;
    QString name;
};
std::vector<TileSpec> tileSpecs();
QImage drawTile(Tile tile, int scale);

QImage drawTitle(int scale);

// A mock-up of the whole window with the start layout on the given theme
// (6 = ペカナ, 2..5 the single-tile themes), built from the pictures above.
QImage drawPreview(int theme, int scale);

// The mincho face for every character drawn.
QString minchoFamily();

}  // namespace xantu::tools
