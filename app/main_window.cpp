#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "canvas_widget.h"
#include "clipboard_qt.h"
#include "file_panel_widget.h"
#include "install_paths.h"
#include "menu_set.h"
#include "message_dialogs.h"
#include "sound/sound_library_dl.h"
#include "timer_clock.h"
#include "window/game_window.h"
#include "window/menu_table.h"

namespace xantu {

MainWindow::MainWindow(const QString& soundFolder, QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(uiText(Msg::AppTitle));
    canvas_ = new CanvasWidget(this);
    setCentralWidget(canvas_);

    menus_ = std::make_unique<MenuSet>(menuBar());
    dialogs_ = std::make_unique<MessageDialogs>(this);
    clock_ = std::make_unique<TimerClockQt>();
    panel_ = std::make_unique<FilePanelWidget>(canvas_, *dialogs_);
    sound_ = std::make_unique<SoundLibraryDl>(QDir(soundFolder).absolutePath().toStdString());

    // The WAV files: the current folder first (the game looks there itself),
    // then beside the program, its installed data folder and the source tree.
    clipboard_ = std::make_unique<ClipboardQt>();
    platform_.emplace(Platform{*canvas_, *dialogs_, *menus_, *clock_, *panel_, *sound_, *this, *clipboard_, translator_,
                               static_cast<std::intptr_t>(winId()), soundFolders()});

    // Sees every event first, so that input for this window can be thrown
    // away while the game is busy.
    qApp->installEventFilter(this);

    connect(canvas_, &CanvasWidget::viewChanged, this, [this] { panel_->relayout(*canvas_); });
    connect(canvas_, &CanvasWidget::areaChanged, this, &MainWindow::followArea);
    // The user's own resize may move the move list below the board or back;
    // the window keeps the size the user gave it.
    connect(canvas_, &CanvasWidget::resized, this, [this](QSize size) {
        resizing_ = true;
        dispatch([=](GameWindow& g) { g.Form_Resize(size.width(), size.height()); });
        resizing_ = false;
    });
    connect(canvas_, &CanvasWidget::mousePressed, this, [this](int button, int shift, double x, double y) {
        dispatch([=](GameWindow& g) { g.Form_MouseDown(button, shift, x, y); });
    });
    connect(canvas_, &CanvasWidget::wheelTurned, this, [this](int steps, double x, double y) {
        dispatch([=](GameWindow& g) { g.Form_MouseWheel(x, y, steps); });
    });
    connect(menus_.get(), &MenuSet::menuOpened, this,
            [this](const QString& name) { dispatch([&](GameWindow& g) { g.menuOpened(name.toStdString()); }); });
    connect(menus_.get(), &MenuSet::command, this,
            [this](const QString& name) { dispatch([&](GameWindow& g) { g.menuCommand(name.toStdString()); }); });
    connect(clock_.get(), &TimerClockQt::tick, this, [this] { dispatch([](GameWindow& g) { g.Timer1_Timer(); }); });
    // Beside Timer1, which runs only with the game's clock: the searches that
    // run beside the game are read every period, except during a wait.
    studyTimer_.setInterval(TimerClockQt::kIntervalMs);
    connect(&studyTimer_, &QTimer::timeout, this, [this] {
        if (!clock_->waiting()) dispatch([](GameWindow& g) { g.studyTick(); });
    });
    studyTimer_.start();
    connect(panel_.get(), &FilePanelWidget::returnClicked, this,
            [this] { dispatch([](GameWindow& g) { g.Command1_Click(); }); });
    connect(panel_.get(), &FilePanelWidget::fileClicked, this,
            [this](const QString& path) { dispatch([&](GameWindow& g) { g.File1_Click(path.toStdString()); }); });
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    // The panel's controls belong to the canvas; let the panel go first.
    panel_.reset();
}

double MainWindow::top() const { return CanvasWidget::toTwips(frameGeometry().top()); }

void MainWindow::place(double left, double top, double width, double height) {
    canvas_->setArea(width, height);
    // The largest whole or half scale (1×, 1.5×, 2×…) whose drawing fits in
    // about 80 % of the screen's free area; below 1× only where even 1× does
    // not fit the free area with the window's frame and menu bar.
    const QRect free = screen() ? screen()->availableGeometry() : QRect(0, 0, 1 << 14, 1 << 14);
    QSize frame = frameGeometry().size() - geometry().size();
    if (frame.isEmpty()) frame = QSize(10, 40);  // not yet framed: room for a usual title bar
    const int menuHeight = menuBar()->sizeHint().height();
    const QSize natural = canvas_->naturalSize();
    const QSize room(free.width() - frame.width(), free.height() - frame.height() - menuHeight);
    double scale = std::min({1.0, double(room.width()) / natural.width(), double(room.height()) / natural.height()});
    for (double s = 1.5; natural.width() * s <= 0.8 * free.width() && natural.height() * s <= 0.8 * free.height() &&
                         natural.width() * s <= room.width() && natural.height() * s <= room.height();
         s += 0.5)
        scale = s;
    const QSize first(std::max(1, int(natural.width() * scale)), std::max(1, int(natural.height() * scale)));
    canvas_->setFixedSize(first);
    adjustSize();
    canvas_->setMinimumSize(canvas_->minimumSizeHint());
    canvas_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // Centred on the free area (the classic place is the screen's corner 0, 0,
    // which the centring replaces on a screen with room to spare).
    const QSize whole = size() + frame;
    const QPoint centred(free.left() + std::max(0, (free.width() - whole.width()) / 2),
                         free.top() + std::max(0, (free.height() - whole.height()) / 2));
    framePlace_ = centred + QPoint(CanvasWidget::toPixels(left), CanvasWidget::toPixels(top));
    move(*framePlace_);
    placeFrame();
}

WindowPlacement MainWindow::placement() const {
    const QRect normal = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    WindowPlacement p;
    if (!normal.isValid()) return p;
    p.x = normal.x();
    p.y = normal.y();
    p.width = normal.width();
    p.height = normal.height();
    p.maximised = isMaximized();
    return p;
}

void MainWindow::restorePlacement(const WindowPlacement& placement) {
    if (!placement.valid()) return;
    QRect wanted(placement.x, placement.y, placement.width, placement.height);
    // The screen the window was on, or the one nearest to it gone: the
    // primary screen. The window lands there whole, frame included.
    QScreen* target = QGuiApplication::screenAt(wanted.center());
    if (target == nullptr) target = QGuiApplication::primaryScreen();
    if (target != nullptr) {
        QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
        if (frame.isNull()) frame = QMargins(5, 30, 5, 10);
        const QRect free = target->availableGeometry().marginsRemoved(frame);
        wanted.setSize(wanted.size().boundedTo(free.size()).expandedTo(minimumSizeHint()));
        wanted.moveLeft(
            std::clamp(wanted.left(), free.left(), std::max(free.left(), free.right() - wanted.width() + 1)));
        wanted.moveTop(std::clamp(wanted.top(), free.top(), std::max(free.top(), free.bottom() - wanted.height() + 1)));
    }
    framePlace_.reset();
    setGeometry(wanted);
    if (placement.maximised) setWindowState(windowState() | Qt::WindowMaximized);
}

bool MainWindow::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Show:
    case QEvent::WindowActivate: placeFrame(); break;
    default: break;
    }
    return handled;
}

