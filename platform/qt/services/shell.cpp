#include "platform/qt/services/services.h"

#include "platform/qt/conversions/convert.h"

#include <QDir>
#include <QProcess>

namespace platform::qt {

void DesktopShell::execute(const ShellExecuteRequest& request) {
    // "C:\" has no meaning here; handlers start where a desktop starts them, in the home folder.
    // A missing handler is not reported, as with the Windows shell. The system's own opener, not
    // whatever the user's PATH finds first under its name.
    QProcess::startDetached(QStringLiteral("/usr/bin/xdg-open"), {toQString(request.file)},
                            QDir::homePath());
}

} // namespace platform::qt
