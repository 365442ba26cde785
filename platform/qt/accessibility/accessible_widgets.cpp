#include "platform/qt/accessibility/accessible_widgets.h"

#include "platform/qt/accessibility/accessible_buttons.h"
#include "platform/qt/window/controls.h"
#include "platform/qt/window/widgets.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QtGlobal>

#include <algorithm>

namespace platform::qt {

namespace {

class ProgressAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ProgressAccessible(ShapeWidget* shape)
        : QAccessibleWidget(shape, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override {
        return std::min(static_cast<double>(shape().widthTwips()), shape().progressMaximum());
    }
    void setCurrentValue(const QVariant& /*value*/) override {}
    QVariant maximumValue() const override { return shape().progressMaximum(); }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 1.0; }

private:
    [[nodiscard]] const ShapeWidget& shape() const {
        return *static_cast<const ShapeWidget*>(widget());
    }
};

// Named by its current text, as every label; its press action is a click, delivered from the
// event loop as a click would be.
class LinkAccessible final : public QAccessibleWidget {
public:
    explicit LinkAccessible(LabelWidget* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text type) const override {
        return type == QAccessible::Name ? label()->text() : QAccessibleWidget::text(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }
    // Only a link the user could click offers its action.
    QStringList actionNames() const override {
        return clickable() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && clickable()) {
            QMetaObject::invokeMethod(
                label(), [label = label()] { emit label->clicked(); }, Qt::QueuedConnection);
        }
    }

private:
    [[nodiscard]] LabelWidget* label() const { return static_cast<LabelWidget*>(widget()); }
    [[nodiscard]] bool clickable() const { return clickableNow(*label()); }
};

// A frame or dialog, named by its title. Qt names a minimized window by its icon text, which is
// empty: a screen reader's list of windows would show a nameless one.
class FormAccessible final : public QAccessibleWidget {
public:
    explicit FormAccessible(FormWidget* form)
        : QAccessibleWidget(form, form->windowType() == Qt::Dialog ? QAccessible::Dialog
                                                                   : QAccessible::Window) {}

    QString text(QAccessible::Text type) const override {
        return type == QAccessible::Name ? widget()->windowTitle() : QAccessibleWidget::text(type);
    }
};

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// A notification inside a status bar, both in the window's corner without a size: nothing to
// see or click, never focused. Screen readers speak a notification as it shows, and one in a
// status bar by its text alone, without saying "notification" first.
class StatusArea final : public QWidget {
public:
    explicit StatusArea(QWidget* window) : QWidget(window) {
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
    }
};

class NotificationWidget final : public QWidget {
public:
    explicit NotificationWidget(QWidget* window) : QWidget(new StatusArea(window)) {
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 0, 0);
        hide();
    }
    QString message;
};

class NotificationAccessible final : public QAccessibleWidget {
public:
    explicit NotificationAccessible(NotificationWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Notification) {}

    QString text(QAccessible::Text type) const override {
        return type == QAccessible::Name ? static_cast<NotificationWidget*>(widget())->message
                                         : QAccessibleWidget::text(type);
    }
};
#endif

QAccessibleInterface* accessibleFor(const QString& /*className*/, QObject* object) {
    // Qt's accessibility cache owns the interfaces.
    if (auto* shape = dynamic_cast<ShapeWidget*>(object);
        shape != nullptr && shape->progressMaximum() > 0) {
        return new ProgressAccessible(shape);
    }
    // A plain widget would be a filler: screen readers name the window by its frame or dialog.
    if (auto* form = dynamic_cast<FormWidget*>(object)) {
        return new FormAccessible(form);
    }
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (auto* notification = dynamic_cast<NotificationWidget*>(object)) {
        return new NotificationAccessible(notification);
    }
    if (auto* area = dynamic_cast<StatusArea*>(object)) {
        return new QAccessibleWidget(area, QAccessible::StatusBar);
    }
#endif
    return nullptr;
}

} // namespace

void installAccessibility() {
    QAccessible::installFactory(accessibleFor);
    installButtonAccessibility();
}

void makeLink(LabelWidget* label) {
    // The cache owns the interface and drops it with the label.
    QAccessible::registerAccessibleInterface(new LinkAccessible(label));
}

void notifyProgressChanged(QWidget* shape) {
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(shape, static_cast<ShapeWidget*>(shape)->widthTwips());
        QAccessible::updateAccessibility(&event);
    }
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)

Announcer::Announcer(QWidget* window) : target_(new NotificationWidget(window)) {}

void Announcer::announce(const QString& text) {
    auto* notification = static_cast<NotificationWidget*>(target_.data());
    if (notification == nullptr) {
        return;
    }
    // Screen readers speak a notification as it becomes visible, so each message shows anew.
    notification->hide();
    notification->message = text;
    notification->show();
}

#else

Announcer::Announcer(QWidget* window) : target_(window) {}

void Announcer::announce(const QString& text) {
    if (target_ && QAccessible::isActive()) {
        QAccessibleAnnouncementEvent event(target_, text);
        QAccessible::updateAccessibility(&event);
    }
}

#endif

} // namespace platform::qt
