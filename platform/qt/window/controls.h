#pragma once

#include "platform/forms/controls.h"
#include "platform/qt/fatal.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace platform::qt {

class LabelWidget;
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

class QtCommandButton final : public QtControl<CommandButton, QPushButton> {
public:
    QtCommandButton(QPushButton* button, QObject& connections);
    [[nodiscard]] std::string caption() const override;
    void setCaption(const std::string& caption) override;
};

class QtCheckBox final : public QtControl<CheckBox, QCheckBox> {
public:
    QtCheckBox(QCheckBox* box, QObject& connections);
    [[nodiscard]] std::int16_t value() const override;
    void setValue(std::int16_t value) override;
};

class QtLabel final : public QtControl<Label, LabelWidget> {
public:
    QtLabel(LabelWidget* label, QObject& connections);
    [[nodiscard]] std::string caption() const override;
    void setCaption(const std::string& caption) override;
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

class QtLine final : public QtControl<Line, QWidget> {
public:
    using QtControl::QtControl;
};

class QtPictureBox final : public QtControl<PictureBox, QWidget> {
public:
    using QtControl::QtControl;
};

// A timer is no widget: it has no visible flag of its own, and a click cannot reach it.
class QtTimer final : public Timer {
public:
    QtTimer(QObject& owner, int intervalMs);
    [[nodiscard]] bool visible() const override { return false; }
    void setVisible(bool /*visible*/) override {}
    void onClick(Handler /*handler*/) override {}
    [[nodiscard]] bool enabled() const override { return timer_.isActive(); }
    void setEnabled(bool enabled) override;
    void onTick(Handler handler) override { tick_ = std::move(handler); }

private:
    QTimer timer_;
    Handler tick_;
};

} // namespace platform::qt
