#include "platform/services/program.h"

#include "platform/app_info.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/sysinfo_registry.h"
#include "platform/qt/accessibility/accessible_widgets.h"
#include "platform/qt/conversions/convert.h"
#include "platform/qt/fatal.h"
#include "platform/qt/services/services.h"
#include "platform/qt/window/fonts.h"
#include "platform/qt/window/form.h"
#include "platform/runtime/errors.h"
#include "platform/runtime/mixing_random.h"

#include <QApplication>
#include <QStringList>

#include <algorithm>
#include <string>
#include <unistd.h>

namespace platform {

namespace {

// Says what Qt could not start: the platform plugin that QT_QPA_PLATFORM names when none of
// the named ones is installed, else the display (or a plugin that needs none).
std::string startFailure(const QString& fatalMessage) {
    const QString requested = qEnvironmentVariable("QT_QPA_PLATFORM");
    QStringList names;
    for (const QString& entry : requested.split(u';', Qt::SkipEmptyParts)) {
        // An entry may carry the plugin's own options: "name:option=value".
        names << entry.section(u':', 0, 0).trimmed();
    }
    const QLatin1StringView listLead("Available platform plugins are:");
    const qsizetype listAt = fatalMessage.indexOf(listLead);
    QStringList installed;
    if (listAt >= 0) {
        QString list = fatalMessage.mid(listAt + listLead.size()).section(u'\n', 0, 0).trimmed();
        if (list.endsWith(u'.')) {
            list.chop(1);
        }
        for (const QString& name : list.split(u',', Qt::SkipEmptyParts)) {
            installed << name.trimmed();
        }
    }
    const auto isInstalled = [&installed](const QString& name) { return installed.contains(name); };
    if (!names.isEmpty() && !installed.isEmpty() && std::ranges::none_of(names, isInstalled)) {
        return QStringLiteral("no Qt platform plugin \"%1\" (QT_QPA_PLATFORM=%2); installed: %3")
            .arg(names.join(QStringLiteral("\", \"")), requested, installed.join(u", "))
            .toStdString();
    }
    const bool display = names.isEmpty() || std::ranges::any_of(names, [&](const QString& name) {
                             return name == u"xcb" && (installed.isEmpty() || isInstalled(name));
                         });
    if (!display) {
        return QStringLiteral("the Qt platform plugin \"%1\" could not start (QT_QPA_PLATFORM=%2)")
            .arg(names.join(QStringLiteral("\", \"")), requested)
            .toStdString();
    }
    return "cannot open a display (DISPLAY=" + qEnvironmentVariable("DISPLAY").toStdString() + ")";
}

// Until the application stands, Qt's own chatter is held back; if it cannot start it says what
// failed in one line and the program leaves with status 1 instead of aborting.
void quietStartHandler(QtMsgType type, const QMessageLogContext& /*context*/,
                       const QString& message) {
    if (type == QtFatalMsg) {
        writeReportLine(startFailure(message));
        ::_exit(1);
    }
}

} // namespace

// The Qt backend's start: Linux desktops.
int runProgram(const Startup& startup) {
    using namespace qt;
    // The program takes no command line: Qt sees only the program's name.
    int argc = 1;
    char name[] = "pretextor";
    char* argv[] = {name, nullptr};

    qInstallMessageHandler(quietStartHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(nullptr);

    QApplication::setApplicationName(QStringLiteral("pretextor"));
    // The window manager matches the windows to the desktop entry by this name.
    QApplication::setDesktopFileName(toQString(app::id));
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutes();
    installAccessibility();

    QtToolkit toolkit;
    SystemClock clock;
    MixingRandom random;
    QtMessageDialog messages;
    DesktopShell shell;
    DetachedProgramStarter programs;
    posix::PosixFileSystem files;
    posix::SysInfoRegistry registry;
    const Services services{toolkit, clock, random, messages, shell, programs, files, registry};

    int status = 0;
    invokeGuarded([&] { status = startup(services, [] { return QApplication::exec(); }); });
    return status;
}

} // namespace platform
