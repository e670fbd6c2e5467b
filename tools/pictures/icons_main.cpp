// Writes the program's icon into a hicolor icon theme folder:
// `make_icons <folder>` makes <folder>/<N>x<N>/apps/<id>.png for each size.
// Run with QT_QPA_PLATFORM=offscreen where there is no display.
#include <QDir>
#include <QGuiApplication>

#include <cstdio>

#include "art.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: make_icons <output folder> <icon name>\n");
        return 2;
    }
    bool ok = true;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString sub = QStringLiteral("%1x%1/apps").arg(size);
        QDir dir(args[1]);
        if (!dir.mkpath(sub)) {
            std::fprintf(stderr, "make_icons: cannot create %s/%s\n", qPrintable(args[1]), qPrintable(sub));
            return 1;
        }
        const QString file = dir.filePath(sub + QLatin1Char('/') + args[2] + QStringLiteral(".png"));
        if (!xantu::tools::drawIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(file));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
