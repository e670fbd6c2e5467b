#include "message_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>

#include "diagram_dialogs.h"
#include "new_game_dialog.h"
#include "time_control_dialog.h"
#include "translator_qt.h"

namespace xantu {

QString MessageDialogs::displayText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

void MessageDialogs::makeRoomForTitle(QMessageBox& box) {
    // A box sizes itself to its text and buttons; a title longer than a
    // short text ("再開(COM)" over "OKですか？") would be cut by the window
    // manager. Its title bar also holds an icon and three buttons, and its
    // face is often larger and bold: leave room for all of that.
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) * 5 / 4 + kTitleBarControls;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

int MessageDialogs::messageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                               bool exclamation) {
    QMessageBox box(parent_.data());
    // An empty caption would show the application's name instead.
    box.setWindowTitle(title.empty() ? QStringLiteral(" ") : QString::fromStdString(title));
    box.setText(displayText(text));
    box.setTextFormat(Qt::PlainText);
    box.setIcon(exclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
    if (buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    makeRoomForTitle(box);
    const int answer = box.exec();
    if (buttons == MsgButtons::YesNo) return answer == QMessageBox::Yes ? kMsgYes : kMsgNo;
    return kMsgOk;
}

std::string MessageDialogs::chooseFile(const FileRequest& request) {
    const bool csa = request.format == RecordFormat::Csa;
    const QString folder = request.folder.empty() || !QDir(QString::fromStdString(request.folder)).exists()
                               ? QDir::currentPath()
                               : QString::fromStdString(request.folder);
    QFileDialog dialog(parent_.data(), QString::fromStdString(request.title), folder,
                       csa ? uiText(Msg::CsaFilter) : uiText(Msg::KifFilter));
    if (request.kind == FileChoice::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // A name typed without an ending gets the format's before the overwrite question.
        dialog.setDefaultSuffix(csa ? QStringLiteral("csa") : QStringLiteral("kif"));
        dialog.selectFile(QString::fromStdString(request.suggestedName));
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    // Large enough that the name, size, type and date columns all show.
    dialog.setViewMode(QFileDialog::Detail);
    QSize size(900, 560);
    if (const QWidget* parent = parent_.data(); parent != nullptr && parent->screen() != nullptr) {
        const QSize room = parent->screen()->availableGeometry().size() * 9 / 10;
        size = size.boundedTo(room);
    }
    dialog.resize(size);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace xantu

namespace xantu {

std::optional<NewGameChoice> MessageDialogs::chooseNewGame(const NewGameRequest& request) {
    NewGameDialog dialog(request, parent_.data());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.choice();
}

bool MessageDialogs::chooseTimeControls(TimeControls& controls) { return editTimeControls(parent_.data(), controls); }

DiagramResult MessageDialogs::saveDiagram(const DiagramRequest& request) {
    return saveDiagramWithDialog(parent_.data(), request);
}

DiagramResult MessageDialogs::printDiagram(const DiagramRequest& request) {
    return printDiagramWithDialog(parent_.data(), request);
}

}  // namespace xantu
