#include "clipboard_qt.h"

#include <QClipboard>
#include <QGuiApplication>

namespace xantu {

std::string ClipboardQt::text() const {
    const QClipboard* board = QGuiApplication::clipboard();
    return board ? board->text().toStdString() : std::string();
}

void ClipboardQt::setText(const std::string& text) {
    if (QClipboard* board = QGuiApplication::clipboard()) board->setText(QString::fromStdString(text));
}

}  // namespace xantu
