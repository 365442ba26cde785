#pragma once

#include "platform/forms/design.h"
#include "platform/win32/system/windows_headers.h"

#include <string>
#include <string_view>

// The changes a screen reader must hear of.
namespace platform::win32 {

class Surface;

// The control's text was written: a screen reader reads it anew, once per write.
void announceNameChange(HWND control);

// A shape that shows progress was shown (EVENT_OBJECT_SHOW), hidden (EVENT_OBJECT_HIDE) or moved
// on (EVENT_OBJECT_VALUECHANGE). Other shapes are decoration and say nothing.
void announceProgress(const Surface& surface, const ControlDesign& shape, DWORD event);

// A text for screen readers that know no UI Automation notification: it becomes the description
// of the object that has the keyboard focus in the window, and they speak that change. One object
// carries it at a time, until the next text.
class SpokenDescription {
public:
    // Describes the focused object of the window (the window itself when the focus is elsewhere)
    // with the text, and tells of it once.
    void announce(HWND window, std::wstring text);
    // Carried by no object any more.
    void clear();
    // The text, when the object is the one that carries it.
    [[nodiscard]] const std::wstring* of(HWND window, LONG child) const;

private:
    HWND window_ = nullptr;
    LONG child_ = CHILDID_SELF;
    std::wstring text_;
};

} // namespace platform::win32
