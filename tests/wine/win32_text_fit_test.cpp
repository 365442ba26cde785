// Every caption and every excuse word measured against its real Win32 control, with the font the
// control has selected, at 96, 144 and 192 dpi.
#include "about_window/frm_about_design.h"
#include "engine/excuse_engine.h"
#include "main_window/form1_design.h"
#include "platform/forms/text_fit.h"
#include "platform/forms/twips.h"
#include "platform/win32/system/handles.h"
#include "platform/win32/text/text.h"
#include "platform/win32/window/fonts.h"
#include "platform/win32/window/form.h"
#include "tests/form1_fixture.h"
#include "tests/wine/driving.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using platform::ControlDesign;
using platform::ControlKind;
using platform::WindowDesign;
using platform::win32::widen;

// The font a control has selected, measured as the program measures its fonts.
platform::win32::FontMeasure fontOf(HWND control) {
    return platform::win32::FontMeasure(
        reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
}

struct Window {
    HWND handle;
    const WindowDesign* design;
    unsigned dpi = 96;

    [[nodiscard]] HWND child(std::string_view name) const {
        const ControlDesign& control = platform::findControl(*design, name);
        return ::GetDlgItem(handle, platform::win32::firstChildId +
                                        static_cast<int>(&control - design->controls.data()));
    }

    // The children shown in front of a label, where they are now.
    [[nodiscard]] std::vector<std::pair<const ControlDesign*, RECT>>
    inFrontOf(const ControlDesign& label) const {
        std::vector<std::pair<const ControlDesign*, RECT>> front;
        for (const ControlDesign* control : platform::inFrontOf(*design, label)) {
            const HWND window = child(control->name);
            if (window != nullptr && ::IsWindowVisible(window) != FALSE) {
                front.emplace_back(control, driving::rectInParent(window));
            }
        }
        return front;
    }

    // Why the text does not fit the control, or "" when it does. A control with room for one
    // line must take the text on that line; a taller label wraps it at word boundaries and must
    // hold every line. A line under a control in front of the label is lost too; what the
    // window's own edge cuts belongs to the design.
    [[nodiscard]] std::string overrun(std::string_view name, std::string text) const {
        const ControlDesign& control = platform::findControl(*design, name);
        const HWND window = child(name);
        if (window == nullptr) {
            return "no such child window";
        }
        const platform::win32::FontMeasure context = fontOf(window);
        RECT client{};
        ::GetClientRect(window, &client);
        int room = client.right;
        std::ostringstream why;
        if (control.kind != ControlKind::Label) {
            // The caption's access key marker takes no room.
            std::erase(text, '&');
            // A button's bevel and focus frame; a check box's tick box and the gap after it.
            room -= platform::designPixelsToPixels(
                control.kind == ControlKind::CheckBox ? 13 + 4 : 2 * 4, dpi);
            if (const int needs = context.width(text); needs > room) {
                why << "needs " << needs << " px, has " << room << " px";
            }
            return why.str();
        }

        const TEXTMETRICW metrics = context.metrics();
        const int given = std::max<int>(1, client.bottom / metrics.tmHeight);
        const std::vector<std::string> lines =
            given == 1 ? std::vector<std::string>{text} : platform::wrapLines(context, text, room);
        if (static_cast<int>(lines.size()) > given) {
            why << "wraps to " << lines.size() << " lines, has " << given;
            return why.str();
        }
        const RECT place = driving::rectInParent(window);
        // Less than a device pixel per 96 dpi is an antialiased edge, not a lost stroke.
        const int edge = platform::designPixelsToPixels(1, dpi);
        for (std::size_t index = 0; index < lines.size(); ++index) {
            const int needs = context.width(lines[index]);
            const std::string& line = lines[index];
            if (needs > room) {
                why << "line \"" << line << "\" needs " << needs << " px, has " << room << " px";
                return why.str();
            }
            const int left =
                control.alignment == platform::Alignment::Centre ? (room - needs) / 2 : 0;
            const auto top = static_cast<LONG>(index) * metrics.tmHeight;
            const RECT ink{place.left + left, place.top + top + metrics.tmInternalLeading,
                           place.left + left + needs, place.top + top + metrics.tmHeight};
            for (const auto& [front, area] : inFrontOf(control)) {
                RECT covered{};
                if (::IntersectRect(&covered, &ink, &area) != FALSE &&
                    covered.right - covered.left > edge && covered.bottom - covered.top > edge) {
                    why << "line \"" << line << "\" has " << covered.right - covered.left << " x "
                        << covered.bottom - covered.top << " px under " << front->name;
                    return why.str();
                }
            }
        }
        return {};
    }

    void expectFits(std::string_view name, const std::string& text) const {
        EXPECT_EQ(overrun(name, text), "")
            << '"' << text << "\" in " << name << " at " << dpi << " dpi";
    }

    void expectCaptionsFit() const {
        for (const ControlDesign& control : design->controls) {
            if (control.kind == ControlKind::Label || control.kind == ControlKind::CommandButton ||
                control.kind == ControlKind::CheckBox) {
                expectFits(control.name, driving::textOf(child(control.name)));
            }
        }
    }

    // As when the window moves to a monitor of another scale: asked for its size there, then
    // given a rectangle of that size a little away, it takes that rectangle, and icons drawn
    // for the scale.
    void scaleTo(unsigned newDpi) {
        SIZE size{};
        ASSERT_NE(
            ::SendMessageW(handle, WM_GETDPISCALEDSIZE, newDpi, reinterpret_cast<LPARAM>(&size)),
            0);
        RECT frame{};
        ::GetWindowRect(handle, &frame);
        const RECT suggested{frame.left + 7, frame.top + 5, frame.left + 7 + size.cx,
                             frame.top + 5 + size.cy};
        ::SendMessageW(handle, WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi),
                       reinterpret_cast<LPARAM>(&suggested));
        dpi = newDpi;
        ::GetWindowRect(handle, &frame);
        EXPECT_TRUE(::EqualRect(&frame, &suggested)) << design->name << " at " << dpi << " dpi";
        RECT client{};
        ::GetClientRect(handle, &client);
        EXPECT_EQ(client.right, ::MulDiv(design->clientWidth, static_cast<int>(dpi), 1440));
        for (const auto& [which, metric] :
             {std::pair{WPARAM{ICON_BIG}, SM_CXICON}, std::pair{WPARAM{ICON_SMALL}, SM_CXSMICON}}) {
            const auto icon = reinterpret_cast<HICON>(::SendMessageW(handle, WM_GETICON, which, 0));
            ICONINFO info{};
            ASSERT_NE(::GetIconInfo(icon, &info), FALSE) << design->name << " at " << dpi;
            BITMAP bitmap{};
            ::GetObjectW(info.hbmMask, sizeof(bitmap), &bitmap);
            ::DeleteObject(info.hbmColor);
            ::DeleteObject(info.hbmMask);
            EXPECT_EQ(bitmap.bmWidth, ::GetSystemMetricsForDpi(metric, dpi))
                << design->name << "'s icon at " << dpi << " dpi";
        }
    }
};

