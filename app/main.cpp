#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>

#include <cstdlib>

#include "app_setup.h"
#include "config_location.h"
#include "diagram_command.h"
#include "file_panel_widget.h"
#include "install_paths.h"
#include "main_window.h"
#include "window/game_window.h"

int main(int argc, char* argv[]) {
    // A diagram is written to a file without starting the game.
    if (xantu::wantsDiagram(argc, argv)) return xantu::runDiagramCommand(argc, argv);
    QApplication app(argc, argv);
    xantu::setUpApplication(app);

    xantu::MainWindow window(xantu::soundLibraryFolder());
    xantu::GameWindow game(window.platform());
    window.attach(game);
    game.settingsPath = xantu::chooseSettingsPath().toStdString();
    // The record panel starts in the home folder until the settings name another.
    window.filePanel()->setFolder(QDir::homePath());
    window.dispatch([](xantu::GameWindow& g) { g.Form_Load(); });
    if (window.exiting()) return 0;
    window.show();
    // For start-up measurements: end as soon as the first paint is done.
    if (std::getenv("XANTU_QUIT_AFTER_FIRST_PAINT") != nullptr) {
        window.repaint();
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    } else {
        // Once the window is on the screen and drawn (a window manager may
        // take a moment to frame and place it): offer to continue an
        // unfinished game, which then stands behind the question.
        QElapsedTimer waited;
        waited.start();
        while ((window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) && waited.elapsed() < 2000)
            app.processEvents(QEventLoop::AllEvents, 50);
        app.processEvents(QEventLoop::AllEvents, 50);
        QTimer::singleShot(0, &window, [&window] { window.dispatch([](xantu::GameWindow& g) { g.再開_確認(); }); });
    }
    return app.exec();
}
