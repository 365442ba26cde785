// The windows' life on the real Win32 windows, in this process: how their child windows stack,
// the About window minimized, destroyed by other code than its own, and the end of the message
// loop that follows from it.
#include "about_window/frm_about_design.h"
#include "main_window/form1_design.h"
#include "platform/win32/text/text.h"
#include "platform/win32/window/child_windows.h"
#include "platform/win32/window/form.h"
#include "tests/form1_fixture.h"
#include "tests/wine/driving.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

class Win32Lifecycle : public StartedForm1<platform::win32::Win32Toolkit> {
protected:
    Win32Lifecycle() { main = driving::shownWindow(pretextor::form1Design().caption); }

    static HWND about() { return driving::shownWindow(pretextor::aboutCaption()); }

    // The design's button, found by its caption.
    static HWND button(HWND window, const platform::WindowDesign& design, std::string_view name) {
        const std::wstring caption = platform::win32::widen(driving::captionOf(design, name));
        return ::FindWindowExW(window, nullptr, L"Button", caption.c_str());
    }
    // Clicks the design's button as the mouse would and lets the windows answer.
    void click(HWND window, const platform::WindowDesign& design, std::string_view name) {
        const HWND found = button(window, design, name);
        ASSERT_NE(found, nullptr) << "no button";
        ::SendMessageW(found, BM_CLICK, 0, 0);
        pump();
    }
    void pressAbout() { click(main, pretextor::form1Design(), "Command2"); }

    // Dispatches what is queued, as the program's message loop would; a request to end the loop
    // is kept with its status.
    void pump() {
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
            if (message.message == WM_QUIT) {
                loopEnded = static_cast<int>(message.wParam);
                return;
            }
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }

    HWND main = nullptr;
    std::optional<int> loopEnded;
};

// A storm of colour changes in the middle of a slow draw: the draw goes on, and the labels of
// both windows answer in the last of the colours.
TEST_F(Win32Lifecycle, ColourChangesApplyAtOnceAlsoDuringASlowDraw) {
    pressAbout();
    const std::array<int, 2> roles{COLOR_BTNFACE, COLOR_BTNTEXT};
    const std::array<COLORREF, 2> before{::GetSysColor(roles[0]), ::GetSysColor(roles[1])};
    const std::array<COLORREF, 2> dark{RGB(45, 45, 48), RGB(230, 230, 230)};
    const HWND calculate = button(main, pretextor::form1Design(), "Command1");
    click(main, pretextor::form1Design(), "Command1");
    for (int change = 0; change < 200; ++change) {
        ::SetSysColors(2, roles.data(), (change % 2 == 0 ? before : dark).data());
        pump();
    }
    for (const HWND window : {main, about()}) {
        for (HWND label = nullptr;
             (label = ::FindWindowExW(window, label, L"Static", nullptr)) != nullptr;) {
            const HDC dc = ::GetDC(label);
            ::SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(label));
            EXPECT_EQ(std::pair(::GetBkColor(dc), ::GetTextColor(dc)), std::pair(dark[0], dark[1]));
            ::ReleaseDC(label, dc);
        }
    }
    for (int wait = 0; wait < 500 && ::IsWindowVisible(calculate) == FALSE; ++wait, ::Sleep(10)) {
        pump();
    }
    ::SetSysColors(2, roles.data(), before.data());
    EXPECT_EQ(platform::win32::textOf(calculate), "Need Another Excuse?");
}

TEST_F(Win32Lifecycle, AMinimizedAboutWindowComesBackVisibleAndActive) {
    ASSERT_NE(main, nullptr);
    pressAbout();
    const HWND box = about();
    ASSERT_NE(box, nullptr);
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(box, GWL_STYLE));
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0U);

    ::ShowWindow(box, SW_MINIMIZE);
    pump();
    ASSERT_NE(::IsIconic(box), FALSE);
    ::SetActiveWindow(main);
    pressAbout();
    EXPECT_EQ(about(), box) << "the same window, not a new one";
    EXPECT_EQ(::IsIconic(box), FALSE);
    EXPECT_NE(::IsWindowVisible(box), FALSE);
    EXPECT_EQ(::GetActiveWindow(), box);
}