void MainWindow::placeFrame() {
    // place() gives the corner of the whole frame, title bar included; but
    // for a window whose native window exists already (its handle went to
    // the sound library) move() places the client area, and a window
    // manager's title bar would end up above the screen. So once the window
    // manager has framed the window (its frame margins are known), the
    // client area goes that far inside the corner. Without a window manager
    // there is no frame and the first move() was right.
    QWindow* native = windowHandle();
    if (!framePlace_ || native == nullptr || !isVisible()) return;
    const QMargins frame = native->frameMargins();
    if (frame.isNull()) return;
    const QPoint client = *framePlace_ + QPoint(frame.left(), frame.top());
    framePlace_.reset();
    if (native->position() != client) native->setPosition(client);
}

void MainWindow::followArea(QSizeF before, QSizeF after) {
    // A shown window of its own size (not maximised, not full screen) keeps
    // the scale when the area grows or shrinks (a panel shown or hidden beside
    // or below the board): it grows or shrinks with it in either direction,
    // within the screen.
    if (resizing_ || !isVisible() || before.width() <= 0 || before.height() <= 0 ||
        (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0)
        return;
    const QSize canvas = canvas_->size();
    const QSize grown(
        static_cast<int>(std::lround(canvas.width() * after.width() / before.width())) - canvas.width(),
        static_cast<int>(std::lround(canvas.height() * after.height() / before.height())) - canvas.height());
    QSize target = size() + grown;
    if (const QScreen* s = screen()) {
        const QSize frame = frameGeometry().size() - size();
        target = target.boundedTo(s->availableGeometry().size() - frame);
    }
    resize(target.expandedTo(QSize(1, 1)));
}

void MainWindow::quit() {
    if (exiting_) return;
    exiting_ = true;
    clock_->setTimerEnabled(false);
    studyTimer_.stop();
    // Queued, so that it also works before the event loop runs and never
    // tears the window down under the call that asked for it.
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

namespace {

bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease: return true;
    default: return false;
    }
}

}  // namespace

