#pragma once

// What the programs that drive the real Pretextor13.exe from outside share: checks that stop at
// the first failure, text in both widths, waiting, and the started program itself.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/win32/support/text.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

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
            ::DispatchMessageW(&message);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

// Another process's control text: WM_GETTEXT, which the system carries across.
inline std::string textOf(HWND window) {
    std::wstring text(512, L'\0');
    const auto length =
        ::SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return narrow(text);
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
    [[nodiscard]] bool endsCleanly() const {
        DWORD status = 1;
        return ::WaitForSingleObject(info.hProcess, 10000) == WAIT_OBJECT_0 &&
               ::GetExitCodeProcess(info.hProcess, &status) != FALSE && status == 0;
    }

    PROCESS_INFORMATION info{};
};

} // namespace driving
