#pragma once

#include "platform/qt/window/form.h"
#include "tests/form1_fixture.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

// The real Qt windows, on the offscreen platform, with recording services behind them.
class QtWindows : public StartedForm1<platform::qt::QtToolkit> {
protected:
    QtWindows() : StartedForm1({0.25F, 0.5F, 0.75F, 0.6F}) {
        main = topLevel(QStringLiteral("Form1"));
    }
    ~QtWindows() override {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            widget->hide();
        }
    }

    static QWidget* topLevel(const QString& name) {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == name && widget->isVisible()) {
                return widget;
            }
        }
        return nullptr;
    }

    static QWidget* aboutWindow() { return topLevel(QStringLiteral("frmAbout")); }

    template <typename T> static T* child(QWidget* window, const char* name) {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    static void click(QWidget* window, const char* name) {
        QTest::mouseClick(child<QWidget>(window, name), Qt::LeftButton);
    }

    QWidget* main = nullptr;
};
