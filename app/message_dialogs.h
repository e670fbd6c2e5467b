#pragma once
#include <QPointer>
#include <QWidget>

#include "platform/platform.h"

class QMessageBox;

namespace xantu {

// The game's modal message boxes. Lines arrive separated by carriage
// returns; the buttons speak the desktop's language through the Qt
// translator loaded at start-up.
class MessageDialogs : public Dialogs {
public:
    explicit MessageDialogs(QWidget* parent) : parent_(parent) {}

    int messageBox(const std::string& text, const std::string& title, MsgButtons buttons, bool exclamation) override;
    std::string chooseFile(const FileRequest& request) override;
    std::optional<NewGameChoice> chooseNewGame(const NewGameRequest& request) override;
    bool chooseTimeControls(TimeControls& controls) override;
    DiagramResult saveDiagram(const DiagramRequest& request) override;
    DiagramResult printDiagram(const DiagramRequest& request) override;

    // The text as shown: CR LF and lone CR become line feeds.
    static QString displayText(const std::string& text);
    // Widens the box so that the window manager can show its whole title.
    static void makeRoomForTitle(QMessageBox& box);
    // Pixels of a title bar taken by its icon, buttons and margins.
    static constexpr int kTitleBarControls = 140;

private:
    QPointer<QWidget> parent_;
};

}  // namespace xantu
