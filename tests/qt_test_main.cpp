#include "platform/qt/accessibility/accessible_widgets.h"
#include "platform/qt/window/fonts.h"

#include <QApplication>

#include <gtest/gtest.h>

// The Qt suites run on the offscreen platform with the program's fonts and accessibility.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    platform::qt::installFontSubstitutes();
    platform::qt::installAccessibility();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
