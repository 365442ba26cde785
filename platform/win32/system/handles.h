#pragma once

#include "platform/runtime/uncopyable.h"
#include "windows_headers.h"

#include <unknwn.h>

#include <utility>

// Owners of Win32 handles: each closes its handle the one right way when it goes.
namespace platform::win32 {

template <typename Handle, auto release> class Unique : public Uncopyable {
public:
    Unique() = default;
    explicit Unique(Handle handle) : handle_(handle) {}
    Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    Unique& operator=(Unique&& other) noexcept {
        reset(std::exchange(other.handle_, Handle{}));
        return *this;
    }
    ~Unique() { reset(); }

    [[nodiscard]] Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    // Gives the handle up without closing it: it is gone already, or someone else's now.
    [[nodiscard]] Handle disown() { return std::exchange(handle_, Handle{}); }
    void reset(Handle handle = Handle{}) {
        if (handle_ != Handle{}) {
            release(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_{};
};

inline void closeHandle(HANDLE handle) {
    ::CloseHandle(handle);
}
inline void deleteGdiObject(HGDIOBJ object) {
    ::DeleteObject(object);
}
inline void destroyIcon(HICON icon) {
    ::DestroyIcon(icon);
}
inline void deleteDc(HDC dc) {
    ::DeleteDC(dc);
}
inline void destroyWindow(HWND window) {
    ::DestroyWindow(window);
}

using KernelHandle = Unique<HANDLE, closeHandle>;
using Font = Unique<HFONT, deleteGdiObject>;
using Brush = Unique<HBRUSH, deleteGdiObject>;
using Icon = Unique<HICON, destroyIcon>;
// A device context of our own making, not one borrowed from a window.
using DeviceContext = Unique<HDC, deleteDc>;
using WindowHandle = Unique<HWND, destroyWindow>;

// A COM interface held once: let go when its holder goes.
inline void releaseInterface(IUnknown* object) {
    object->Release();
}
template <typename Interface> using ComPointer = Unique<Interface*, releaseInterface>;

// A window class, registered for as long as this object lives.
class RegisteredClass : public Uncopyable {
public:
    explicit RegisteredClass(const WNDCLASSEXW& windowClass);
    ~RegisteredClass() { ::UnregisterClassW(name_, instance_); }

private:
    const wchar_t* name_;
    HINSTANCE instance_;
};

// A GDI object selected into a device context until the end of the scope.
class Selection : public Uncopyable {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~Selection() { ::SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace platform::win32
