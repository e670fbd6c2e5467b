#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "app_setup.h"

// The window tests need a QApplication; they run offscreen and silent unless
// the environment says otherwise.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    xantu::setUpApplication(app);
    // ctest runs each test as a process of its own, several side by side,
    // and the window keeps its settings file and unfinished game in the
    // current folder: a folder of its own keeps one test from reading what
    // another has just written.
    QTemporaryDir folder;
    if (folder.isValid()) QDir::setCurrent(folder.path());
    return RUN_ALL_TESTS();
}
