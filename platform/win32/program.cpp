#include "platform/services/program.h"
#include "platform/runtime/mixing_random.h"
#include "platform/runtime/uncopyable.h"
#include "platform/win32/fatal.h"
#include "platform/win32/services/services.h"
#include "platform/win32/system/last_error.h"
#include "platform/win32/window/form.h"

#include <commctrl.h>
#include <objbase.h>

namespace platform {

namespace {

// The shell's handlers expect a single-threaded apartment on the thread that calls them.
class ComApartment : public Uncopyable {
public:
    ComApartment()
        : initialised_(SUCCEEDED(
              ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComApartment() {
        if (initialised_) {
            ::CoUninitialize();
        }
    }

private:
    bool initialised_;
};

int messageLoop(win32::Win32Toolkit& toolkit) {
    MSG message{};
    while (true) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            return static_cast<int>(message.wParam);
        }
        if (got == -1) {
            throw win32::lastError(ErrorNumber::ControlFailure, "GetMessage");
        }
        if (!toolkit.preTranslate(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        // A loop nested in that message (a menu's, a list box's drag detection) may have taken
        // the quit message that the last window's unload posted.
        if (!toolkit.anyLoaded()) {
            return 0;
        }
    }
}

} // namespace

int runProgram(const Startup& startup) {
    // Before anything loads a DLL: look for DLLs in the system folder alone, never in the
    // program's own folder, where a downloaded program may find files a web page dropped there.
    if (::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32) == FALSE) {
        win32::reportAndExit(
            win32::lastError(ErrorNumber::ControlFailure, "SetDefaultDllDirectories").what());
    }
    const ComApartment apartment;
    // The version 6 controls that the manifest asks for, drawn in the system's visual style.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);

    int status = 0;
    win32::invokeGuarded([&] {
        win32::Win32Toolkit toolkit;
        SystemClock clock;
        MixingRandom random;
        win32::Win32MessageDialog messages;
        win32::Win32Shell shell;
        win32::Win32ProgramStarter programs;
        win32::Win32FileSystem files;
        win32::Win32Registry registry;
        const Services services{toolkit, clock, random, messages, shell, programs, files, registry};
        status = startup(services, [&toolkit] { return messageLoop(toolkit); });
    });
    return status;
}

} // namespace platform