// The side and the number of colours of the icon that a picture box shows (its user data).
std::pair<LONG, std::size_t> pictureOf(HWND box) {
    const auto icon =
        reinterpret_cast<HICON>(::GetWindowLongPtrW(box, platform::win32::pictureSlot));
    ICONINFO info{};
    if (::GetIconInfo(icon, &info) == FALSE) {
        return {0, 0};
    }
    BITMAP bitmap{};
    ::GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), bitmap.bmWidth, -bitmap.bmHeight, 1, 32, BI_RGB};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(bitmap.bmWidth * bitmap.bmHeight));
    const HDC screen = ::GetDC(nullptr);
    ::GetDIBits(screen, info.hbmColor, 0, static_cast<UINT>(bitmap.bmHeight), pixels.data(),
                &format, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    for (auto& pixel : pixels) {
        pixel &= 0xFFFFFFU;
    }
    std::ranges::sort(pixels);
    const auto distinct = std::ranges::unique(pixels);
    return {bitmap.bmWidth, static_cast<std::size_t>(distinct.begin() - pixels.begin())};
}

using Win32TextFit = StartedForm1<platform::win32::Win32Toolkit>;

TEST_F(Win32TextFit, EveryCaptionAndEveryExcuseWordFitsItsControlAtEveryScale) {
    Window main{::FindWindowW(nullptr, widen(pretextor::form1Design().caption).c_str()),
                &pretextor::form1Design()};
    ASSERT_NE(main.handle, nullptr);
    ::SendMessageW(main.child("Command2"), BM_CLICK, 0, 0);
    Window about{::FindWindowW(nullptr, widen(pretextor::aboutCaption()).c_str()),
                 &pretextor::frmAboutDesign()};
    ASSERT_NE(about.handle, nullptr);

    // The caption that a finished slow draw leaves on the button.
    const HWND command1 = main.child("Command1");
    const std::string first = driving::textOf(command1);
    ::SendMessageW(command1, BM_CLICK, 0, 0);
    driving::waitFor(
        [&] { return ::IsWindowVisible(command1) != FALSE && driving::textOf(command1) != first; });
    const std::string again = driving::textOf(command1);
    ASSERT_NE(again, first);

    const std::array<std::string_view, 4> labels = {"ls1", "ls2", "ls3", "ls4"};
    std::map<unsigned, LONG> cellHeights;
    for (const unsigned dpi : {96U, 144U, 192U}) {
        for (Window* window : {&main, &about}) {
            window->scaleTo(dpi);
            window->expectCaptionsFit();
        }
        // Text grows with the scale: a scalable face, not a bitmap strike kept at 96 dpi.
        const TEXTMETRICW metrics = fontOf(main.child("ls1")).metrics();
        EXPECT_NE(metrics.tmPitchAndFamily & (TMPF_TRUETYPE | TMPF_VECTOR), 0) << dpi << " dpi";
        cellHeights[dpi] = metrics.tmHeight;
        // The About picture drawn for its size, not the 16-colour 32-pixel image stretched.
        const auto [side, colours] = pictureOf(about.child("picIcon"));
        EXPECT_EQ(side, static_cast<LONG>(32 * dpi / 96)) << dpi << " dpi";
        if (dpi > 96) {
            EXPECT_GT(colours, 16U) << dpi << " dpi";
        }
        main.expectFits("Command1", first);
        int words = 0;
        for (std::size_t list = 0; list < labels.size(); ++list) {
            for (const std::string_view word : engine::wordLists()[list].words) {
                main.expectFits(labels[list], std::string(word));
                ++words;
            }
        }
        EXPECT_EQ(words, 145);
    }
    EXPECT_NEAR(static_cast<double>(cellHeights[192]) / cellHeights[96], 2.0, 0.15);
    EXPECT_NEAR(static_cast<double>(cellHeights[144]) / cellHeights[96], 1.5, 0.15);
}

} // namespace