TEST_F(Win32Lifecycle, ADestroyedAboutWindowIsUnloadedAndTheLastUnloadEndsTheLoop) {
    pressAbout();
    const HWND destroyed = about();
    ASSERT_NE(destroyed, nullptr);
    ::DestroyWindow(destroyed);
    pump();
    EXPECT_FALSE(loopEnded) << "the main window is still loaded";

    // Unloaded: "About" loads a new window, as after "OK".
    pressAbout();
    const HWND box = about();
    ASSERT_NE(box, nullptr);
    EXPECT_NE(box, destroyed);
    EXPECT_EQ(::GetActiveWindow(), box);

    click(main, pretextor::form1Design(), "Command3");
    EXPECT_FALSE(loopEnded) << "About is still loaded";
    ::DestroyWindow(box);
    pump();
    EXPECT_EQ(loopEnded, 0);
}

TEST_F(Win32Lifecycle, ADestroyedMainWindowLeavesAboutWorkingUntilItGoesToo) {
    pressAbout();
    const HWND box = about();
    ASSERT_NE(box, nullptr);
    ::DestroyWindow(main);
    pump();
    EXPECT_FALSE(loopEnded) << "About is still loaded";
    EXPECT_NE(::IsWindowVisible(box), FALSE);
    click(box, pretextor::frmAboutDesign(), "cmdOK");
    EXPECT_EQ(loopEnded, 0);
}

// The system's order of the child windows, top first, is the order of Tab and of what covers
// what: the design's front to back.
TEST_F(Win32Lifecycle, ChildWindowsStackFromFrontToBackAsTheDesignHasThem) {
    pressAbout();
    const std::pair<HWND, const platform::WindowDesign*> windows[] = {
        {main, &pretextor::form1Design()}, {about(), &pretextor::frmAboutDesign()}};
    for (const auto& [window, design] : windows) {
        ASSERT_NE(window, nullptr);
        std::vector<std::string_view> expected;
        for (const auto* control : platform::stackingBackToFront(*design)) {
            if (platform::win32::childKind(*control)) {
                expected.insert(expected.begin(), control->name);
            }
        }
        std::vector<std::string_view> stacked;
        for (HWND child = ::GetWindow(window, GW_CHILD); child != nullptr;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            const auto index =
                static_cast<std::size_t>(::GetDlgCtrlID(child) - platform::win32::firstChildId);
            ASSERT_LT(index, design->controls.size());
            stacked.push_back(design->controls[index].name);
        }
        EXPECT_EQ(stacked, expected) << design->name;
    }
}

TEST_F(Win32Lifecycle, AccessibleObjectsRefuseNullOutPointers) {
    ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    std::vector<HWND> windows = driving::childWindows(main);
    windows.insert(windows.begin(), main);
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    for (const HWND window : windows) {
        IAccessible* object = nullptr;
        ASSERT_TRUE(SUCCEEDED(::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                                           __uuidof(IAccessible),
                                                           reinterpret_cast<void**>(&object))));
        wchar_t text[64] = {};
        ::GetWindowTextW(window, text, 64);
        const std::pair<const char*, HRESULT> answers[] = {
            {"name", object->get_accName(self, nullptr)},
            {"value", object->get_accValue(self, nullptr)},
            {"role", object->get_accRole(self, nullptr)},
            {"state", object->get_accState(self, nullptr)},
            {"shortcut", object->get_accKeyboardShortcut(self, nullptr)},
            {"default action", object->get_accDefaultAction(self, nullptr)},
            {"child count", object->get_accChildCount(nullptr)},
        };
        for (const auto& [asked, answer] : answers) {
            EXPECT_EQ(answer, E_POINTER)
                << asked << " of \"" << platform::win32::narrow(text) << "\"";
        }
        object->Release();
    }
    ::CoUninitialize();
}

} // namespace
