#include "translator_qt.h"

#include <QByteArray>

namespace xantu {

std::string TranslatorQt::translate(std::string_view id, std::string_view source) const {
    const QByteArray key(id.data(), static_cast<qsizetype>(id.size()));
    // qtTrId answers the id itself when no translator knows it.
    const QString shown = qtTrId(key.constData());
    if (shown.toUtf8() == key) return std::string(source);
    return shown.toStdString();
}

QString uiText(Msg m, std::initializer_list<TextArg> args) {
    static const TranslatorQt translator;
    return QString::fromStdString(文言(translator, m, args));
}

}  // namespace xantu
