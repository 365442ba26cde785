// A stand-in for a planted OLEACC.dll: when any process loads it, it leaves the file
// "planted-dll-ran" beside itself. It offers the entry points a program would import from the
// real one, so that a program importing them would load it and start.
#include <windows.h>

#include <string>

namespace {

void leaveMarker(HMODULE self) {
    std::wstring path(MAX_PATH, L'\0');
    const DWORD length = ::GetModuleFileNameW(self, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    path.resize(path.find_last_of(L"\\/") + 1);
    path += L"planted-dll-ran";
    const HANDLE marker = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (marker != INVALID_HANDLE_VALUE) {
        ::CloseHandle(marker);
    }
}

} // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH) {
        leaveMarker(self);
    }
    return TRUE;
}

__declspec(dllexport) HRESULT WINAPI CreateStdAccessibleObject(HWND, LONG, REFIID, void** result) {
    *result = nullptr;
    return E_FAIL;
}

__declspec(dllexport) LRESULT WINAPI LresultFromObject(REFIID, WPARAM, IUnknown*) {
    return E_FAIL;
}

__declspec(dllexport) HRESULT WINAPI AccessibleObjectFromWindow(HWND, DWORD, REFIID,
                                                                void** result) {
    *result = nullptr;
    return E_FAIL;
}

} // extern "C"
