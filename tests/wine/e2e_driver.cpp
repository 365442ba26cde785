// Drives the real Pretextor13.exe from outside, as a user would, and checks what it shows.
// usage: e2e_driver PRETEXTOR_EXE SYSINFO_STUB_EXE [POSE_FOLDER]
// The system's dpi must be the one in PRETEXTOR_DPI (96 when unset): the expected geometry is
// that scale's. With a pose folder it stops at each window, writes <name>.ready holding the
// window's screen rectangle, and goes on once <name>.taken appears (a screenshot is taken
// meanwhile).
#include "driving.h"

#include "about_window/frm_about_design.h"
#include "main_window/form1_design.h"
#include "platform/forms/colour_rule.h"
#include "tests/shown_colours.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <initializer_list>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace driving;
using pretextor::form1Design;
using pretextor::frmAboutDesign;

struct Child {
    HWND window;
    std::string className;
    std::string text;
    RECT rect; // in the parent's client pixels
};

std::vector<Child> childrenOf(HWND parent) {
    std::vector<Child> children;
    for (HWND window : childWindows(parent)) {
        wchar_t name[64] = {};
        ::GetClassNameW(window, name, 64);
        children.push_back({window, narrow(name), textOf(window), rectInParent(window)});
    }
    return children;
}

bool hasChildWithText(HWND parent, const std::string& text) {
    return std::ranges::any_of(childrenOf(parent),
                               [&](const Child& child) { return child.text == text; });
}

HWND childWithText(HWND parent, const std::string& text) {
    for (const Child& child : childrenOf(parent)) {
        if (child.text == text) {
            return child.window;
        }
    }
    throw Failure("no control reads \"" + text + "\"");
}

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

// Posted, not sent: a click whose handler opens a message box would block a sent one.
void click(HWND button) {
    ::PostMessageW(button, BM_CLICK, 0, 0);
}

// The control with the keyboard focus in another process's window.
HWND focusIn(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    const DWORD thread = ::GetWindowThreadProcessId(window, nullptr);
    return ::GetGUIThreadInfo(thread, &info) != FALSE ? info.hwndFocus : nullptr;
}

// The copy menu, while it is on screen; nullptr otherwise.
HWND copyMenu() {
    const HWND menu = ::FindWindowW(L"#32768", nullptr);
    return menu != nullptr && ::IsWindowVisible(menu) != FALSE ? menu : nullptr;
}

// Where the design's controls land at one scale, in client pixels: twips rounded to pixels.
struct Geometry {
    unsigned dpi;
    SIZE client;
    RECT calculate, fast, about;
    RECT list1, list2, list4;
    POINT aboutOrigin;
    LONG excuseTop;
};

constexpr Geometry geometries[] = {
    {96,
     {514, 342},
     {104, 80, 409, 113},
     {392, 320, 481, 337},
     {480, 312, 521, 329},
     {0, 136, 121, 257},
     {128, 136, 257, 257},
     {400, 136, 529, 257},
     {156, 129},
     280},
    {144,
     {771, 513},
     {156, 120, 614, 170},
     {588, 480, 722, 506},
     {720, 468, 782, 494},
     {0, 204, 182, 386},
     {192, 204, 386, 386},
     {600, 204, 794, 386},
     {234, 194},
     420},
    {192,
     {1028, 684},
     {208, 160, 818, 226},
     {784, 640, 962, 674},
     {960, 624, 1042, 658},
     {0, 272, 242, 514},
     {256, 272, 514, 514},
     {800, 272, 1058, 514},
     {312, 258},
     560},
};

const Geometry& geometryFor(unsigned dpi) {
    for (const Geometry& geometry : geometries) {
        if (geometry.dpi == dpi) {
            return geometry;
        }
    }
    throw Failure("no expected geometry at " + std::to_string(dpi) + " dpi");
}

