#include "ui_automation_notice.h"

#include "oleaut32.h"
#include "platform/win32/system/handles.h"
#include "platform/win32/system/system_library.h"

#include <string>
#include <utility>

namespace platform::win32 {

// UI Automation's calls as its DLL exports them, which not every SDK's headers declare. Only
// their types are taken: nothing links to these.
namespace declared {
BOOL WINAPI UiaClientsAreListening();
HRESULT WINAPI UiaHostProviderFromHwnd(HWND window, IUnknown** provider);
HRESULT WINAPI UiaRaiseNotificationEvent(IUnknown* provider, int kind, int processing,
                                         BSTR displayString, BSTR activityId);
} // namespace declared

namespace {

// The values of UI Automation's NotificationKind_ActionCompleted and
// NotificationProcessing_MostRecent: a newer excuse replaces one not yet spoken.
constexpr int actionCompleted = 2;
constexpr int mostRecent = 3;

// Not imported: the library is no KnownDLL. The notification came with Windows 10 1709.
struct UiAutomation {
    SystemLibrary library{L"uiautomationcore.dll"};
    PRETEXTOR_ENTRY(declared, UiaClientsAreListening);
    PRETEXTOR_ENTRY(declared, UiaHostProviderFromHwnd);
    PRETEXTOR_ENTRY(declared, UiaRaiseNotificationEvent);
};

} // namespace

bool announceByUiAutomation(HWND window, std::wstring_view text) {
    // Loaded at the first announcement and kept; null where the system lacks it.
    const UiAutomation* uia = loadedIfPresent<UiAutomation>();
    if (uia == nullptr || !uia->UiaClientsAreListening()) {
        return false;
    }
    IUnknown* raw = nullptr;
    if (FAILED(uia->UiaHostProviderFromHwnd(window, &raw)) || raw == nullptr) {
        return false;
    }
    const ComPointer<IUnknown> provider(raw);
    const oleaut32::String display(oleaut32::allocString(text));
    const oleaut32::String activity(oleaut32::allocString(L"Pretextor.NewExcuse"));
    return display && activity &&
           SUCCEEDED(uia->UiaRaiseNotificationEvent(provider.get(), actionCompleted, mostRecent,
                                                    display.get(), activity.get()));
}

} // namespace platform::win32
