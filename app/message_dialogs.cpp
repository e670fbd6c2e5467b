#include "message_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace xantu {

QString MessageDialogs::displayText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
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
    const int answer = box.exec();
    if (buttons == MsgButtons::YesNo) return answer == QMessageBox::Yes ? kMsgYes : kMsgNo;
    return kMsgOk;
}

std::string MessageDialogs::chooseFile(FileChoice kind, const std::string& title, const std::string& suggestedName) {
    QFileDialog dialog(parent_.data(), QString::fromStdString(title), QDir::currentPath(),
                       QStringLiteral("KIF (*.kif *.kifu);;すべてのファイル (*)"));
    if (kind == FileChoice::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // A name typed without an ending becomes .kif before the overwrite question.
        dialog.setDefaultSuffix(QStringLiteral("kif"));
        dialog.selectFile(QString::fromStdString(suggestedName));
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace xantu
