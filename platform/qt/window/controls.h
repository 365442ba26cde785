#pragma once

#include "platform/forms/controls.h"
#include "platform/qt/conversions/convert.h"
#include "platform/qt/fatal.h"
#include "platform/qt/window/widgets.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace platform::qt {

class ShapeWidget;

// Hiding the focused control hands the focus on along the tab order; this gives it back when the
// control is shown again, provided the focus is still where the hiding put it.
class FocusReturn {
public:
    void hide(QWidget& widget);
    void show(QWidget& widget);

private:
    QPointer<QWidget> heir_;
};

// Whether the user can reach the widget: it is enabled, and no modal box blocks its window.
[[nodiscard]] bool reachable(const QWidget& widget);
// Whether the user could click the widget now, as a control's canBeClicked says: shown and
// reachable. A screen reader's action on it is offered only then.
[[nodiscard]] bool clickableNow(const QWidget& widget);

// What every Qt-backed control shares: the visible flag of its widget and its click handler.
template <typename Interface, typename Widget> class QtControl : public Interface {
public:
    explicit QtControl(Widget* widget) : widget_(widget) {}
    // A control whose widget tells of clicks by that signal, as long as the connections live.
    template <typename Signal>
    QtControl(Widget* widget, QObject& connections, Signal clickedSignal) : widget_(widget) {
        QObject::connect(widget, clickedSignal, &connections, [this] { clicked(); });
    }

    [[nodiscard]] bool visible() const override { return !widget_->isHidden(); }
    void setVisible(bool visible) override {
        if (visible) {
            focus_.show(*widget_);
        } else {
            focus_.hide(*widget_);
        }
    }
    // Disabled, or in a window behind an application-modal box.
    [[nodiscard]] bool takesInput() const override { return reachable(*widget_); }
    void onClick(Handler handler) override { click_.set(std::move(handler)); }
    [[nodiscard]] Widget* widget() const { return widget_; }

protected:
    void clicked() const { invokeGuarded(click_.forClickOn(*this)); }

private:
    QPointer<Widget> widget_;
    ClickHandler click_;
    FocusReturn focus_;
};

// A control whose caption is its widget's text.
template <typename Interface, typename Widget>
class QtCaptioned : public QtControl<Interface, Widget> {
public:
    using QtControl<Interface, Widget>::QtControl;
    [[nodiscard]] std::string caption() const override {
        return toStdString(this->widget()->text());
    }
    void setCaption(const std::string& caption) override {
        this->widget()->setText(toQString(caption));
    }
};

class QtCommandButton final : public QtCaptioned<CommandButton, QPushButton> {
public:
    QtCommandButton(QPushButton* button, QObject& connections)
        : QtCaptioned(button, connections, &QPushButton::clicked) {}
};

class QtCheckBox final : public QtControl<CheckBox, QCheckBox> {
public:
    QtCheckBox(QCheckBox* box, QObject& connections)
        : QtControl(box, connections, &QCheckBox::clicked) {}
    [[nodiscard]] std::int16_t value() const override;
    void setValue(std::int16_t value) override;
};

class QtLabel final : public QtCaptioned<Label, LabelWidget> {
public:
    QtLabel(LabelWidget* label, QObject& connections)
        : QtCaptioned(label, connections, &LabelWidget::clicked) {}
};

class QtListBox final : public QtControl<ListBox, QListWidget> {
public:
    using QtControl::QtControl;
    void addItem(const std::string& item) override;
    [[nodiscard]] int count() const override;

protected:
    [[nodiscard]] std::string itemText(int index) const override;
};

class QtShape final : public QtControl<Shape, ShapeWidget> {
public:
    QtShape(ShapeWidget* shape, int leftTwips, double dotsPerInch);
    [[nodiscard]] float width() const override;
    void setWidth(float twips) override;

private:
    int left_;
    double dpi_;
};

// Nothing of their own beyond being shown or not.
using QtLine = QtControl<Line, QWidget>;
using QtPictureBox = QtControl<PictureBox, QWidget>;

// A timer is no widget: it ticks as a QTimer of the window.
class QtTimer final : public Timer {
public:
    QtTimer(QObject& owner, int intervalMs);
    [[nodiscard]] bool enabled() const override { return timer_.isActive(); }
    void setEnabled(bool enabled) override;
    void onTick(Handler handler) override { tick_ = std::move(handler); }

private:
    QTimer timer_;
    Handler tick_;
};

} // namespace platform::qt
