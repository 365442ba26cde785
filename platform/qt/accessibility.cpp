#include "accessibility.h"

#include "button_accessible.h"
#include "qt_controls.h"
#include "widgets.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

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
                label(),
                [label = label()] {
                    if (label->clicked) {
                        label->clicked();
                    }
                },
                Qt::QueuedConnection);
        }
    }

private:
    [[nodiscard]] LabelWidget* label() const { return static_cast<LabelWidget*>(widget()); }
    [[nodiscard]] bool clickable() const { return !label()->isHidden() && reachable(*label()); }
};

QAccessibleInterface* accessibleFor(const QString& /*className*/, QObject* object) {
    auto* shape = dynamic_cast<ShapeWidget*>(object);
    if (shape != nullptr && shape->progressMaximum() > 0) {
        // Qt's accessibility cache owns the interface.
        return new ProgressAccessible(shape);
    }
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

} // namespace platform::qt
