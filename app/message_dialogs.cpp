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
    const QString filter = QStringLiteral("KIF (*.kif *.kifu);;すべてのファイル (*)");
    const QString start = QDir::current().filePath(QString::fromStdString(suggestedName));
    const QString caption = QString::fromStdString(title);
    const QString path = kind == FileChoice::Save
                             ? QFileDialog::getSaveFileName(parent_.data(), caption, start, filter)
                             : QFileDialog::getOpenFileName(parent_.data(), caption, start, filter);
    return path.toStdString();
}

}  // namespace xantu
