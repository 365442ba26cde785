#include "platform/qt/window/native_destroy_watch.h"

#include <QByteArray>

#include <xcb/xproto.h>

#include <cstdint>

namespace platform::qt {

namespace {

// The high bit marks events another client sent; the rest is the event's type, 0 for an error.
constexpr std::uint8_t typeMask = 0x7F;
constexpr std::uint8_t errorType = 0;

} // namespace

NativeDestroyWatch::NativeDestroyWatch(Destroyed destroyed) : destroyed_(std::move(destroyed)) {}

bool NativeDestroyWatch::nativeEventFilter(const QByteArray& eventType, void* message,
                                           qintptr* /*result*/) {
    if (eventType != QByteArrayView("xcb_generic_event_t") || message == nullptr) {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & typeMask) {
    case errorType: {
        const auto* error = static_cast<const xcb_generic_error_t*>(message);
        return (error->error_code == XCB_WINDOW || error->error_code == XCB_DRAWABLE) &&
               gone_.contains(error->resource_id);
    }
    case XCB_DESTROY_NOTIFY: {
        const auto* destroy = static_cast<const xcb_destroy_notify_event_t*>(message);
        // Qt may learn of it too; it only drops its own bookkeeping.
        if (destroyed_(destroy->window)) {
            gone_.insert(destroy->window);
        }
        return false;
    }
    default:
        return false;
    }
}

} // namespace platform::qt
