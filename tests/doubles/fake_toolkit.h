#pragma once

#include "platform/forms/window_base.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

// Headless windows built from the same designs as the real ones, with hooks that let a test act
// as the user: clicks, key presses, the close box and timer ticks, one at a time.
namespace platform::fake {

class FakeToolkit;

class FakeWindow final : public WindowBase {
public:
    FakeWindow(FakeToolkit& toolkit, const WindowDesign& design);
    ~FakeWindow() override;

    [[nodiscard]] std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override { caption_ = caption; }
    void announce(const std::string& text) override { announcements_.push_back(text); }
    void copyToClipboard(const std::string& text) override { clipboard_ = text; }

    // The user's side. A click on a hidden control or a closed window reaches nothing.
    void click(std::string_view name);
    void pressEnter();
    void pressEscape();
    void pressTab();
    void pressCopy();
    // A right-click on the control, then "Copy" if its menu offers it; false when no menu opens
    // or its "Copy" is greyed.
    bool copyFromMenu(std::string_view name);
    void closeBox();
    // A modal box opens over the window, or goes: its controls take no input meanwhile.
    void setBlocked(bool blocked);

    [[nodiscard]] const WindowDesign& design() const { return design_; }
    [[nodiscard]] int showCount() const { return showCount_; }
    [[nodiscard]] const std::string& focused() const { return focused_; }
    // What a screen reader was given to speak, oldest first.
    [[nodiscard]] const std::vector<std::string>& announcements() const { return announcements_; }
    [[nodiscard]] std::vector<std::string> controlNames() const;
    // What the window last put on the clipboard; nullopt while it has put nothing there.
    [[nodiscard]] const std::optional<std::string>& clipboard() const { return clipboard_; }

    using Window::get;

private:
    void present(bool /*first*/) override { ++showCount_; }
    void close() override {}

    FakeToolkit& toolkit_;
    const WindowDesign& design_;
    std::optional<std::string> clipboard_;
    std::string caption_;
    std::string focused_;
    std::vector<std::string> announcements_;
    int showCount_ = 0;
};

class FakeToolkit final : public Toolkit {
public:
    std::unique_ptr<Window> load(const WindowDesign& design) override;

    // The most recent window loaded from the design of that name, or nullptr once destroyed.
    [[nodiscard]] FakeWindow* window(std::string_view designName) const;
    [[nodiscard]] int loadedWindows() const;
    [[nodiscard]] int loadsOf(std::string_view designName) const;
    // The program ends when no window of it remains loaded.
    [[nodiscard]] bool programEnded() const { return everLoaded_ && loadedWindows() == 0; }

private:
    friend class FakeWindow;
    std::vector<FakeWindow*> windows_;
    std::map<std::string, int, std::less<>> loads_;
    bool everLoaded_ = false;
};

// A tick of every enabled timer of the window, as the message loop would deliver it.
void tick(FakeWindow& window, std::string_view timer = "Timer1");

} // namespace platform::fake
