#include "platform/forms/window_base.h"

namespace platform {

void WindowBase::show() {
    if (!loaded_) {
        return;
    }
    const bool first = !shown_;
    shown_ = true;
    present(first);
}

void WindowBase::unload() {
    if (!loaded_) {
        return;
    }
    loaded_ = false;
    if (unloadHandler_) {
        unloadHandler_();
    }
    shown_ = false;
    close();
}

void WindowBase::onCopy(Handler handler) {
    copyHandler_ = std::move(handler);
    offerCopy();
}

void WindowBase::copy() const {
    if (copyHandler_) {
        copyHandler_();
    }
}

} // namespace platform
