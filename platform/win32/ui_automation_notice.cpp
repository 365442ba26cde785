#include "ui_automation_notice.h"

#include "handles.h"

#include <oleauto.h>

#include <string>

namespace platform::win32 {

namespace {

inline void freeLibrary(HMODULE module) {
    ::FreeLibrary(module);
}
using Library = Unique<HMODULE, freeLibrary>;

inline void freeString(BSTR text) {
    ::SysFreeString(text);
}
using String = Unique<BSTR, freeString>;

inline void release(IUnknown* object) {
    object->Release();
}
using Provider = Unique<IUnknown*, release>;

// The values of UI Automation's NotificationKind_ActionCompleted and
// NotificationProcessing_MostRecent: a newer excuse replaces one not yet spoken.
constexpr int actionCompleted = 2;
constexpr int mostRecent = 3;

using ClientsAreListening = BOOL(WINAPI*)();
using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IUnknown**);
using RaiseNotificationEvent = HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR);

template <typename Function> Function lookUp(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

// Not imported: the library is no KnownDLL, and only System32's may be loaded. Kept loaded
// from the first announcement on.
HMODULE uiAutomation() {
    static const Library library(
        ::LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    return library.get();
}

} // namespace

bool announceByUiAutomation(HWND window, std::wstring_view text) {
    const HMODULE module = uiAutomation();
    if (module == nullptr) {
        return false;
    }
    const auto listening = lookUp<ClientsAreListening>(module, "UiaClientsAreListening");
    const auto hostProvider = lookUp<HostProviderFromHwnd>(module, "UiaHostProviderFromHwnd");
    const auto raise = lookUp<RaiseNotificationEvent>(module, "UiaRaiseNotificationEvent");
    if (listening == nullptr || hostProvider == nullptr || raise == nullptr || !listening()) {
        return false;
    }
    IUnknown* raw = nullptr;
    if (FAILED(hostProvider(window, &raw)) || raw == nullptr) {
        return false;
    }
    const Provider provider(raw);
    const std::wstring copy(text);
    const String display(::SysAllocStringLen(copy.data(), static_cast<UINT>(copy.size())));
    const String activity(::SysAllocString(L"Pretextor.NewExcuse"));
    return display && activity &&
           SUCCEEDED(
               raise(provider.get(), actionCompleted, mostRecent, display.get(), activity.get()));
}

} // namespace platform::win32
