#pragma once

#include "main_window/form1.h"
#include "platform/doubles/fake_controls.h"
#include "platform/doubles/fake_services.h"
#include "platform/doubles/fake_toolkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The main window on the test doubles, started as the program starts it.
class Form1Fixture : public ::testing::Test, protected platform::fake::RecordingServices {
protected:
    Form1Fixture() {
        form.start();
        window = toolkit.window("Form1");
    }

    template <typename T> T& control(std::string_view name) { return window->get<T>(name); }

    [[nodiscard]] std::vector<std::string> excuse() {
        return {caption("ls1"), caption("ls2"), caption("ls3"), caption("ls4")};
    }
    [[nodiscard]] std::string caption(std::string_view label) {
        return control<platform::fake::FakeLabel>(label).caption();
    }
    [[nodiscard]] float barWidth() { return control<platform::fake::FakeShape>("Shape1").width(); }
    [[nodiscard]] bool timerRunning() {
        return control<platform::fake::FakeTimer>("Timer1").enabled();
    }
    [[nodiscard]] bool barView() {
        return !control<platform::fake::FakeCommandButton>("Command1").visible();
    }
    void tick() { platform::fake::tick(*window); }
    void tickFastRefresh() {
        if (control<platform::fake::FakeCheckBox>("Check1").value() != 1) {
            window->click("Check1");
        }
    }

    platform::fake::FakeToolkit toolkit;
    pretextor::Form1 form{on(toolkit)};
    platform::fake::FakeWindow* window = nullptr;
};
