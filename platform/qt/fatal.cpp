#include "platform/qt/fatal.h"

#include "platform/app_info.h"
#include "platform/forms/guarded.h"
#include "platform/qt/conversions/convert.h"
#include "platform/runtime/errors.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdlib>

namespace platform::qt {

void reportAndExit(const std::string& message) {
    writeReportLine(message);
    if (QApplication::instance() != nullptr) {
        QMessageBox box(QMessageBox::Critical, toQString(app::title), toQString(message),
                        QMessageBox::Ok);
        box.exec();
    }
    std::exit(1);
}

void invokeGuarded(const Handler& handler) {
    runGuarded(handler, reportAndExit);
}

} // namespace platform::qt
