#pragma once
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QString>
#include <QTransform>

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

// The wooden body every piece of either set is drawn on, in logical pixels:
// size 0 (pawn) .. 5 (king) gives its width and height; every body stands
// on the same base line and points up, the lower side's way.
inline constexpr double kPieceBottom = 38.5;
double pieceWidth(int size);
double pieceHeight(int size);
QPolygonF pieceOutline(int size);
// The identity for the lower side; for the upper side the turn by 180° about
// the cell's centre.
QTransform pieceTurn(bool upper);
// The body with its shadow, wood and bevel, turned by `turn`.
void paintPieceBody(QPainter& p, int size, const QTransform& turn);

// The international set: the same pieces without kanji, each showing its
// letter (K R B G S N L, J for the pawn, which moves like a rook) and marks for
// its moves: a dot for a step to a neighbouring square, an arrow for a move
// of any distance. Promoted pieces have a red letter, a "+" and their
// promoted moves. Their names are the kanji set's with kLetterSetPrefix in
// front.
inline constexpr const char* kLetterSetPrefix = "INTL_";
struct LetterPieceSpec {
    QString name;    // file name without ".png", prefix included
    QString letter;  // one Latin capital
    bool promoted;
    bool upper;
    int size;    // as PieceSpec::size
    int steps;   // bit d: one step in direction d (0 forward, then clockwise by 45°)
    int ranges;  // bit d: any distance in direction d
    bool jumps;  // the knight's two jumps forward
};
std::vector<LetterPieceSpec> letterPieceSpecs();
QImage drawLetterPiece(const LetterPieceSpec& def, int scale);

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
// (6 = ペカナ, 2..5 the single-tile themes), built from the pictures above;
// `pieceSet` is the prefix of the piece pictures ("" for kanji).
QImage drawPreview(int theme, int scale, const QString& pieceSet = QString());

// Every piece of both sets side by side at 1x and 2x (the kanji set, the
// international set and its upper side's pieces), and the board drawn with the
// international set at 1x and 2x: for looking at the letters and marks.
QImage drawPieceSheet();

// The mincho face for every character drawn.
QString minchoFamily();

}  // namespace xantu::tools
