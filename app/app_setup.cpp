#include "app_setup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "canvas_widget.h"
#include "font_faces.h"
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
    // Menus, boxes and the record panel are all Japanese: prefer a Japanese
    // face over whatever the default face borrows its kana from.
    QFont ui = app.font();
    ui.setFamilies({QString::fromUtf8(kGothic), ui.family()});
    app.setFont(ui);
}

}  // namespace xantu