// Keys typed as a user types them, to whichever window is active: held in order, let go in
// reverse.
void press(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (const WORD key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto it = keys.end(); it != keys.begin();) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *--it;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// The four excuse labels, left to right: the static controls on the excuse row.
std::vector<std::string> excuseWords(HWND main, LONG top) {
    std::vector<Child> labels;
    for (const Child& child : childrenOf(main)) {
        if (child.className == "Static" || child.className == "STATIC") {
            if (child.rect.top == top) {
                labels.push_back(child);
            }
        }
    }
    std::ranges::sort(labels, {}, [](const Child& c) { return c.rect.left; });
    std::vector<std::string> words;
    for (const Child& label : labels) {
        words.push_back(label.text);
    }
    return words;
}

// The clipboard's text as a program pasting it reads it; its own text goes there with put.
std::string clipboardText() {
    std::string text = "(nothing)";
    if (::OpenClipboard(nullptr) != FALSE) {
        if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
            text = narrow(static_cast<const wchar_t*>(::GlobalLock(data)));
            ::GlobalUnlock(data);
        }
        ::CloseClipboard();
    }
    return text;
}

void putOnClipboard(const std::wstring& text) {
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::ranges::copy(std::wstring_view(text.c_str(), text.size() + 1),
                      static_cast<wchar_t*>(::GlobalLock(memory)));
    ::GlobalUnlock(memory);
    expect(::OpenClipboard(nullptr) != FALSE && ::EmptyClipboard() != FALSE &&
               ::SetClipboardData(CF_UNICODETEXT, memory) != nullptr && ::CloseClipboard(),
           "the driver puts its own text on the clipboard");
}

std::string versionString(const std::wstring& exe, const wchar_t* name) {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    std::vector<char> block(size);
    if (size == 0 || !::GetFileVersionInfoW(exe.c_str(), 0, size, block.data())) {
        throw Failure("no version block");
    }
    if (name == nullptr) {
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        ::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length);
        return std::to_string(HIWORD(fixed->dwFileVersionMS)) + "," +
               std::to_string(LOWORD(fixed->dwFileVersionMS)) + "," +
               std::to_string(HIWORD(fixed->dwFileVersionLS)) + "," +
               std::to_string(LOWORD(fixed->dwFileVersionLS)) + " os " +
               std::to_string(fixed->dwFileOS) + " type " + std::to_string(fixed->dwFileType);
    }
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!::VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) {
        return "(missing)";
    }
    return narrow(std::wstring(value, wcsnlen(value, length)));
}

void checkVersionBlock(const std::wstring& exe) {
    expect(versionString(exe, nullptr) == "1,3,0,125 os " + std::to_string(VOS__WINDOWS32) +
                                              " type " + std::to_string(VFT_APP),
           "fixed version 1,3,0,125, Windows 32 application");
    const std::pair<const wchar_t*, const char*> strings[] = {
        {L"FileVersion", "1.03.0125"},       {L"ProductVersion", "1.03.0125"},
        {L"ProductName", "VORN: Pretextor"}, {L"FileDescription", "VORN: Pretextor"},
        {L"InternalName", "Pretextor13"},    {L"OriginalFilename", "Pretextor13.exe"},
        {L"CompanyName", "VORN Software"},
    };
    for (const auto& [name, value] : strings) {
        const std::string found = versionString(exe, name);
        expect(found == value, narrow(name) + " is \"" + found + "\"");
    }
}

constexpr const wchar_t* toolKey = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const wchar_t* locationKey = L"SOFTWARE\\Microsoft\\Shared Tools Location";

void forgetSysInfo() {
    ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, toolKey);
    ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, locationKey);
}

bool fileExists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void pose(const std::wstring& folder, const std::wstring& name, HWND window) {
    if (folder.empty()) {
        return;
    }
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    std::this_thread::sleep_for(500ms);
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const std::string geometry = std::to_string(rect.right - rect.left) + "x" +
                                 std::to_string(rect.bottom - rect.top) + "+" +
                                 std::to_string(rect.left) + "+" + std::to_string(rect.top) + "\n";
    const std::wstring ready = folder + L"\\" + name + L".ready";
    const HANDLE file =
        ::CreateFileW(ready.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, geometry.data(), static_cast<DWORD>(geometry.size()), &written, nullptr);
    ::CloseHandle(file);
    waitFor([&] { return fileExists(folder + L"\\" + name + L".taken"); }, 30s);
}

