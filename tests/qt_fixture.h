#pragma once

#include "main_window/form1.h"
#include "platform/doubles/fake_services.h"
#include "platform/qt/window/form.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

// The real Qt windows, on the offscreen platform, with recording services behind them.
class QtWindows : public ::testing::Test, protected platform::fake::RecordingServices {
protected:
    QtWindows() {
        random.script({0.25F, 0.5F, 0.75F, 0.6F});
        form.start();
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

    template <typename T> T* child(QWidget* window, const char* name) {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    platform::qt::QtToolkit toolkit;
    pretextor::Form1 form{on(toolkit)};
    QWidget* main = nullptr;
};
