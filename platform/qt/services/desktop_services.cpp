#include "platform/qt/services/desktop_services.h"

#include "platform/qt/support/convert.h"
#include "platform/runtime/errors.h"

#include <QDir>
#include <QMessageBox>
#include <QProcess>

namespace platform::qt {

void QtMessageDialog::show(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, toQString(title), toQString(text), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void DesktopShell::execute(const ShellExecuteRequest& request) {
    // "C:\" has no meaning here; handlers start where a desktop starts them, in the home folder.
    // A missing handler is not reported, as with the Windows shell. The system's own opener, not
    // whatever the user's PATH finds first under its name.
    QProcess::startDetached(QStringLiteral("/usr/bin/xdg-open"), {toQString(request.file)},
                            QDir::homePath());
}

void DetachedProgramStarter::start(const std::string& path) {
    // The program itself, without a shell and without splitting the path into arguments.
    if (path.empty() || !QProcess::startDetached(toQString(path), {}, QDir::homePath())) {
        throw RuntimeError(ErrorNumber::FileNotFound, "File not found: " + path);
    }
}

} // namespace platform::qt
