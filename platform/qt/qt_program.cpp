#include "platform/program.h"

#include "accessibility.h"
#include "desktop_services.h"
#include "fatal.h"
#include "fonts.h"
#include "platform/app_info.h"
#include "platform/mixing_random.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/sysinfo_registry.h"
#include "qt_window.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace platform {

namespace {

// Until the application stands, Qt's own chatter is held back; if it cannot open a display it
// says so in one line and the program leaves with status 1 instead of aborting.
void quietStartHandler(QtMsgType type, const QMessageLogContext& /*context*/,
                       const QString& /*message*/) {
    if (type == QtFatalMsg) {
        const char* display = std::getenv("DISPLAY");
        std::fprintf(stderr, "pretextor: cannot open a display (DISPLAY=%s)\n",
                     display != nullptr ? display : "");
        std::fflush(stderr);
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
    QApplication::setDesktopFileName(
        QString::fromUtf8(app::id.data(), static_cast<qsizetype>(app::id.size())));
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
