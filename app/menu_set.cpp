#include "menu_set.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "translator_qt.h"
#include "window/menu_table.h"

namespace xantu {

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

bool hasChildren(std::string_view name) {
    for (const MenuItemDef& def : kMenuItems)
        if (def.parent == name) return true;
    return false;
}

// Captions are shown as written: an "&" would otherwise turn into a mnemonic.
QString caption(Msg m) { return uiText(m).replace(QLatin1Char('&'), QStringLiteral("&&")); }

}  // namespace

MenuSet::MenuSet(QMenuBar* bar, QObject* parent) : QObject(parent) {
    // The table lists every parent before its children.
    for (const MenuItemDef& def : kMenuItems) {
        const QString name = qs(def.name);
        QMenu* parentMenu = def.parent.empty() ? nullptr : menus_.value(qs(def.parent));
        if (hasChildren(def.name)) {
            QMenu* menu = parentMenu ? parentMenu->addMenu(caption(def.caption)) : bar->addMenu(caption(def.caption));
            menu->setObjectName(name);
            menus_.insert(name, menu);
            actions_.insert(name, menu->menuAction());
            connect(menu, &QMenu::aboutToShow, this, [this, name] { emit menuOpened(name); });
            continue;
        }
        QAction* action = nullptr;
        if (parentMenu) {
            action = parentMenu->addAction(caption(def.caption));
        } else {
            action = bar->addAction(caption(def.caption));
        }
        action->setObjectName(name);
        action->setCheckable(def.checkable);
        actions_.insert(name, action);
        if (def.checkable) checks_.insert(name, false);
        connect(action, &QAction::triggered, this, [this, name, action] {
            // Undo Qt's own toggling: the mark is the game's to set.
            if (action->isCheckable()) action->setChecked(checks_.value(name));
            emit command(name);
        });
    }
}

bool MenuSet::checked(const std::string& item) const { return checks_.value(QString::fromStdString(item), false); }

void MenuSet::setChecked(const std::string& item, bool on) {
    const QString name = QString::fromStdString(item);
    QAction* action = actions_.value(name);
    if (!action) return;
    if (!action->isCheckable()) action->setCheckable(true);
    checks_.insert(name, on);
    action->setChecked(on);
}

}  // namespace xantu
