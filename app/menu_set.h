#pragma once
#include <QHash>
#include <QObject>
#include <QString>

#include "platform/platform.h"

class QAction;
class QMenu;
class QMenuBar;

namespace xantu {

// The window's whole menu bar, built from the menu table. Items are known by
// their names. A check mark changes only when the game sets it: choosing a
// checkable item reports the command and leaves the mark to the game.
class MenuSet : public QObject, public Menus {
    Q_OBJECT
public:
    MenuSet(QMenuBar* bar, QObject* parent = nullptr);

    bool checked(const std::string& item) const override;
    void setChecked(const std::string& item, bool on) override;

    // The action of an item or top-level command, the menu of a menu name.
    QAction* action(const QString& name) const { return actions_.value(name); }
    QMenu* menu(const QString& name) const { return menus_.value(name); }

signals:
    // A menu (top level or submenu) is about to open.
    void menuOpened(const QString& name);
    // An item or a top-level command was chosen.
    void command(const QString& name);

private:
    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus_;
    QHash<QString, bool> checks_;
};

}  // namespace xantu
