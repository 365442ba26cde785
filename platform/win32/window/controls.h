#pragma once

#include "platform/forms/colour_rule.h"
#include "platform/forms/controls.h"
#include "platform/forms/design.h"
#include "platform/runtime/uncopyable.h"
#include "platform/win32/fatal.h"
#include "platform/win32/system/handles.h"
#include "platform/win32/system/windows_headers.h"

#include <string>

namespace platform::win32 {

// What a control needs of the window it sits on.
class Surface : public Uncopyable {
public:
    virtual ~Surface() = default;
    [[nodiscard]] virtual HWND handle() const = 0;
    [[nodiscard]] virtual unsigned dpi() const = 0;
    [[nodiscard]] virtual const WindowDesign& design() const = 0;
    // The system's colours as they were when the window last painted or heard of a change.
    [[nodiscard]] virtual const ThemeColours& theme() const = 0;
    virtual void repaint(const RECT& area) = 0;
    // Called before a control hides: a hidden control must not keep the focus.
    virtual void releaseFocus(HWND control) = 0;
    // Called after a control shows: the focus that its hiding moved on comes back to it.
    virtual void regainFocus(HWND control) = 0;
};

// A control that is a child window: the window procedure hands it its notifications.
class Notified : public Uncopyable {
public:
    virtual ~Notified() = default;
    virtual void notify(WORD code) = 0;
};

// A control that the window paints itself, under every child window.
class Painted : public Uncopyable {
public:
    virtual ~Painted() = default;
    virtual void paint(HDC dc, unsigned dpi) const = 0;
};

// The text of a window: the caption of a form or of a control in it.
[[nodiscard]] std::string textOf(HWND window);
void setWindowText(HWND window, const std::string& text);

template <typename Interface> class Windowed : public Interface, public Notified {
public:
    Windowed(Surface& surface, HWND window, WORD clickCode)
        : surface_(surface), window_(window), clickCode_(clickCode) {}

    [[nodiscard]] bool visible() const override {
        return (::GetWindowLongPtrW(window_, GWL_STYLE) & WS_VISIBLE) != 0;
    }
    void setVisible(bool visible) override {
        if (!visible) {
            surface_.releaseFocus(window_);
        }
        ::ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
        if (visible) {
            surface_.regainFocus(window_);
        }
    }
    // Disabled itself, or on a window that a modal box has disabled.
    [[nodiscard]] bool takesInput() const override {
        return ::IsWindowEnabled(window_) != FALSE &&
               ::IsWindowEnabled(::GetAncestor(window_, GA_ROOT)) != FALSE;
    }
    void onClick(Handler handler) override { click_.set(std::move(handler)); }
    void notify(WORD code) override {
        if (code == clickCode_) {
            invokeGuarded(click_.forClickOn(*this));
        }
    }
    [[nodiscard]] HWND window() const { return window_; }

private:
    Surface& surface_;
    HWND window_;
    WORD clickCode_;
    ClickHandler click_;
};

class Win32CommandButton final : public Windowed<CommandButton> {
public:
    Win32CommandButton(Surface& surface, HWND window) : Windowed(surface, window, BN_CLICKED) {}
    [[nodiscard]] std::string caption() const override { return textOf(window()); }
    void setCaption(const std::string& caption) override { setWindowText(window(), caption); }
};

class Win32CheckBox final : public Windowed<CheckBox> {
public:
    Win32CheckBox(Surface& surface, HWND window) : Windowed(surface, window, BN_CLICKED) {}
    [[nodiscard]] std::int16_t value() const override;
    void setValue(std::int16_t value) override;
};

class Win32Label final : public Windowed<Label> {
public:
    Win32Label(Surface& surface, HWND window) : Windowed(surface, window, STN_CLICKED) {}
    [[nodiscard]] std::string caption() const override { return textOf(window()); }
    void setCaption(const std::string& caption) override { setWindowText(window(), caption); }
    // A label tells its window of clicks only once something listens.
    void onClick(Handler handler) override;
};

class Win32ListBox final : public Windowed<ListBox> {
public:
    Win32ListBox(Surface& surface, HWND window) : Windowed(surface, window, LBN_SELCHANGE) {}
    void addItem(const std::string& item) override;
    [[nodiscard]] int count() const override;

protected:
    [[nodiscard]] std::string itemText(int index) const override;
};

class Win32PictureBox final : public Windowed<PictureBox> {
public:
    Win32PictureBox(Surface& surface, HWND window) : Windowed(surface, window, BN_CLICKED) {}
    // The picture at its natural size for this DPI; the control shows it from now on.
    void setPicture(Icon picture);

private:
    Icon picture_;
};

// What every painted control shares: shown or hidden by a repaint of its place, and no clicks of
// its own, which go through it to the window.
template <typename Interface> class Drawn : public Interface, public Painted {
public:
    Drawn(Surface& surface, const ControlDesign& design)
        : surface_(surface), design_(design), visible_(design.visible) {}
    [[nodiscard]] bool visible() const override { return visible_; }
    void setVisible(bool visible) override {
        if (visible != visible_) {
            visible_ = visible;
            surface_.repaint(area(surface_.dpi()));
            shown(visible);
        }
    }
    void onClick(Handler /*handler*/) override {}
    // Where it is drawn, in the window's pixels.
    [[nodiscard]] virtual RECT area(unsigned dpi) const = 0;

protected:
    [[nodiscard]] Surface& surface() const { return surface_; }
    [[nodiscard]] const ControlDesign& design() const { return design_; }

private:
    // After it has been shown or hidden and its place repainted.
    virtual void shown(bool /*visible*/) {}

    Surface& surface_;
    const ControlDesign& design_;
    bool visible_;
};

class Win32Shape final : public Drawn<Shape> {
public:
    Win32Shape(Surface& surface, const ControlDesign& design)
        : Drawn(surface, design), width_(static_cast<float>(design.rect.width)) {}
    [[nodiscard]] float width() const override { return width_; }
    void setWidth(float twips) override;
    void paint(HDC dc, unsigned dpi) const override;
    [[nodiscard]] RECT area(unsigned dpi) const override;

private:
    void shown(bool visible) override;

    float width_;
};

class Win32Line final : public Drawn<Line> {
public:
    using Drawn::Drawn;
    void paint(HDC dc, unsigned dpi) const override;
    [[nodiscard]] RECT area(unsigned dpi) const override;
};

// A timer is no window: it ticks as WM_TIMER messages of the window it belongs to.
class Win32Timer final : public Timer {
public:
    Win32Timer(HWND window, UINT_PTR id, int intervalMs);
    ~Win32Timer() override;
    [[nodiscard]] bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override;
    void onTick(Handler handler) override { tick_ = std::move(handler); }
    void tick() const { invokeGuarded(tick_); }

private:
    HWND window_;
    UINT_PTR id_;
    UINT interval_;
    bool enabled_ = false;
    Handler tick_;
};

} // namespace platform::win32
