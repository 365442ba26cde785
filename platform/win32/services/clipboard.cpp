#include "clipboard.h"

#include "platform/runtime/uncopyable.h"
#include "platform/win32/system/handles.h"

#include <algorithm>

namespace platform::win32 {

namespace {

void freeGlobal(HGLOBAL memory) {
    ::GlobalFree(memory);
}
using GlobalMemory = Unique<HGLOBAL, freeGlobal>;

// Open until the end of the scope.
class OpenClipboard : public Uncopyable {
public:
    explicit OpenClipboard(HWND owner) {
        // Clipboard viewers and managers open it for a moment after every change.
        for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
            open_ = ::OpenClipboard(owner) != FALSE;
            if (!open_) {
                ::Sleep(10);
            }
        }
    }
    ~OpenClipboard() {
        if (open_) {
            ::CloseClipboard();
        }
    }
    explicit operator bool() const { return open_; }

private:
    bool open_ = false;
};

} // namespace

void putOnClipboard(HWND owner, std::wstring_view text) {
    GlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t)));
    if (!memory) {
        return;
    }
    auto* copy = static_cast<wchar_t*>(::GlobalLock(memory.get()));
    if (copy == nullptr) {
        return;
    }
    std::ranges::copy(text, copy);
    copy[text.size()] = L'\0';
    ::GlobalUnlock(memory.get());

    const OpenClipboard clipboard(owner);
    if (clipboard && ::EmptyClipboard() != FALSE &&
        ::SetClipboardData(CF_UNICODETEXT, memory.get()) != nullptr) {
        // The clipboard owns it now.
        static_cast<void>(memory.disown());
    }
}

} // namespace platform::win32
