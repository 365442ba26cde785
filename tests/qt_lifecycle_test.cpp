#include "qt_fixture.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>
#include <xcb/xproto.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>

namespace {

// The About window's life on the real Qt windows: minimized by a window manager, destroyed by
// another X11 client, and the end of the program that follows from it.
class QtLifecycle : public QtWindows {
protected:
    void pressAbout() { click(main, "Command2"); }

    // What the X server tells the program when another client destroys one of its windows.
    static void destroyNatively(QWidget* window) {
        xcb_destroy_notify_event_t event{};
        event.response_type = XCB_DESTROY_NOTIFY;
        event.event = static_cast<xcb_window_t>(window->internalWinId());
        event.window = event.event;
        qintptr result = 0;
        QAbstractEventDispatcher::instance()->filterNativeEvent(
            QByteArrayLiteral("xcb_generic_event_t"), &event, &result);
    }

    // Runs the program's event loop after the given steps; its exit status, or -1 when it did
    // not end by itself.
    static int loopStatusAfter(const std::function<void()>& steps) {
        QTimer stuck;
        stuck.setSingleShot(true);
        QObject::connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
        stuck.start(5000);
        QTimer::singleShot(0, steps);
        return QApplication::exec();
    }

    static void expectShownAndActive(QWidget* about) {
        ASSERT_NE(about, nullptr);
        EXPECT_TRUE(about->isVisible());
        EXPECT_FALSE(about->isMinimized());
        EXPECT_TRUE(QTest::qWaitForWindowActive(about, 1000));
    }
};

TEST_F(QtLifecycle, AMinimizedAboutWindowComesBackVisibleAndActive) {
    pressAbout();
    QPointer<QWidget> about = aboutWindow();
    ASSERT_NE(about, nullptr);
    // What the window manager asked for, as far as the window itself can say it.
    EXPECT_FALSE(about->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(about->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(about->minimumSize(), about->maximumSize());

    about->showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return about->isMinimized(); }, 1000));
    // The user comes back to the main window before pressing "About" again.
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main, 1000));
    pressAbout();
    EXPECT_EQ(aboutWindow(), about) << "the same window, not a new one";
    expectShownAndActive(about);
}

TEST_F(QtLifecycle, ANativeDestroyUnloadsAboutAndTheLastUnloadEndsTheLoop) {
    pressAbout();
    QPointer<QWidget> destroyed = aboutWindow();
    ASSERT_NE(destroyed, nullptr);
    destroyNatively(destroyed);
    EXPECT_FALSE(destroyed->isVisible());

    // Unloaded: "About" loads a new window, as after "OK".
    pressAbout();
    QWidget* about = aboutWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_NE(about, destroyed.data());
    expectShownAndActive(about);
    // A late notice about the window that is gone changes nothing.
    if (destroyed) {
        destroyNatively(destroyed);
    }
    EXPECT_TRUE(about->isVisible());

    EXPECT_EQ(loopStatusAfter([&] {
                  click(main, "Command3");
                  destroyNatively(about);
              }),
              0);
}

TEST_F(QtLifecycle, ADestroyedMainWindowLeavesAboutWorkingUntilItGoesToo) {
    pressAbout();
    QWidget* about = aboutWindow();
    ASSERT_NE(about, nullptr);
    bool aboutOutlivedMain = false;
    EXPECT_EQ(loopStatusAfter([&] {
                  destroyNatively(main);
                  EXPECT_EQ(topLevel(QStringLiteral("Form1")), nullptr);
                  QTimer::singleShot(0, about, [&] {
                      aboutOutlivedMain = about->isVisible();
                      destroyNatively(about);
                  });
              }),
              0);
    EXPECT_TRUE(aboutOutlivedMain) << "the loop ended with About still loaded";
}