bool MainWindow::inputBlocked() const { return (game_ && game_->computerBusy()) || clock_->waiting(); }

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (!isUserInput(event->type()) || !inputBlocked()) return false;
    // Only this window's input: the message boxes shown meanwhile stay usable.
    const auto* widget = qobject_cast<QWidget*>(watched);
    const bool ours = watched == windowHandle() || (widget != nullptr && widget->window() == this);
    if (!ours) return false;
    // Esc is remembered by the game, which ends the program once it is no
    // longer busy; the event itself goes no further (so it is seen once,
    // whether the window or one of its widgets receives it first).
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && !key->isAutoRepeat()) dispatch([](GameWindow& g) { g.Form_KeyPress(27); });
    }
    // An accepted override keeps the key from firing a shortcut instead: it
    // comes on as a key press, which is stopped here.
    if (event->type() == QEvent::ShortcutOverride) event->accept();
    return true;
}

void MainWindow::discardUserInput() {
    // Whatever has queued up (also events the desktop had not handed over
    // yet while the game computed) is delivered now and stopped by the event
    // filter, which still sees the game busy.
    for (int pass = 0; pass < 2; ++pass) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void MainWindow::afterCall() {
    if (game_ && game_->exitRequested()) {
        quit();
    } else if (depth_ == 0 && closePending_) {
        closePending_ = false;
        close();
    }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
    if (plain) {
        switch (event->key()) {
        case Qt::Key_Left: dispatch([](GameWindow& g) { g.keyCommand(GameKey::Back); }); return;
        case Qt::Key_Right: dispatch([](GameWindow& g) { g.keyCommand(GameKey::Forward); }); return;
        case Qt::Key_Home: dispatch([](GameWindow& g) { g.keyCommand(GameKey::First); }); return;
        case Qt::Key_End: dispatch([](GameWindow& g) { g.keyCommand(GameKey::Last); }); return;
        case Qt::Key_Backspace: dispatch([](GameWindow& g) { g.keyCommand(GameKey::TakeBack); }); return;
        case Qt::Key_M: dispatch([](GameWindow& g) { g.keyCommand(GameKey::Mute); }); return;
        case Qt::Key_A: dispatch([](GameWindow& g) { g.keyCommand(GameKey::Study); }); return;
        case Qt::Key_H: dispatch([](GameWindow& g) { g.keyCommand(GameKey::Hint); }); return;
        case Qt::Key_F11: toggleFullScreen(); return;
        default: break;
        }
    }
    int code = 0;
    if (event->key() == Qt::Key_Escape) {
        // An Esc meant for an open menu only closes that menu.
        if (QApplication::activePopupWidget() != nullptr || menuBar()->activeAction() != nullptr) {
            QMainWindow::keyPressEvent(event);
            return;
        }
        // Esc in a text box of the record panel only leaves the box: it must
        // not end the program (and the game on the board) while typing.
        if (qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr) {
            setFocus();
            return;
        }
        code = 27;
    } else {
        const QString text = event->text();
        if (text.size() == 1 && text.at(0).unicode() < 128) code = text.at(0).unicode();
    }
    if (code == 0) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    dispatch([code](GameWindow& g) { g.Form_KeyPress(code); });
}

void MainWindow::toggleFullScreen() {
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!exiting_ && depth_ > 0 && game_ && game_->computerBusy()) {
        // Closed while the computer thinks: the game stops its search at
        // once and ends the program as soon as the turn is left.
        dispatch([](GameWindow& g) { g.Form_Unload(); });
        event->ignore();
        return;
    }
    if (!exiting_ && depth_ > 0) {
        // The window is closed while a box is open: the unload waits until
        // that event is over.
        closePending_ = true;
        event->ignore();
        return;
    }
    if (!exiting_) {
        // The game may ask first; a No keeps the window open.
        dispatch([](GameWindow& g) { g.Form_Unload(); });
        if (!exiting_) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

}  // namespace xantu
