#include "diagram_output.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "core/cp932.h"
#include "diagram/book_diagram.h"
#include "diagram/screen_diagram.h"
#include "diagram/svg_writer.h"
#include "diagram_painter.h"
#include "picture_store.h"

namespace xantu {

namespace {
// A book diagram on paper: this many millimetres wide at most.
constexpr double kPrintedWidthMm = 120;
}  // namespace

std::optional<DiagramFormat> diagramFormatFor(const QString& path) {
    const QString ending = QFileInfo(path).suffix().toLower();
    if (ending == QLatin1String("png")) return DiagramFormat::Png;
    if (ending == QLatin1String("svg")) return DiagramFormat::Svg;
    return std::nullopt;
}

Diagram makeDiagram(const DiagramContent& content, DiagramStyle style) {
    return style == DiagramStyle::Screen ? screenDiagram(content) : bookDiagram(content);
}

std::string diagramFileBytes(const Diagram& diagram, DiagramFormat format) {
    if (format == DiagramFormat::Svg) return diagramSvg(diagram, pictureFileAtTwice);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!diagramImage(diagram).save(&buffer, "PNG")) return {};
    return bytes.toStdString();
}

std::error_code writeDiagramFile(const QString& path, const DiagramContent& content, DiagramStyle style) {
    const std::optional<DiagramFormat> format = diagramFormatFor(path);
    if (!format) return std::make_error_code(std::errc::invalid_argument);
    const std::string bytes = diagramFileBytes(makeDiagram(content, style), *format);
    if (bytes.empty()) return std::make_error_code(std::errc::io_error);
    return replaceWholeFile(QFile::encodeName(path).toStdString(), bytes);
}

void paintDiagramPage(QPainter& p, const QSizeF& page, double dotsPerMm, const Diagram& diagram) {
    const double scale = std::min(
        {kPrintedWidthMm * dotsPerMm / diagram.width, page.width() / diagram.width, page.height() / diagram.height});
    p.save();
    p.translate((page.width() - diagram.width * scale) / 2, (page.height() - diagram.height * scale) / 2);
    p.scale(scale, scale);
    PictureStore pictures(scale);
    paintDiagram(p, diagram, pictures);
    p.restore();
}

bool printDiagramOn(QPrinter& printer, const DiagramContent& content) {
    QPainter p;
    if (!p.begin(&printer)) return false;
    // The painter's origin is the corner of the page's printable area.
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    paintDiagramPage(p, page.size(), printer.resolution() / 25.4, bookDiagram(content));
    return p.end();
}

}  // namespace xantu
