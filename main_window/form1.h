#pragma once

#include "platform/runtime/uncopyable.h"
#include "platform/services/services.h"

#include <cstdint>
#include <memory>
#include <string>

namespace pretextor {

class frmAbout;

// The main window: the word lists, the excuse draw and the slow draw's progress bar.
class Form1 : public platform::Uncopyable {
public:
    explicit Form1(const platform::Services& services);
    ~Form1();

    // Loads the window from its design, runs Form_Load and shows it.
    void start();

    void doexcuse();
    void slowbypass();

    [[nodiscard]] std::int16_t barStep() const { return BarStep; }
    [[nodiscard]] const std::string& pickedWord() const { return PickedWord; }

private:
    void Form_Load();
    void Form_Unload();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Label1_Click();
    void Label2_Click();
    void Timer1_Timer();
    void Form_Copy();

    void ToggleProgressView();
    void FinishProgress();

    template <typename T> T& control(std::string_view name) { return window_->get<T>(name); }

    platform::Services services_;
    std::unique_ptr<platform::Window> window_;
    std::unique_ptr<frmAbout> about_;
    std::int16_t BarStep = 0;
    std::string PickedWord;
    // The excuse as the labels show it, for the clipboard; empty until the first draw.
    std::string ShownExcuse;
};

} // namespace pretextor
