#include "handles.h"

#include "last_error.h"

namespace platform::win32 {

RegisteredClass::RegisteredClass(const WNDCLASSEXW& windowClass)
    : name_(windowClass.lpszClassName), instance_(windowClass.hInstance) {
    check(::RegisterClassExW(&windowClass) != 0, "RegisterClassEx");
}

} // namespace platform::win32
