// Writes every picture of the game as PNG, at 1x and at two, three and four
// times the resolution ("@2x", "@3x", "@4x" before ".png"), so that the game
// is sharp at every window size. Run with QT_QPA_PLATFORM=offscreen where there is no display.
#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

#include "art.h"

using namespace xantu::tools;

namespace {

bool save(const QImage& image, const QDir& dir, const QString& name, int scale) {
    const QString file =
        dir.filePath(name + (scale == 1 ? QStringLiteral(".png") : QStringLiteral("@%1x.png").arg(scale)));
    // Opaque 24-bit pictures, like the bitmaps they stand for.
    if (!image.convertToFormat(QImage::Format_RGB888).save(file, "PNG")) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

// All five themes side by side in two rows, at 1x.
QImage previewSheet() {
    const int themes[5] = {6, 2, 3, 4, 5};
    const QImage first = drawPreview(6, 1);
    QImage sheet(first.width() * 3, first.height() * 2, QImage::Format_RGB888);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    for (int i = 0; i < 5; ++i)
        p.drawImage((i % 3) * first.width(), (i / 3) * first.height(), i == 0 ? first : drawPreview(themes[i], 1));
    // The sixth place shows the board at double resolution, scaled down.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(2 * first.width(), first.height(), first.width(), first.height()), drawPreview(6, 2));
    return sheet;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString preview, pieceSheet;
    bool usage = args.size() < 2 || args.size() % 2 != 0;
    for (int i = 2; !usage && i + 1 < args.size(); i += 2) {
        if (args[i] == QStringLiteral("--preview"))
            preview = args[i + 1];
        else if (args[i] == QStringLiteral("--pieces"))
            pieceSheet = args[i + 1];
        else
            usage = true;
    }
    if (usage) {
        std::fprintf(stderr, "usage: make_pictures <output folder> [--preview <file.png>] [--pieces <file.png>]\n");
        return 2;
    }
    QDir dir(args[1]);
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make_pictures: cannot create %s\n", qPrintable(args[1]));
        return 1;
    }
    bool ok = true;
    for (int scale : {1, 2, 3, 4}) {
        for (const PieceSpec& def : pieceSpecs()) ok = save(drawPiece(def, scale), dir, def.name, scale) && ok;
        for (const LetterPieceSpec& def : letterPieceSpecs())
            ok = save(drawLetterPiece(def, scale), dir, def.name, scale) && ok;
        ok = save(drawEmptySquare(scale), dir, QStringLiteral("KARA_MASU"), scale) && ok;
        for (const TileSpec& def : tileSpecs()) ok = save(drawTile(def.tile, scale), dir, def.name, scale) && ok;
        ok = save(drawTitle(scale), dir, QStringLiteral("XANTUSHOGI"), scale) && ok;
    }
    if (!preview.isEmpty() && !previewSheet().save(preview, "PNG")) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(preview));
        ok = false;
    }
    if (!pieceSheet.isEmpty() && !drawPieceSheet().save(pieceSheet, "PNG")) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(pieceSheet));
        ok = false;
    }
    return ok ? 0 : 1;
}
