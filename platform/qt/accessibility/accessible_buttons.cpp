#include "platform/qt/accessibility/accessible_buttons.h"

#include "platform/qt/window/controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeySequence>

namespace platform::qt {

namespace {

// The caption as read aloud: "&&" is a literal ampersand, a single one marks the mnemonic.
QString withoutMnemonic(const QString& text) {
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
        }
        plain.append(text[i]);
    }
    return plain;
}

class ButtonAccessible final : public QAccessibleWidget {
public:
    explicit ButtonAccessible(QAbstractButton* button)
        : QAccessibleWidget(button, qobject_cast<QCheckBox*>(button) != nullptr
                                        ? QAccessible::CheckBox
                                        : QAccessible::Button) {}

    QString text(QAccessible::Text type) const override {
        QString spoken;
        if (type == QAccessible::Name) {
            spoken = button()->accessibleName();
            if (spoken.isEmpty()) {
                spoken = withoutMnemonic(button()->text());
            }
        } else if (type == QAccessible::Accelerator) {
            const auto* push = qobject_cast<const QPushButton*>(button());
            spoken =
                push != nullptr && push->isDefault()
                    ? QKeySequence(Qt::Key_Enter).toString(QKeySequence::NativeText)
                    : QKeySequence::mnemonic(button()->text()).toString(QKeySequence::NativeText);
        }
        return spoken.isEmpty() ? QAccessibleWidget::text(type) : spoken;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        const QAbstractButton* b = button();
        state.checkable = b->isCheckable();
        state.checked = b->isChecked();
        const auto* box = qobject_cast<const QCheckBox*>(b);
        state.checkStateMixed = box != nullptr && box->checkState() == Qt::PartiallyChecked;
        state.pressed = b->isDown();
        const auto* push = qobject_cast<const QPushButton*>(b);
        state.defaultButton = push != nullptr && push->isDefault();
        return state;
    }

    QStringList actionNames() const override {
        if (!pressable()) {
            return {};
        }
        return QStringList{primaryAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (!pressable()) {
            return;
        }
        if (action == pressAction()) {
            // Pressed, and released from the event loop, as the mouse would.
            button()->animateClick();
        } else if (action == toggleAction()) {
            button()->click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    [[nodiscard]] QAbstractButton* button() const {
        return static_cast<QAbstractButton*>(widget());
    }
    [[nodiscard]] QString primaryAction() const {
        return button()->isCheckable() ? toggleAction() : pressAction();
    }
    [[nodiscard]] bool pressable() const { return clickableNow(*button()); }
};

QAccessibleInterface* buttonAccessibleFor(const QString& /*className*/, QObject* object) {
    // Qt's accessibility cache owns the interface.
    if (auto* push = qobject_cast<QPushButton*>(object)) {
        return new ButtonAccessible(push);
    }
    if (auto* box = qobject_cast<QCheckBox*>(object)) {
        return new ButtonAccessible(box);
    }
    return nullptr;
}

} // namespace

void installButtonAccessibility() {
    QAccessible::installFactory(buttonAccessibleFor);
}

} // namespace platform::qt