bool standardTheme() {
    const wchar_t* theme = ::_wgetenv(L"PRETEXTOR_THEME");
    return theme == nullptr || std::wstring(theme) == L"default";
}

// The colours on the screen in an area of it: its back colour and the text's.
ShownColours shownAt(RECT area) {
    const HDC screen = ::GetDC(nullptr);
    const HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), area.right - area.left, area.top - area.bottom, 1, 32, BI_RGB};
    void* bits = nullptr;
    const HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, area.right - area.left, area.bottom - area.top, screen, area.left,
             area.top, SRCCOPY);
    const ShownColours shown =
        shownColours({static_cast<const std::uint32_t*>(bits),
                      static_cast<std::size_t>(info.bmiHeader.biWidth * -info.bmiHeader.biHeight)});
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return shown;
}

// Every label read from the screen's pixels: on the face, at 4.5:1 at least; at the default
// theme the links in the design's blue and the other labels in the system's text colour.
void expectLabelsRead(HWND window, int links, bool standard) {
    std::this_thread::sleep_for(500ms);
    RECT client{};
    ::GetClientRect(window, &client);
    int blue = 0;
    for (const Child& child : childrenOf(window)) {
        RECT area{};
        if (child.className != "Static" || ::IntersectRect(&area, &child.rect, &client) == FALSE) {
            continue;
        }
        ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
        const ShownColours shown = shownAt(area);
        const std::string label = "\"" + child.text + "\"";
        expect(shown.back == ::GetSysColor(COLOR_BTNFACE), label + " lies on the face");
        expect(shown.ratio >= 4.5, label + " reads at " + std::to_string(shown.ratio) + ":1");
        const bool isBlue = platform::contrastRatio(shown.text, 0x00FF0000) < 1.05;
        blue += isBlue ? 1 : 0;
        expect(!standard || isBlue ||
                   platform::contrastRatio(shown.text, ::GetSysColor(COLOR_BTNTEXT)) < 1.05,
               label + " keeps its colour at the default theme");
    }
    expect(!standard || blue == links, "the links keep the design's blue");
}

// The system's dpi is the one the test asked Wine for: the geometry to expect.
const Geometry& geometryAtSystemDpi() {
    const wchar_t* wanted = ::_wgetenv(L"PRETEXTOR_DPI");
    const unsigned dpi = wanted != nullptr ? static_cast<unsigned>(::_wtoi(wanted)) : 96U;
    const HDC screen = ::GetDC(nullptr);
    const int systemDpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    expect(systemDpi == static_cast<int>(dpi),
           "the system runs at " + std::to_string(dpi) + " dpi, is " + std::to_string(systemDpi));
    return geometryFor(dpi);
}

// The main window and the controls the steps press.
struct MainWindow {
    HWND window;
    HWND calculate;
    HWND fast;
    HWND about;
    const Geometry& at;
    std::vector<std::string> words() const { return excuseWords(window, at.excuseTop); }
};