// Input that X had already queued for a window when it unloaded still reaches its widgets: they
// are deleted later, by Qt. It must reach no handler, not even once the window object is gone
// (a new About window replaces an unloaded one) and the controls its connections led to with it.
TEST_F(QtLifecycle, InputQueuedForAnUnloadedAboutWindowReachesNothingOnceItIsReplaced) {
    pressAbout();
    QPointer<QWidget> old = aboutWindow();
    ASSERT_NE(old, nullptr);
    QPointer<QWidget> link = child<QWidget>(old, "Label5");
    QTest::keyClick(old, Qt::Key_Escape);
    EXPECT_FALSE(old->isVisible());
    // The old window object is destroyed here; its widgets wait for Qt's deferred delete.
    pressAbout();
    QWidget* about = aboutWindow();
    ASSERT_NE(about, nullptr);
    ASSERT_NE(about, old.data());
    ASSERT_TRUE(old && link) << "the old widgets are deleted later, not at once";

    QTest::mouseClick(link, Qt::LeftButton);
    QTest::keyClick(old, Qt::Key_Return);
    QTest::keyClick(old, Qt::Key_Escape);
    EXPECT_TRUE(shell.requests.empty()) << "a link of the unloaded window opened its page";
    EXPECT_TRUE(about->isVisible()) << "a key of the unloaded window closed the new one";
}

TEST_F(QtLifecycle, InputQueuedForTheMainWindowAfterQuitReachesNothing) {
    bool aboutOpened = false;
    EXPECT_EQ(loopStatusAfter([&] {
                  // "Quit", then a click on "About" that X had already sent to the window.
                  click(main, "Command3");
                  click(main, "Command2");
                  click(main, "Command1");
                  aboutOpened = aboutWindow() != nullptr;
              }),
              0);
    EXPECT_FALSE(aboutOpened) << "the unloaded main window opened About";
    EXPECT_TRUE(child<QPushButton>(main, "Command1")->isVisibleTo(main))
        << "the unloaded main window started a slow draw";
}

// Random sequences of the ways a user and a window manager open, minimize, close and destroy the
// About window: there is never more than one About window on the screen, "About" always leaves
// exactly one shown and active, and after "Quit" the loop ends exactly when About is unloaded.
TEST_F(QtLifecycle, RandomOpenMinimizeCloseAndDestroyKeepOneAboutWindow) {
    const std::vector<std::string> actions = {"About",    "About",    "OK",     "Esc",
                                              "closeBox", "minimize", "destroy"};
    std::mt19937 events(1207);
    std::uniform_int_distribution<std::size_t> pick(0, actions.size() - 1);
    bool aboutLoaded = false;
    const auto shownAboutWindows = [] {
        return std::ranges::count_if(QApplication::topLevelWidgets(), [](QWidget* widget) {
            return widget->objectName() == QStringLiteral("frmAbout") && widget->isVisible() &&
                   !widget->isMinimized();
        });
    };

    for (int step = 0; step < 60; ++step) {
        const std::string& action = actions[pick(events)];
        SCOPED_TRACE("step " + std::to_string(step) + ": " + action);
        QWidget* about = aboutWindow();
        if (action == "About") {
            pressAbout();
            aboutLoaded = true;
            about = aboutWindow();
            expectShownAndActive(about);
        } else if (about == nullptr) {
            continue;
        } else if (action == "OK") {
            click(about, "cmdOK");
            aboutLoaded = false;
        } else if (action == "Esc") {
            QTest::keyClick(about, Qt::Key_Escape);
            aboutLoaded = false;
        } else if (action == "closeBox") {
            about->close();
            aboutLoaded = false;
        } else if (action == "minimize") {
            about->showMinimized();
            ASSERT_TRUE(QTest::qWaitFor([&] { return about->isMinimized(); }, 1000));
        } else {
            destroyNatively(about);
            aboutLoaded = false;
        }
        ASSERT_LE(shownAboutWindows(), 1);
        if (!aboutLoaded) {
            ASSERT_EQ(shownAboutWindows(), 0);
        }
    }

    // Quit: with About loaded the loop goes on until About is closed too.
    bool closedAfterQuit = false;
    QObject context;
    EXPECT_EQ(loopStatusAfter([&] {
                  click(main, "Command3");
                  QTimer::singleShot(0, &context, [&] {
                      if (QWidget* about = aboutWindow()) {
                          closedAfterQuit = true;
                          about->close();
                      }
                  });
              }),
              0);
    EXPECT_EQ(closedAfterQuit, aboutLoaded);
}

} // namespace
