#pragma once

#include <QAbstractNativeEventFilter>
#include <QtGui/qwindowdefs.h>

#include <functional>
#include <set>

namespace platform::qt {

// Notices when another X11 client destroys one of the program's windows (a tool's
// "windowclose", which sends no close request): Qt itself does not. The errors that Qt's later
// requests on such a window cause are expected, and are kept quiet.
class NativeDestroyWatch final : public QAbstractNativeEventFilter {
public:
    // Called with the id of each destroyed window; true when it was one of the program's own.
    using Destroyed = std::function<bool(WId)>;

    explicit NativeDestroyWatch(Destroyed destroyed);
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    Destroyed destroyed_;
    std::set<WId> gone_;
};

} // namespace platform::qt
