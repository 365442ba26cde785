#include "form.h"

#include "pixels.h"
#include "platform/forms/guarded.h"
#include "platform/win32/accessibility/ui_automation_notice.h"
#include "platform/win32/system/dpi.h"
#include "platform/win32/system/last_error.h"
#include "platform/win32/text/text.h"
#include "program_icons.h"

#include <algorithm>
#include <array>
#include <optional>
#include <ranges>
#include <utility>

namespace platform::win32 {

namespace {

constexpr const wchar_t* formClass = L"PretextorForm";

DWORD frameStyle(Frame frame) {
    // A fixed frame with the system menu and close box, no minimize or maximize box.
    const DWORD common = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    return frame == Frame::FixedDialog ? WS_POPUP | DS_MODALFRAME | common : WS_OVERLAPPED | common;
}

DWORD frameExStyle(Frame frame) {
    return frame == Frame::FixedDialog ? WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT
                                       : WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
}

WNDCLASSEXW formClassFor(HINSTANCE instance, WNDPROC procedure, HICON big, HICON small) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = big;
    windowClass.hIconSm = small;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    // The button face behind everything, as forms have it.
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = formClass;
    return windowClass;
}

} // namespace

Win32Window::Win32Window(Win32Toolkit& toolkit, const WindowDesign& design)
    : toolkit_(toolkit), design_(design) {
    build();
    toolkit_.windowLoaded();
}

Win32Window::~Win32Window() {
    if (window_) {
        // From here on the window's messages no longer reach this object.
        ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
        window_.reset();
    }
}

Win32Window* Win32Window::owning(HWND window) {
    const HWND root = window != nullptr ? ::GetAncestor(window, GA_ROOT) : nullptr;
    if (root == nullptr) {
        return nullptr;
    }
    std::array<wchar_t, 32> name{};
    ::GetClassNameW(root, name.data(), static_cast<int>(name.size()));
    if (std::wstring_view(name.data()) != formClass) {
        return nullptr;
    }
    return reinterpret_cast<Win32Window*>(::GetWindowLongPtrW(root, GWLP_USERDATA));
}

void Win32Window::build() {
    const DWORD style = frameStyle(design_.frame);
    const DWORD exStyle = frameExStyle(design_.frame);
    const HWND owner = design_.frame == Frame::FixedDialog ? toolkit_.dialogOwner() : HWND{nullptr};
    window_.reset(::CreateWindowExW(exStyle, formClass, widen(design_.caption).c_str(), style,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                    owner, nullptr, toolkit_.instance_, this));
    check(static_cast<bool>(window_), "CreateWindowEx " + std::string(design_.name));
    // The program icon comes with the window class.

    const unsigned dpi = dotsPerInch(handle());
    const auto stacking = stackingBackToFront(design_);
    // Child windows are made front to back, each at its place: the system puts a new child window
    // beneath those before it, and every later move or restacking is one more round trip to the
    // window server.
    for (const ControlDesign* control : std::views::reverse(stacking)) {
        if (const std::optional<ChildKind> kind = childKind(*control)) {
            const auto index = static_cast<int>(control - design_.controls.data());
            addChild(*control, *kind, firstChildId + index, dpi);
        }
    }
    // The shapes and lines that the window paints itself, back to front.
    for (const ControlDesign* control : stacking) {
        if (control->kind == ControlKind::Shape) {
            addPainted<Win32Shape>(*control);
        } else if (control->kind == ControlKind::Line) {
            addPainted<Win32Line>(*control);
        }
    }
    for (std::size_t index = 0; index < design_.controls.size(); ++index) {
        const ControlDesign& control = design_.controls[index];
        if (control.kind == ControlKind::Timer) {
            const auto id = static_cast<UINT_PTR>(firstChildId) + index;
            auto timer = std::make_unique<Win32Timer>(handle(), id, control.intervalMs);
            timers_.emplace(id, timer.get());
            controls().add(control.name, std::move(timer));
        }
    }
    layout(dpi, nullptr);
}

template <typename Drawn> void Win32Window::addPainted(const ControlDesign& control) {
    auto drawn = std::make_unique<Drawn>(*this, control);
    painted_.push_back(drawn.get());
    controls().add(control.name, std::move(drawn));
}

void Win32Window::addChild(const ControlDesign& control, const ChildKind& kind, int id,
                           unsigned dpi) {
    const DWORD style =
        WS_CHILD | WS_CLIPSIBLINGS | kind.style | (control.visible ? WS_VISIBLE : 0U);
    const RECT area = toPixels(control.rect, dpi);
    const HWND child = ::CreateWindowExW(
        kind.exStyle, kind.className, widen(control.text).c_str(), style, area.left, area.top,
        area.right - area.left, area.bottom - area.top, handle(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), toolkit_.instance_, nullptr);
    check(child != nullptr, "CreateWindowEx " + std::string(control.name));
    children_.push_back({&control, child, std::make_unique<AccessibleSubclass>(child, control)});

    ChildControl made = kind.make(*this, child);
    notified_.emplace(id, made.notified);
    controls().add(control.name, std::move(made.control));
}

