#include "ui_automation_notice.h"

#include "handles.h"
#include "platform/errors.h"
#include "system_library.h"

#include <oleauto.h>

#include <optional>
#include <string>
#include <utility>

namespace platform::win32 {

namespace {

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

// Not imported: the library is no KnownDLL. The notification came with Windows 10 1709.
struct UiAutomation {
    SystemLibrary library{L"uiautomationcore.dll"};
    ClientsAreListening clientsAreListening =
        library.entry<ClientsAreListening>("UiaClientsAreListening");
    HostProviderFromHwnd hostProviderFromHwnd =
        library.entry<HostProviderFromHwnd>("UiaHostProviderFromHwnd");
    RaiseNotificationEvent raiseNotificationEvent =
        library.entry<RaiseNotificationEvent>("UiaRaiseNotificationEvent");
};

// Loaded at the first announcement and kept; null where the system lacks it.
const UiAutomation* uiAutomation() {
    static const std::optional<UiAutomation> loaded = []() -> std::optional<UiAutomation> {
        try {
            return std::optional<UiAutomation>(std::in_place);
        } catch (const RuntimeError&) {
            return std::nullopt;
        }
    }();
    return loaded ? &*loaded : nullptr;
}

} // namespace

bool announceByUiAutomation(HWND window, std::wstring_view text) {
    const UiAutomation* uia = uiAutomation();
    if (uia == nullptr || !uia->clientsAreListening()) {
        return false;
    }
    IUnknown* raw = nullptr;
    if (FAILED(uia->hostProviderFromHwnd(window, &raw)) || raw == nullptr) {
        return false;
    }
    const Provider provider(raw);
    const std::wstring copy(text);
    const String display(::SysAllocStringLen(copy.data(), static_cast<UINT>(copy.size())));
    const String activity(::SysAllocString(L"Pretextor.NewExcuse"));
    return display && activity &&
           SUCCEEDED(uia->raiseNotificationEvent(provider.get(), actionCompleted, mostRecent,
                                                 display.get(), activity.get()));
}

} // namespace platform::win32
