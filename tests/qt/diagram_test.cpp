#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "diagram/book_diagram.h"
#include "diagram_output.h"

using namespace xantu;

namespace {

const char* const kStart = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";
// A middle game: a dragon on ２三, each side a bishop and pawns in hand.
const char* const kMiddle = "lnsgkg1nl/1r5s1/ppppp2+Rp/6p2/9/2P6/PP1PPPP2/9/LNSGKGSNL w B2Pb2p 20";

struct ProgramRun {
    int status = -1;
    QString errors;
};

// The program itself, as a user runs it from a shell with no display.
ProgramRun runProgram(const QStringList& args) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(XANTU_APP_DIR "/xantu"), args);
    ProgramRun run;
    if (!program.waitForFinished(60000)) return run;
    run.status = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    run.errors = QString::fromLocal8Bit(program.readAllStandardError());
    return run;
}

// The texts of an SVG file, and how many of them are board pieces; false
// when it is not well-formed XML.
bool readSvgTexts(const QString& path, QStringList& texts, int& pieces) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    QXmlStreamReader xml(&file);
    texts.clear();
    pieces = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("text")) continue;
        if (xml.attributes().value(QLatin1String("class")) == QLatin1String("piece")) ++pieces;
        texts << xml.readElementText();
    }
    return !xml.hasError();
}

DiagramContent contentOf(const char* sfen, int lastFile = 0, int lastRank = 0, int moveNumber = 0) {
    DiagramRequest request;
    request.sfen = sfen;
    request.lastFile = lastFile, request.lastRank = lastRank;
    request.moveNumber = moveNumber;
    DiagramContent content;
    std::string error;
    EXPECT_TRUE(readDiagramRequest(request, content, error)) << error;
    return content;
}

}  // namespace

// The command line writes a PNG and an SVG of a Position without a window
// or a display, and refuses what it cannot draw with exit status 2 and one
// line, leaving no file behind.
TEST(DiagramCommand, WritesPngAndSvgAndRefusesBadInput) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString png = tmp.filePath(QStringLiteral("start.png"));
    ProgramRun run = runProgram({"--diagram", kStart, png});
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    const Diagram book = bookDiagram(contentOf(kStart));
    EXPECT_EQ(QImage(png).size(), QSize(int(book.width * book.scale), int(book.height * book.scale)));

    const QString svg = tmp.filePath(QStringLiteral("start.svg"));
    ASSERT_EQ(runProgram({"--diagram", kStart, svg}).status, 0);
    QStringList texts;
    int pieces = 0;
    ASSERT_TRUE(readSvgTexts(svg, texts, pieces));
    EXPECT_EQ(pieces, 40);
    EXPECT_TRUE(texts.contains(QStringLiteral("△後手 持駒：なし")));

    const QString middle = tmp.filePath(QStringLiteral("middle.svg"));
    ASSERT_EQ(runProgram({"--diagram", kMiddle, middle, "--last", "2c", "--caption", "第1図"}).status, 0);
    ASSERT_TRUE(readSvgTexts(middle, texts, pieces));
    EXPECT_EQ(pieces, 34);  // six are in the hands
    EXPECT_TRUE(texts.contains(QStringLiteral("▲先手 持駒：角 歩二")));
    EXPECT_TRUE(texts.contains(QStringLiteral("△後手 持駒：角 歩二")));
    EXPECT_TRUE(texts.contains(QStringLiteral("第1図")));
    EXPECT_TRUE(texts.contains(QStringLiteral("龍")));
    const QString screen = tmp.filePath(QStringLiteral("screen.png"));
    ASSERT_EQ(runProgram({"--diagram", kMiddle, screen, "--style", "screen"}).status, 0);
    EXPECT_FALSE(QImage(screen).isNull());

    const QString refused = tmp.filePath(QStringLiteral("refused.png"));
    for (const QStringList& args : {QStringList{"--diagram", "lnsgkgsnl/9/9 b - 1", refused},
                                    QStringList{"--diagram", kStart, tmp.filePath(QStringLiteral("start.gif"))},
                                    QStringList{"--diagram", kStart, tmp.filePath(QStringLiteral("no/such/x.png"))}}) {
        run = runProgram(args);
        EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
        EXPECT_EQ(run.errors.count(QLatin1Char('\n')), 1) << run.errors.toStdString();
    }
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden).size(), 4);
}

// Printing needs no printer: a PDF printer gets the diagram on one page.
TEST(DiagramPrint, OnePageOfPdf) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const DiagramContent content = contentOf(kMiddle, 2, 3, 19);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(tmp.filePath(QStringLiteral("diagram.pdf")));
    ASSERT_TRUE(printDiagramOn(printer, content));
    QFile pdf(printer.outputFileName());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n"), 1);
}
