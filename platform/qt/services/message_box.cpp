#include "platform/qt/services/services.h"

#include "platform/qt/conversions/convert.h"

#include <QMessageBox>

namespace platform::qt {

void QtMessageDialog::show(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, toQString(title), toQString(text), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace platform::qt
