#pragma once

#include "main_window/form1.h"
#include "platform/doubles/fake_controls.h"
#include "platform/doubles/fake_services.h"
#include "platform/doubles/fake_toolkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The main window on the test doubles, started as the program starts it.
class Form1Fixture : public ::testing::Test {
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
    platform::fake::FixedClock clock{3723.25F};
    platform::fake::ScriptedRandom random{{0.0F}};
    platform::fake::RecordingMessages messages;
    platform::fake::RecordingShell shell;
    platform::fake::RecordingPrograms programs;
    platform::fake::FakeFileSystem files;
    platform::fake::FakeRegistry registry;
    pretextor::Form1 form{{toolkit, clock, random, messages, shell, programs, files, registry}};
    platform::fake::FakeWindow* window = nullptr;
};
