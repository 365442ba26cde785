#include "qt_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

namespace {

// Keys and clicks as a user gives them: to the focused widget of the active window, and through
// the window system, which makes a double-click out of two quick clicks.
class QtKeys : public QtWindows {
protected:
    QtKeys() {
        main->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(main));
    }

    static std::string focused() {
        const QWidget* widget = QApplication::focusWidget();
        return widget != nullptr ? widget->objectName().toStdString() : std::string();
    }

    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, key, modifiers);
    }

    void focus(QWidget* window, const char* name) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        child<QWidget>(window, name)->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(focused(), name);
    }

    // Runs a slow draw from the keyboard; `during` acts while the bar grows.
    template <typename During> void slowDrawFromKeyboard(Qt::Key key, During during) {
        auto* command1 = child<QPushButton>(main, "Command1");
        focus(main, "Command1");
        press(key);
        ASSERT_TRUE(command1->isHidden()) << "the slow draw runs";
        during();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !command1->isHidden(); }, 5000));
    }
};

TEST_F(QtKeys, FocusComesBackToTheButtonWhenAKeyboardStartedSlowDrawEnds) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        SCOPED_TRACE(key == Qt::Key_Space ? "Space" : "Enter");
        slowDrawFromKeyboard(key, [&] {
            // While the button is hidden the focus waits on the next control and stays there.
            EXPECT_EQ(focused(), "Command2");
            QTest::qWait(20);
            EXPECT_EQ(focused(), "Command2");
        });
        EXPECT_EQ(focused(), "Command1");
    }
    EXPECT_EQ(random.draws, 8) << "two runs, four words each";

    // Where the user moved the focus during the run, it stays.
    slowDrawFromKeyboard(Qt::Key_Return, [&] { press(Qt::Key_Tab); });
    EXPECT_EQ(focused(), "Command3");
}

TEST_F(QtKeys, KeypadEnterActsAsEnterInBothWindows) {
    click(main, "Check1");
    focus(main, "Command1");
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(random.draws, 4) << "the instant draw ran";
    EXPECT_EQ(child<QLabel>(main, "ls1")->text().toStdString(), "Multiple");

    focus(main, "Command2");
    press(Qt::Key_Enter, Qt::KeypadModifier);
    QWidget* about = aboutWindow();
    ASSERT_NE(about, nullptr);
    auto* ok = child<QPushButton>(about, "cmdOK");
    EXPECT_TRUE(ok->isDefault()) << "OK shows the default button's frame";
    EXPECT_FALSE(child<QPushButton>(about, "cmdSysInfo")->isDefault());

    // From the picture, which has no use for Enter, the key goes to the default button.
    focus(about, "picIcon");
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(about->isVisible());
}

TEST_F(QtKeys, TheCopyMenuGreysCopyUntilAnExcuseIsShown) {
    const auto copyEnabled = [&] {
        focus(main, "List2");
        press(Qt::Key_F10, Qt::ShiftModifier);
        auto* menu = main->findChild<QMenu*>();
        EXPECT_TRUE(menu != nullptr && menu->isVisible() && !menu->actions().empty());
        const bool enabled = menu != nullptr && menu->actions().front()->isEnabled();
        if (menu != nullptr) {
            menu->close();
            EXPECT_TRUE(QTest::qWaitFor([&] { return main->findChild<QMenu*>() == nullptr; }));
        }
        return enabled;
    };
    EXPECT_FALSE(copyEnabled()) << "nothing to copy before the first draw";
    click(main, "Label1");
    EXPECT_TRUE(copyEnabled());
}

TEST_F(QtKeys, ADoubleClickOnALabelClicksOnce) {
    QWindow* window = main->windowHandle();
    const QPoint title = child<QWidget>(main, "Label1")->geometry().center();
    QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, title);
    EXPECT_EQ(random.draws, 4) << "one excuse drawn";
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, title);
    EXPECT_EQ(random.draws, 8) << "a later single click draws again";

    const QPoint link = child<QWidget>(main, "Label2")->geometry().center();
    QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, link);
    EXPECT_EQ(shell.requests.size(), 1U) << "one browser tab";
}

} // namespace
