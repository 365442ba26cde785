#pragma once

// What the programs that drive the real Pretextor13.exe from outside share: checks that stop at
// the first failure, text in both widths, waiting, windows and their children, the registry, the
// stand-in program, and the started program itself.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "engine/excuse_engine.h"
#include "platform/app_info.h"
#include "platform/forms/design.h"
#include "platform/win32/text/text.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace driving {

using namespace std::chrono_literals;

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline void expect(bool ok, const std::string& what) {
    if (!ok) {
        throw Failure(what);
    }
    std::printf("ok   %s\n", what.c_str());
}

// Text in both widths, converted as the program converts it.
using platform::win32::narrow;
using platform::win32::widen;

// Polls until the condition holds; the program answers through its own message loop. Messages
// for this thread (the events of a hook, say) are delivered meanwhile.
inline bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit = 10s) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) {
            return condition();
        }
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

// A control's caption as the design the program is built from gives it.
inline std::string captionOf(const platform::WindowDesign& window, std::string_view name) {
    return std::string(platform::findControl(window, name).text);
}

// The shown top-level window with the caption, once it shows; nullptr when it does not. An
// unloaded window of the same caption may linger, hidden.
inline HWND shownWindow(std::string_view caption) {
    const std::wstring wide = widen(caption);
    HWND shown = nullptr;
    waitFor([&] {
        for (HWND window = nullptr;
             (window = ::FindWindowExW(nullptr, window, nullptr, wide.c_str())) != nullptr;) {
            if (::IsWindowVisible(window) != FALSE) {
                shown = window;
                return true;
            }
        }
        return false;
    });
    return shown;
}

// The program's message box, once it is on screen: its caption is set before its text and
// buttons are.
inline HWND messageBox() {
    const HWND box = ::FindWindowW(L"#32770", widen(platform::app::title).c_str());
    return box != nullptr && ::IsWindowVisible(box) != FALSE ? box : nullptr;
}

// Every child window, at any depth, in the system's order.
inline std::vector<HWND> childWindows(HWND parent) {
    std::vector<HWND> windows;
    ::EnumChildWindows(
        parent,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// Whether the words are an excuse: one from each list, in the lists' order.
inline bool formAnExcuse(const std::vector<std::string>& words) {
    const auto& lists = engine::wordLists();
    for (std::size_t i = 0; i < lists.size(); ++i) {
        if (i >= words.size() ||
            std::ranges::find(lists[i].words, words[i]) == lists[i].words.end()) {
            return false;
        }
    }
    return words.size() == lists.size();
}

// A string value of HKEY_LOCAL_MACHINE, its key made where missing.
inline void writeRegistry(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
    if (::RegSetKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), name, REG_SZ, value.c_str(),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) !=
        ERROR_SUCCESS) {
        throw Failure("cannot write the registry");
    }
}

// The stand-in program (sysinfo_stub.exe) copied to a folder and a name with spaces under the
// temporary folder, as no record of an earlier start: it leaves its command line in "<path>.ran".
inline std::wstring stubWithSpaces(const std::wstring& stub, const std::wstring& folderName,
                                   const std::wstring& fileName) {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + folderName;
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring path = folder + L"\\" + fileName;
    ::CopyFileW(stub.c_str(), path.c_str(), FALSE);
    ::DeleteFileW((path + L".ran").c_str());
    return path;
}

// Another process's control text: WM_GETTEXT, which the system carries across.
inline std::string textOf(HWND window) {
    std::wstring text(512, L'\0');
    const auto length =
        ::SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return narrow(text);
}

// A child window's rectangle in its parent's client pixels.
inline RECT rectInParent(HWND child) {
    RECT rect{};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// A small UTF-16 file, such as the one a stub writes its command line to; "" when absent.
inline std::wstring readWide(const std::wstring& path) {
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::wstring text(1024, L'\0');
    DWORD read = 0;
    ::ReadFile(file, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &read,
               nullptr);
    ::CloseHandle(file);
    text.resize(read / sizeof(wchar_t));
    return text;
}

// The program under test, ended at the latest when the driver ends.
struct Program {
    explicit Program(const std::wstring& exe) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        std::wstring commandLine = L"\"" + exe + L"\"";
        expect(::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                nullptr, nullptr, &startup, &info) != FALSE,
               "Pretextor13.exe starts");
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program() {
        if (::WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) {
            ::TerminateProcess(info.hProcess, 99);
        }
        ::CloseHandle(info.hProcess);
        ::CloseHandle(info.hThread);
    }
    // True when the program ended within the time, with status 0.
    [[nodiscard]] bool endsCleanly(DWORD milliseconds = 10000) const {
        DWORD status = 1;
        return ::WaitForSingleObject(info.hProcess, milliseconds) == WAIT_OBJECT_0 &&
               ::GetExitCodeProcess(info.hProcess, &status) != FALSE && status == 0;
    }

    PROCESS_INFORMATION info{};
};

// A driver's wmain: the usage when the arguments are too few (status 2), "FAIL" and the first
// failure (status 1), or 0 when every check held.
inline int drive(bool enoughArguments, const char* usage, const std::function<void()>& run) {
    if (!enoughArguments) {
        std::fprintf(stderr, "usage: %s\n", usage);
        return 2;
    }
    try {
        run();
    } catch (const std::exception& failure) {
        std::printf("FAIL %s\n", failure.what());
        return 1;
    }
    return 0;
}

} // namespace driving