LRESULT CALLBACK Win32Window::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Window*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || (self->window_ && self->handle() != window)) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    // No exception may cross into the system's code that called us.
    LRESULT result = 0;
    runGuarded([&] { result = self->handle(window, message, wParam, lParam); }, reportAndExit);
    return result;
}

LRESULT Win32Window::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (lParam != 0) {
            if (const auto it = notified_.find(LOWORD(wParam)); it != notified_.end()) {
                it->second->notify(HIWORD(wParam));
            }
            return 0;
        }
        break;
    case WM_TIMER:
        if (const auto it = timers_.find(wParam); it != timers_.end()) {
            it->second->tick();
        }
        return 0;
    case WM_PAINT:
        paint();
        return 0;
    case WM_CTLCOLORSTATIC:
        return colourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CONTEXTMENU: {
        // A point of -1, -1: asked for from the keyboard.
        const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const bool fromKeys = at.x == -1 && at.y == -1;
        if (showCopyMenu(fromKeys ? std::nullopt : std::optional<POINT>(at))) {
            return 0;
        }
        break;
    }
    case WM_SETCURSOR:
        if (setCursorOver(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) {
            return TRUE;
        }
        break;
    case WM_CLOSE:
        // The window's logic decides; it hides the window itself when it unloads.
        invokeGuarded([this] { unload(); });
        return 0;
    case WM_DESTROY:
        // Destroyed by someone else (our own destruction no longer reaches this object): the
        // window is gone, so it is unloaded, and its handle is no longer ours to destroy.
        invokeGuarded([this] { unload(); });
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        static_cast<void>(window_.disown());
        return 0;
    case WM_ACTIVATE:
        // Coming back, the focus returns to the control that had it, as in a dialog.
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = ::GetFocus();
            if (focus != nullptr && ::IsChild(window, focus) != FALSE) {
                lastFocus_ = focus;
            }
        } else if (lastFocus_ != nullptr && ::IsWindowVisible(lastFocus_) != FALSE) {
            ::SetFocus(lastFocus_);
        } else {
            focusFirst();
        }
        return 0;
    case WM_GETOBJECT:
        if (const auto answer = answerGetObject(window, design_, wParam, lParam)) {
            return *answer;
        }
        break;
    case WM_GETDPISCALEDSIZE: {
        // Asked before a move to a monitor of another scale: the size the layout will take.
        if (lParam == 0) {
            return FALSE;
        }
        const RECT frame = frameAt(static_cast<unsigned>(wParam));
        *reinterpret_cast<SIZE*>(lParam) = {frame.right - frame.left, frame.bottom - frame.top};
        return TRUE;
    }
    case WM_DPICHANGED:
        layout(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        themeChanged();
        break;
    case WM_ERASEBKGND:
        if (eraseBackground(reinterpret_cast<HDC>(wParam))) {
            return TRUE;
        }
        break;
    default:
        break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

const ControlDesign* Win32Window::designOf(HWND child) const {
    const auto it = std::ranges::find(children_, child, &Child::window);
    return it == children_.end() ? nullptr : it->design;
}

HWND Win32Window::windowOf(const ControlDesign& control) const {
    const auto it = std::ranges::find(children_, &control, &Child::design);
    return it == children_.end() ? nullptr : it->window;
}

void Win32Window::present(bool first) {
    // A window minimized by some other means than a button of its own comes back.
    ::ShowWindow(handle(), ::IsIconic(handle()) != FALSE ? SW_RESTORE : SW_SHOW);
    ::SetForegroundWindow(handle());
    ::BringWindowToTop(handle());
    if (first) {
        focusFirst();
    }
}

void Win32Window::close() {
    if (copyMenuOpen_) {
        // The menu's own loop would keep it on screen over a window that is gone.
        ::EndMenu();
    }
    // Only hidden: the window may be unloading inside one of its own messages. It is destroyed
    // with this object.
    if (window_) {
        ::ShowWindow(handle(), SW_HIDE);
    }
    toolkit_.windowUnloaded();
}

void Win32Window::announce(const std::string& text) {
    std::wstring spoken = widen(text);
    // One way or the other, never both: a reader that takes both would say it twice.
    if (announceByUiAutomation(handle(), spoken)) {
        spoken_.clear();
    } else {
        spoken_.announce(handle(), std::move(spoken));
    }
}

Win32Toolkit::Win32Toolkit()
    : instance_(::GetModuleHandleW(nullptr)),
      bigIcon_(loadIcon(instance_, Picture::ProgramIcon, ::GetSystemMetrics(SM_CXICON))),
      smallIcon_(loadIcon(instance_, Picture::ProgramIcon, ::GetSystemMetrics(SM_CXSMICON))),
      formClass_(formClassFor(instance_, Win32Window::procedure, bigIcon_.get(), smallIcon_.get())),
      pictureClass_(pictureBoxClassFor(instance_)) {}

HWND Win32Toolkit::dialogOwner() {
    if (!dialogOwner_) {
        dialogOwner_.reset(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                             nullptr, instance_, nullptr));
        check(static_cast<bool>(dialogOwner_), "CreateWindowEx owner");
    }
    return dialogOwner_.get();
}

void Win32Toolkit::windowUnloaded() {
    if (--loaded_ == 0) {
        ::PostQuitMessage(0);
    }
}

} // namespace platform::win32
