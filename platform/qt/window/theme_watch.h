#pragma once

#include "platform/forms/design.h"
#include "platform/qt/window/placed_widgets.h"

#include <QObject>
#include <QWidget>

// The design's colours under the user's theme, kept in step with it while the program runs.
namespace platform::qt {

// Colours the window's labels, lines and shapes by the colour rule under the application's
// palette now, and again after each change of palette or colour scheme. Owned by the window.
class ThemeWatch final : public QObject {
public:
    ThemeWatch(QWidget* form, const WindowDesign& design, PlacedWidgets placed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Changes come in bursts: one repaint after the last of them.
    void schedule();
    void apply();

    QWidget* form_;
    const WindowDesign& design_;
    PlacedWidgets placed_;
    bool pending_ = false;
};

} // namespace platform::qt