MainWindow mainWindowLaidOut(const Geometry& at) {
    const HWND main = shownWindow(form1Design().caption);
    expect(main != nullptr, "the main window shows");
    RECT client{};
    ::GetClientRect(main, &client);
    expect(client.right == at.client.cx && client.bottom == at.client.cy,
           "client area " + std::to_string(at.client.cx) + "x" + std::to_string(at.client.cy) +
               ", is " + describe(client));
    const MainWindow shown{main, childWithText(main, captionOf(form1Design(), "Command1")),
                           childWithText(main, captionOf(form1Design(), "Check1")),
                           childWithText(main, captionOf(form1Design(), "Command2")), at};
    for (const auto& [window, expected, name] :
         {std::tuple{shown.calculate, at.calculate, "Calculate button"},
          std::tuple{shown.fast, at.fast, "Fast Refesh box"},
          std::tuple{shown.about, at.about, "About button"}}) {
        RECT rect{};
        ::GetWindowRect(window, &rect);
        ::MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&rect), 2);
        expect(sameRect(rect, expected), std::string(name) + " at " + describe(rect));
    }
    std::vector<RECT> lists;
    for (const Child& child : childrenOf(main)) {
        if (child.className == "ListBox") {
            lists.push_back(child.rect);
        }
    }
    std::ranges::sort(lists, {}, &RECT::left);
    expect(lists.size() == 4 && sameRect(lists[0], at.list1) && sameRect(lists[1], at.list2) &&
               sameRect(lists[3], at.list4),
           "four word lists side by side");
    std::vector<std::string> startTexts;
    for (const char* label : {"ls1", "ls2", "ls3", "ls4"}) {
        startTexts.push_back(captionOf(form1Design(), label));
    }
    expect(shown.words() == startTexts, "no excuse before the first draw");
    expectLabelsRead(main, 1, standardTheme());
    return shown;
}

void checkFastDrawIsCopied(const MainWindow& main) {
    putOnClipboard(L"kept");
    ::SetForegroundWindow(main.window);
    expect(waitFor([&] { return ::GetForegroundWindow() == main.window; }),
           "the main window is active");
    press({VK_CONTROL, 'C'});
    expect(!waitFor([] { return clipboardText() != "kept"; }, 500ms),
           "Ctrl+C before the first draw leaves the clipboard as it was");
    press({VK_SHIFT, VK_F10});
    expect(waitFor([] { return copyMenu() != nullptr; }),
           "Shift+F10 opens the copy menu before the first draw");
    // Another process's menu is not ours to ask: its item is read off the screen.
    std::this_thread::sleep_for(300ms);
    RECT menu{};
    ::GetWindowRect(copyMenu(), &menu);
    ::InflateRect(&menu, -4, -4);
    const ShownColours item = shownAt(menu);
    expect(platform::contrastRatio(item.text, ::GetSysColor(COLOR_GRAYTEXT)) <
               platform::contrastRatio(item.text, ::GetSysColor(COLOR_MENUTEXT)),
           "whose \"Copy\" is greyed");
    press({VK_ESCAPE});
    expect(waitFor([] { return copyMenu() == nullptr; }), "and Esc closes it");

    click(main.fast);
    expect(waitFor([&] { return ::SendMessageW(main.fast, BM_GETCHECK, 0, 0) == BST_CHECKED; }),
           "Fast Refesh ticks");
    click(main.calculate);
    expect(waitFor([&] { return formAnExcuse(main.words()); }),
           "a fast draw shows four words from the four lists");
    const std::string excuse = engine::excuseText(main.words());
    press({VK_CONTROL, 'C'});
    expect(waitFor([&] { return clipboardText() == excuse; }),
           "Ctrl+C, with a word list focused, copies \"" + excuse + "\"");
    putOnClipboard(L"kept");
    press({VK_SHIFT, VK_F10});
    expect(waitFor([] { return copyMenu() != nullptr; }), "Shift+F10 opens the copy menu");
    press({'C'});
    expect(waitFor([&] { return clipboardText() == excuse; }), "whose \"Copy\" copies it too");
}

