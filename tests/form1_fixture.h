#pragma once

#include "main_window/form1.h"
#include "tests/doubles/fake_controls.h"
#include "tests/doubles/fake_services.h"
#include "tests/doubles/fake_toolkit.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

// The main window on a toolkit, with recording services behind it, started as the program starts
// it; the random numbers it draws first can be scripted.
template <typename Toolkit>
class StartedForm1 : public ::testing::Test, protected platform::fake::RecordingServices {
protected:
    explicit StartedForm1(std::vector<float> draws = {}) {
        if (!draws.empty()) {
            random.script(std::move(draws));
        }
        form.start();
    }

    Toolkit toolkit;
    pretextor::Form1 form{on(toolkit)};
};

// The main window on the test doubles.
class Form1Fixture : public StartedForm1<platform::fake::FakeToolkit> {
protected:
    Form1Fixture() { window = toolkit.window("Form1"); }

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

    platform::fake::FakeWindow* window = nullptr;
};
