#pragma once
#include <QString>
#include <optional>
#include <string>
#include <system_error>

#include "diagram/diagram.h"

class QPainter;
class QPrinter;
class QSizeF;

namespace xantu {

// The two kinds of diagram file, told apart by the name's ending.
enum class DiagramFormat { Png, Svg };
std::optional<DiagramFormat> diagramFormatFor(const QString& path);

// The diagram of the content in a style.
Diagram makeDiagram(const DiagramContent& content, DiagramStyle style);

// The whole file of the diagram in a format.
std::string diagramFileBytes(const Diagram& diagram, DiagramFormat format);

// Writes the diagram file, its format by the ending of `path`: the whole
// file or, on failure, nothing (an earlier file of the name stays as it was).
std::error_code writeDiagramFile(const QString& path, const DiagramContent& content, DiagramStyle style);

// Paints the diagram in the middle of a page's printable area of `page`
// device pixels (from the painter's origin), at most as wide as in a book,
// `dotsPerMm` device pixels to the millimetre.
void paintDiagramPage(QPainter& painter, const QSizeF& page, double dotsPerMm, const Diagram& diagram);

// Prints the book-style diagram on one page of the printer, centred, about
// as wide as in a book where the page has room. False when the printer
// cannot be started.
bool printDiagramOn(QPrinter& printer, const DiagramContent& content);

}  // namespace xantu