void checkSlowDraws(const MainWindow& main) {
    const HWND calculate = main.calculate;
    click(main.fast);
    waitFor([&] { return ::SendMessageW(main.fast, BM_GETCHECK, 0, 0) == BST_UNCHECKED; });
    click(calculate);
    expect(waitFor([&] { return !::IsWindowVisible(calculate); }, 5s),
           "a slow draw shows its progress bar in place of the button");
    expect(waitFor([&] {
               return ::IsWindowVisible(calculate) && textOf(calculate) == "Need Another Excuse?";
           }),
           "the slow draw ends by itself with \"Need Another Excuse?\"");
    expect(formAnExcuse(main.words()), "and shows four words from the four lists");

    // Two clicks at once, as a screen reader's double press or an automation tool sends them:
    // the second finds the button hidden and goes nowhere.
    click(calculate);
    click(calculate);
    expect(waitFor([&] { return !::IsWindowVisible(calculate); }, 5s),
           "two clicks at once start a slow draw");
    expect(waitFor([&] { return ::IsWindowVisible(calculate) != FALSE; }), "which ends by itself");
    waitFor([] { return false; }, 1s);
    expect(::IsWindowVisible(calculate) != FALSE, "and leaves the button on screen");

    // From the keyboard: Tab to the button, Enter. Hiding the button hands the focus on to
    // "About", where it stays while the bar grows; the button takes it back at the end.
    ::SetForegroundWindow(main.window);
    for (int tab = 0; tab < 8 && !waitFor([&] { return focusIn(main.window) == calculate; }, 200ms);
         ++tab) {
        press({VK_TAB});
    }
    expect(focusIn(main.window) == calculate, "Tab reaches \"Need Another Excuse?\"");
    press({VK_RETURN});
    expect(waitFor([&] { return !::IsWindowVisible(calculate); }, 5s), "Enter starts a slow draw");
    expect(focusIn(main.window) == main.about,
           "the focus moves on to \"About\" while the button is hidden");
    expect(waitFor([&] { return ::IsWindowVisible(calculate); }), "the slow draw ends");
    expect(waitFor([&] { return focusIn(main.window) == calculate; }, 2s),
           "and the focus is back on the button");
}

HWND aboutOpensInPlace(const MainWindow& main) {
    click(main.about);
    const HWND box = shownWindow(pretextor::aboutCaption());
    expect(box != nullptr, "About opens");
    POINT origin{0, 0};
    ::ClientToScreen(box, &origin);
    const POINT& at = main.at.aboutOrigin;
    expect(origin.x == at.x && origin.y == at.y,
           "About's client area starts at " + std::to_string(at.x) + "," + std::to_string(at.y) +
               ", is " + std::to_string(origin.x) + "," + std::to_string(origin.y));
    expect(hasChildWithText(box, "Version 1.3.125"), "About reads \"Version 1.3.125\"");
    expectLabelsRead(box, 4, standardTheme());
    return box;
}

void checkSystemInformation(HWND sysInfo, const std::wstring& stub) {
    click(sysInfo);
    HWND message = nullptr;
    expect(waitFor([&] { return (message = messageBox()) != nullptr; }),
           "without a registered tool a message box opens");
    expect(hasChildWithText(message, "System Information Is Unavailable At This Time"),
           "it says \"System Information Is Unavailable At This Time\"");
    click(childWithText(message, "OK"));
    expect(waitFor([&] { return messageBox() == nullptr; }), "OK dismisses it");

    // A folder and a name with spaces: only the exact path may start.
    const std::wstring tool = stubWithSpaces(stub, L"Pretextor Test", L"msinfo stub.exe");
    writeRegistry(toolKey, L"PATH", tool);
    click(sysInfo);
    expect(waitFor([&] { return !readWide(tool + L".ran").empty(); }),
           "a registered tool is started");
    expect(readWide(tool + L".ran") == L"\"" + tool + L"\"", "with its quoted path alone");
    forgetSysInfo();
}

