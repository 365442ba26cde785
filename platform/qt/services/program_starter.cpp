#include "platform/qt/services/services.h"

#include "platform/qt/conversions/convert.h"
#include "platform/runtime/errors.h"

#include <QDir>
#include <QProcess>

namespace platform::qt {

void DetachedProgramStarter::start(const std::string& path) {
    // The program itself, without a shell and without splitting the path into arguments.
    if (path.empty() || !QProcess::startDetached(toQString(path), {}, QDir::homePath())) {
        throw RuntimeError(ErrorNumber::FileNotFound, "File not found: " + path);
    }
}

} // namespace platform::qt
