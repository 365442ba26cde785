#include "ui_automation_notice.h"

#include "oleaut32.h"
#include "platform/win32/system/handles.h"
#include "platform/win32/system/system_library.h"

#include <string>
#include <utility>

namespace platform::win32 {

namespace {

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

} // namespace

bool announceByUiAutomation(HWND window, std::wstring_view text) {
    // Loaded at the first announcement and kept; null where the system lacks it.
    const UiAutomation* uia = loadedIfPresent<UiAutomation>();
    if (uia == nullptr || !uia->clientsAreListening()) {
        return false;
    }
    IUnknown* raw = nullptr;
    if (FAILED(uia->hostProviderFromHwnd(window, &raw)) || raw == nullptr) {
        return false;
    }
    const ComPointer<IUnknown> provider(raw);
    const oleaut32::String display(oleaut32::allocString(text));
    const oleaut32::String activity(oleaut32::allocString(L"Pretextor.NewExcuse"));
    return display && activity &&
           SUCCEEDED(uia->raiseNotificationEvent(provider.get(), actionCompleted, mostRecent,
                                                 display.get(), activity.get()));
}

} // namespace platform::win32
