#include "app_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "canvas_widget.h"
#include "window/menu_table.h"

namespace xantu {

void setUpApplication(QApplication& app) {
    app.setApplicationName(QString::fromUtf8(kWindowTitle));
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(translator);
    } else {
        delete translator;
    }
    CanvasWidget::installFontSubstitution();
}

}  // namespace xantu
