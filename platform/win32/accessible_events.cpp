#include "accessible_events.h"

#include "accessible_roles.h"
#include "win32_controls.h"

namespace platform::win32 {

void announceNameChange(HWND control) {
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

void announceProgress(const Surface& surface, const ControlDesign& shape, DWORD event) {
    if (isProgress(shape)) {
        ::NotifyWinEvent(event, surface.handle(), OBJID_CLIENT,
                         progressId(surface.design(), shape));
    }
}

} // namespace platform::win32