// From the keyboard alone: the message box gives the focus back to About when it goes.
void checkMessageBoxIsModal(const MainWindow& main, HWND box) {
    ::SetForegroundWindow(box);
    expect(waitFor([&] { return ::GetForegroundWindow() == box; }), "About is the active window");
    press({VK_MENU, 'S'});
    HWND message = nullptr;
    expect(waitFor([&] { return (message = messageBox()) != nullptr; }),
           "Alt+S with no registered tool opens the message box");
    expect(::GetWindow(message, GW_OWNER) == box, "owned by About");
    expect(::IsWindowEnabled(main.window) == FALSE && ::IsWindowEnabled(box) == FALSE,
           "while it is open, the main window and About take no input");
    const std::vector<std::string> words = main.words();
    click(main.calculate);
    expect(!waitFor([&] { return !::IsWindowVisible(main.calculate); }, 500ms) &&
               main.words() == words,
           "and a click on the main window draws nothing");
    press({VK_RETURN});
    expect(waitFor([&] { return messageBox() == nullptr; }), "Enter dismisses it");
    // The box is gone a moment before its call returns and the program enables the main window.
    const auto bothTakeInput = [&] {
        return ::IsWindowEnabled(main.window) != FALSE && ::IsWindowEnabled(box) != FALSE;
    };
    expect(waitFor(bothTakeInput, 2s), "and both windows take input again");
}

void run(const std::wstring& exe, const std::wstring& stub, const std::wstring& poseFolder) {
    const Geometry& at = geometryAtSystemDpi();
    checkVersionBlock(exe);
    forgetSysInfo();

    const Program program(exe);
    const MainWindow main = mainWindowLaidOut(at);
    pose(poseFolder, L"main", main.window);
    checkFastDrawIsCopied(main);
    checkSlowDraws(main);
    const HWND box = aboutOpensInPlace(main);
    pose(poseFolder, L"about", box);
    checkSystemInformation(childWithText(box, captionOf(frmAboutDesign(), "cmdSysInfo")), stub);
    checkMessageBoxIsModal(main, box);
    press({VK_ESCAPE});
    expect(waitFor([&] { return !::IsWindowVisible(box); }), "then Esc closes About");
    // As the task bar's "Close window" does, with the copy menu open.
    ::SetForegroundWindow(main.window);
    press({VK_SHIFT, VK_F10});
    expect(waitFor([] { return copyMenu() != nullptr; }), "the copy menu opens again");
    ::PostMessageW(main.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    expect(program.endsCleanly(2000), "closing the window under its menu ends the program");
    expect(copyMenu() == nullptr, "and takes the menu with it");
}

// A click on a word list and, at once, the close: the list's own loop must not keep the program
// alive with no window.
void checkCloseRightAfterAClick(const std::wstring& exe) {
    const Program program(exe);
    const HWND main = shownWindow(form1Design().caption);
    expect(main != nullptr, "the main window shows again");
    ::SetForegroundWindow(main);
    waitFor([&] { return ::GetForegroundWindow() == main; });
    RECT list{};
    for (const Child& child : childrenOf(main)) {
        if (child.className == "ListBox") {
            list = child.rect;
        }
    }
    POINT at{list.left + 10, list.top + 10};
    ::ClientToScreen(main, &at);
    ::SetCursorPos(at.x, at.y);
    // The close while the list still holds the pointer, as a window manager's close comes.
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    ::SendInput(1, &input, sizeof(INPUT));
    GUITHREADINFO thread{};
    thread.cbSize = sizeof(thread);
    waitFor([&] {
        return ::GetGUIThreadInfo(::GetWindowThreadProcessId(main, nullptr), &thread) != FALSE &&
               thread.hwndCapture != nullptr;
    });
    ::PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &input, sizeof(INPUT));
    expect(program.endsCleanly(2000), "a close at once after a click on a list ends the program");
}

void runBoth(const std::wstring& exe, const std::wstring& stub, const std::wstring& poseFolder) {
    run(exe, stub, poseFolder);
    checkCloseRightAfterAClick(exe);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    // Window rectangles in the system's own pixels, as the program, which knows its scale,
    // sees them.
    ::SetProcessDPIAware();
    const int status = drive(argc >= 3, "e2e_driver PRETEXTOR_EXE SYSINFO_STUB_EXE [POSE_FOLDER]",
                             [&] { runBoth(argv[1], argv[2], argc > 3 ? argv[3] : L""); });
    forgetSysInfo();
    return status;
}
