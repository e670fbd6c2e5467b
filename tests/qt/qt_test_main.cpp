#include <gtest/gtest.h>

#include <QApplication>

#include "app_setup.h"

// The window tests need a QApplication; they run offscreen and silent unless
// the environment says otherwise.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    xantu::setUpApplication(app);
    return RUN_ALL_TESTS();
}
