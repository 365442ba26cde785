// Stands in for a system information tool: leaves its command line in "<its own path>.ran" so
// that a test can see it was started, and how.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>

int main() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(::GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    const HANDLE marker = ::CreateFileW((path + L".ran").c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (marker == INVALID_HANDLE_VALUE) {
        return 1;
    }
    const std::wstring line = ::GetCommandLineW();
    DWORD written = 0;
    ::WriteFile(marker, line.data(), static_cast<DWORD>(line.size() * sizeof(wchar_t)), &written,
                nullptr);
    ::CloseHandle(marker);
    return 0;
}
