#include "diagram_command.h"

#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <cstring>

#include "diagram/diagram.h"
#include "diagram_output.h"

namespace xantu {

namespace {

constexpr const char* kUsage =
    "usage: xantu --diagram SFEN FILE.png|FILE.svg [--style book|screen] [--last SQUARE] [--caption TEXT]";

// Qt's own notes (a missing runtime folder, a font) would add lines to the
// one the command promises; only its errors are let through.
void quietNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

int refuse(const QString& why) {
    std::fprintf(stderr, "xantu: %s\n", why.toLocal8Bit().constData());
    return 2;
}

}  // namespace

bool wantsDiagram(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--diagram") == 0) return true;
    return false;
}

int runDiagramCommand(int argc, char** argv) {
    // Drawn off the screen: no window opens and no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietNotes);
    // The arguments are all the command's: Qt is given none of them (it
    // would take "--style" for its own).
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    DiagramRequest request;
    QString file;
    bool sfenGiven = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& option = args[i];
        const bool hasValue = i + 1 < args.size();
        if (option == QLatin1String("--diagram") && i + 2 < args.size()) {
            request.sfen = args[++i].toStdString();
            file = args[++i];
            sfenGiven = true;
        } else if (option == QLatin1String("--style") && hasValue) {
            const QString style = args[++i];
            if (style == QLatin1String("book"))
                request.style = DiagramStyle::Book;
            else if (style == QLatin1String("screen"))
                request.style = DiagramStyle::Screen;
            else
                return refuse(QStringLiteral("unknown style \"%1\" (book or screen)").arg(style));
        } else if (option == QLatin1String("--last") && hasValue) {
            const QString square = args[++i];
            if (!readSquareName(square.toStdString(), request.lastFile, request.lastRank))
                return refuse(QStringLiteral("\"%1\" is not a square (76, 7f or ７六)").arg(square));
        } else if (option == QLatin1String("--caption") && hasValue) {
            request.caption = args[++i].toStdString();
        } else {
            return refuse(QString::fromLatin1(kUsage));
        }
    }
    if (!sfenGiven) return refuse(QString::fromLatin1(kUsage));
    if (!diagramFormatFor(file)) return refuse(QStringLiteral("%1: the file name must end in .png or .svg").arg(file));

    DiagramContent content;
    std::string error;
    if (!readDiagramRequest(request, content, error)) return refuse(QString::fromStdString(error));
    if (const std::error_code why = writeDiagramFile(file, content, request.style))
        return refuse(QStringLiteral("%1: cannot write: %2").arg(file, QString::fromStdString(why.message())));
    return 0;
}

}  // namespace xantu
