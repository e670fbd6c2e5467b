#include "diagram_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "diagram/diagram.h"
#include "diagram_output.h"
#include "translator_qt.h"

namespace xantu {

namespace {

// The kinds of file in the order of the chooser's filter texts.
struct DiagramKind {
    DiagramStyle style;
    const char* ending;
};
constexpr DiagramKind kKinds[] = {
    {DiagramStyle::Book, "png"},
    {DiagramStyle::Book, "svg"},
    {DiagramStyle::Screen, "png"},
    {DiagramStyle::Screen, "svg"},
};

DiagramResult failed(std::error_code error) {
    DiagramResult result;
    result.outcome = DiagramOutcome::Failed;
    result.error = error;
    return result;
}

}  // namespace

DiagramResult saveDiagramWithDialog(QWidget* parent, const DiagramRequest& request) {
    DiagramContent content;
    std::string error;
    if (!readDiagramRequest(request, content, error)) return failed(std::make_error_code(std::errc::invalid_argument));

    const QStringList filters = uiText(Msg::DiagramFilter).split(QStringLiteral(";;"));
    const QString folder = request.folder.empty() || !QDir(QString::fromStdString(request.folder)).exists()
                               ? QDir::currentPath()
                               : QString::fromStdString(request.folder);
    QFileDialog dialog(parent, QString::fromStdString(request.title), folder);
    dialog.setNameFilters(filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    auto kindOf = [&filters](const QString& filter) {
        const qsizetype i = filters.indexOf(filter);
        return i >= 0 && i < qsizetype(std::size(kKinds)) ? kKinds[i] : kKinds[0];
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, kindOf](const QString& filter) {
        dialog.setDefaultSuffix(QString::fromLatin1(kindOf(filter).ending));
    });
    const int first = request.style == DiagramStyle::Screen ? 2 : 0;
    if (first < filters.size()) dialog.selectNameFilter(filters[first]);
    dialog.setDefaultSuffix(QString::fromLatin1(kKinds[first].ending));
    const QString suggested = request.suggestedName.empty() ? uiText(Msg::SuggestedDiagramName)
                                                            : QString::fromStdString(request.suggestedName);
    dialog.selectFile(suggested);
    dialog.setViewMode(QFileDialog::Detail);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};

    const DiagramKind kind = kindOf(dialog.selectedNameFilter());
    QString path = dialog.selectedFiles().constFirst();
    // The name's own ending decides the format; one without gets the kind's.
    if (!diagramFormatFor(path)) path += QLatin1Char('.') + QString::fromLatin1(kind.ending);
    if (const std::error_code why = writeDiagramFile(path, content, kind.style)) return failed(why);
    DiagramResult result;
    result.outcome = DiagramOutcome::Done;
    result.path = path.toStdString();
    return result;
}

DiagramResult printDiagramWithDialog(QWidget* parent, const DiagramRequest& request) {
    DiagramContent content;
    std::string error;
    if (!readDiagramRequest(request, content, error)) return failed(std::make_error_code(std::errc::invalid_argument));
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(content.caption.empty() ? request.title : content.caption));
    QPrintDialog dialog(&printer, parent);
    if (!request.title.empty()) dialog.setWindowTitle(QString::fromStdString(request.title));
    if (dialog.exec() != QDialog::Accepted) return {};
    if (!printDiagramOn(printer, content)) return failed(std::make_error_code(std::errc::io_error));
    DiagramResult result;
    result.outcome = DiagramOutcome::Done;
    result.path = printer.outputFileName().toStdString();
    return result;
}

}  // namespace xantu
