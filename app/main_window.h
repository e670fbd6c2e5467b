#pragma once
#include <QMainWindow>
#include <QSizeF>
#include <QTimer>
#include <memory>
#include <optional>

#include "platform/platform.h"
#include "translator_qt.h"

namespace xantu {

class CanvasWidget;
class ClipboardQt;
class FilePanelWidget;
class GameWindow;
class MenuSet;
class MessageDialogs;
class TimerClockQt;

// The program's one window: menu bar, drawing surface, record-file panel,
// timer and message boxes, offered to the game as its Platform. Every event
// is handed to the attached window object, and the application ends as soon
// as the window object asks for it.
class MainWindow : public QMainWindow, public WindowFrame {
    Q_OBJECT
public:
    // `soundFolder`: where the sound library lies (the program's folder).
    explicit MainWindow(const QString& soundFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

    Platform& platform() { return *platform_; }
    void attach(GameWindow& game) { game_ = &game; }
    bool exiting() const { return exiting_; }

    CanvasWidget* canvas() const { return canvas_; }
    MenuSet* menus() const { return menus_.get(); }
    FilePanelWidget* filePanel() const { return panel_.get(); }
    TimerClockQt* clock() const { return clock_.get(); }

    // WindowFrame, in twips.
    double top() const override;
    void place(double left, double top, double width, double height) override;
    void quit() override;
    WindowPlacement placement() const override;
    void restorePlacement(const WindowPlacement& placement) override;
    void discardUserInput() override;
    // F11: full screen and back.
    void toggleFullScreen();

    // Runs one call into the window object, then ends the program if asked.
    template <typename Call>
    void dispatch(Call&& call);

    // True while the game is busy (the computer's turn, a wait): clicks and
    // keys for this window are thrown away then.
    bool inputBlocked() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void afterCall();
    void followArea(QSizeF before, QSizeF after);

    CanvasWidget* canvas_;
    std::unique_ptr<MenuSet> menus_;
    std::unique_ptr<MessageDialogs> dialogs_;
    std::unique_ptr<TimerClockQt> clock_;
    QTimer studyTimer_;
    std::unique_ptr<FilePanelWidget> panel_;
    std::unique_ptr<SoundLibrary> sound_;
    std::unique_ptr<ClipboardQt> clipboard_;
    TranslatorQt translator_;
    std::optional<Platform> platform_;
    GameWindow* game_ = nullptr;
    bool exiting_ = false;
    // The frame corner place() asked for, in pixels, until the client area
    // has been put inside it.
    std::optional<QPoint> framePlace_;
    void placeFrame();
    int depth_ = 0;              // calls into the window object under way
    bool resizing_ = false;      // the area changes because the user resized the window
    bool closePending_ = false;  // closed while a call was under way
};

template <typename Call>
void MainWindow::dispatch(Call&& call) {
    if (!game_ || exiting_) return;
    {
        struct Depth {
            int& d;
            explicit Depth(int& depth) : d(depth) { ++d; }
            ~Depth() { --d; }
        } guard(depth_);
        call(*game_);
    }
    afterCall();
}

}  // namespace xantu
