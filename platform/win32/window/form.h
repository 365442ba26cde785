#pragma once

#include "child_windows.h"
#include "controls.h"
#include "picture_box.h"
#include "platform/forms/window_base.h"
#include "platform/win32/accessibility/events.h"
#include "platform/win32/accessibility/subclass.h"
#include "platform/win32/system/handles.h"
#include "system_colours.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A design's window on the screen. form.cpp makes it and runs its procedure; keys.cpp,
// layout.cpp, paint.cpp and copy.cpp answer its other messages. child_windows.cpp says which
// controls are child windows; controls.cpp and shapes_and_lines.cpp are the controls; the fonts,
// system colours, pixels, icons and the picture box class are beside them.
namespace platform::win32 {

class Win32Toolkit;

// Child ids and timer ids: the control's place in the design, past the dialog manager's own.
inline constexpr int firstChildId = 100;

// A window of the design, built from Win32 child windows; shapes and lines it paints itself.
class Win32Window final : public WindowBase, public Surface {
public:
    Win32Window(Win32Toolkit& toolkit, const WindowDesign& design);
    ~Win32Window() override;

    [[nodiscard]] std::string caption() const override { return textOf(handle()); }
    void setCaption(const std::string& caption) override { setWindowText(handle(), caption); }
    void announce(const std::string& text) override;
    void copyToClipboard(const std::string& text) override;
    // What the last announcement left for screen readers that know no UI Automation notification.
    [[nodiscard]] const SpokenDescription& spokenDescription() const { return spoken_; }

    [[nodiscard]] HWND handle() const override { return window_.get(); }
    [[nodiscard]] unsigned dpi() const override { return dpi_; }
    [[nodiscard]] const WindowDesign& design() const override { return design_; }
    [[nodiscard]] const ThemeColours& theme() const override { return theme_; }
    void repaint(const RECT& area) override { ::InvalidateRect(handle(), &area, TRUE); }
    void releaseFocus(HWND control) override;
    void regainFocus(HWND control) override;

    // Tab, Shift+Tab, Enter and Esc go by the design rather than by the child windows' order;
    // true when the key was taken.
    bool routeKey(WPARAM key);
    // Ctrl+C, Ctrl+Insert, the menu key and Shift+F10, in a window with a copy command; true
    // when the key was taken.
    bool routeCopyKey(const MSG& message);

    // The window of ours that a message for this window belongs to, if any.
    [[nodiscard]] static Win32Window* owning(HWND window);

private:
    friend class Win32Toolkit;
    struct Child {
        const ControlDesign* design;
        HWND window;
        std::unique_ptr<AccessibleSubclass> accessible;
    };

    void present(bool first) override;
    void close() override;
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void build();
    void addChild(const ControlDesign& control, const ChildKind& kind, int id, unsigned dpi);
    template <typename Drawn> void addPainted(const ControlDesign& control);
    void layout(unsigned dpi, const RECT* suggested);
    // Each design font at that DPI, drawn narrower where its texts would not fit their controls.
    void setFonts(unsigned dpi);
    // The window's frame, on the screen, for its client area at that DPI.
    [[nodiscard]] RECT frameAt(unsigned dpi) const;
    // The title bar's and task bar's icons, drawn for that DPI.
    void reloadIcons(unsigned dpi);
    void paint();
    // The colours of a label, and the pointer over a control that asks for its own.
    LRESULT colourStatic(HDC dc, HWND child) const;
    // A change of the system's colours or of high contrast: everything is drawn again in them.
    void themeChanged();
    bool eraseBackground(HDC dc) const;
    bool setCursorOver(HWND child, UINT hitTest) const;
    // The copy menu at a screen point (a right-click) or at the window's copy anchor (a key);
    // false when there is nothing to offer there.
    bool showCopyMenu(std::optional<POINT> at);
    // Moves the focus along the tab order from a control; false when no other control can take it.
    bool moveFocus(bool forward, HWND from);
    void focusFirst();
    [[nodiscard]] const ControlDesign* designOf(HWND child) const;
    // The child window of a windowed control; null for any other.
    [[nodiscard]] HWND windowOf(const ControlDesign& control) const;

    Win32Toolkit& toolkit_;
    const WindowDesign& design_;
    WindowHandle window_;
    unsigned dpi_ = 96;
    std::vector<Font> fonts_;
    // Set only once the DPI has changed; until then the window class's icons serve.
    Icon bigIcon_;
    Icon smallIcon_;
    std::vector<Child> children_;
    std::map<int, Notified*> notified_;
    std::map<UINT_PTR, Win32Timer*> timers_;
    std::vector<const Painted*> painted_;
    ThemeColours theme_ = systemColours();
    HWND lastFocus_ = nullptr;
    // A hidden control that had the focus, and the control that took it over.
    std::map<HWND, HWND> focusHeirs_;
    SpokenDescription spoken_;
    bool copyMenuOpen_ = false;
};

class Win32Toolkit final : public Toolkit {
public:
    Win32Toolkit();
    std::unique_ptr<Window> load(const WindowDesign& design) override {
        return std::make_unique<Win32Window>(*this, design);
    }

    // Gives the key to the window it was typed in: Enter, Esc and Tab by the design, the rest
    // through the dialog manager. True when the message was used.
    bool preTranslate(MSG& message);
    // Whether any window of the program is still loaded.
    [[nodiscard]] bool anyLoaded() const { return loaded_ > 0; }

private:
    friend class Win32Window;
    // The program ends when no window of it remains loaded.
    void windowLoaded() { ++loaded_; }
    void windowUnloaded();

    HINSTANCE instance_;
    Icon bigIcon_;
    Icon smallIcon_;
    RegisteredClass formClass_;
    RegisteredClass pictureClass_;
    // Dialog frames belong to this hidden window, as forms did: no task-bar button of their own.
    // Made with the first dialog: under Wine every top-level window costs the start an X window.
    [[nodiscard]] HWND dialogOwner();
    WindowHandle dialogOwner_;
    int loaded_ = 0;
};

} // namespace platform::win32
