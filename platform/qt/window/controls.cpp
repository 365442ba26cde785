#include "platform/qt/window/controls.h"

#include "platform/forms/twips.h"
#include "platform/qt/accessibility/accessible_widgets.h"
#include "platform/qt/conversions/convert.h"
#include "platform/qt/window/widgets.h"

#include <QApplication>

namespace platform::qt {

bool reachable(const QWidget& widget) {
    const QWidget* modal = QApplication::activeModalWidget();
    return widget.isEnabled() && (modal == nullptr || modal == widget.window());
}

bool clickableNow(const QWidget& widget) {
    return !widget.isHidden() && reachable(widget);
}

void FocusReturn::hide(QWidget& widget) {
    QWidget* window = widget.window();
    const bool focused = window->focusWidget() == &widget;
    widget.hide();
    heir_ = focused && window->focusWidget() != &widget ? window->focusWidget() : nullptr;
}

void FocusReturn::show(QWidget& widget) {
    widget.show();
    // Where the user has moved the focus since, it stays.
    if (heir_ && widget.window()->focusWidget() == heir_) {
        widget.setFocus(Qt::OtherFocusReason);
    }
    heir_ = nullptr;
}

std::int16_t QtCheckBox::value() const {
    switch (widget()->checkState()) {
    case Qt::Unchecked:
        return unticked;
    case Qt::Checked:
        return ticked;
    case Qt::PartiallyChecked:
        return greyed;
    }
    return unticked;
}

void QtCheckBox::setValue(std::int16_t value) {
    widget()->setTristate(value == greyed);
    widget()->setCheckState(value == ticked   ? Qt::Checked
                            : value == greyed ? Qt::PartiallyChecked
                                              : Qt::Unchecked);
}

void QtListBox::addItem(const std::string& item) {
    widget()->addItem(toQString(item));
}

int QtListBox::count() const {
    return widget()->count();
}

std::string QtListBox::itemText(int index) const {
    return toStdString(widget()->item(index)->text());
}

QtShape::QtShape(ShapeWidget* shape, int leftTwips, double dotsPerInch)
    : QtControl(shape), left_(leftTwips), dpi_(dotsPerInch) {}

float QtShape::width() const {
    return widget()->widthTwips();
}

void QtShape::setWidth(float twips) {
    auto* shape = widget();
    shape->setWidthTwips(twips);
    const PixelMapper mapper(dpi_);
    shape->resize(std::max(0, mapper.widthFrom(left_, static_cast<double>(twips))),
                  shape->height());
    if (shape->progressMaximum() > 0) {
        notifyProgressChanged(shape);
    }
}

QtTimer::QtTimer(QObject& owner, int intervalMs) {
    // A coarse timer may stretch 4 ms by up to 5 %; the slow draw's pace is part of the design.
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(intervalMs);
    QObject::connect(&timer_, &QTimer::timeout, &owner, [this] { invokeGuarded(tick_); });
}

void QtTimer::setEnabled(bool enabled) {
    if (enabled && !timer_.isActive()) {
        timer_.start();
    } else if (!enabled) {
        timer_.stop();
    }
}

} // namespace platform::qt
