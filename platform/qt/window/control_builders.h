#pragma once

#include "platform/forms/controls.h"
#include "platform/forms/design.h"
#include "platform/qt/conversions/convert.h"

#include <QIcon>
#include <QWidget>

#include <functional>
#include <memory>

// One builder per kind of control: the widget it puts on the form, and the control through which
// the window's logic reaches it.
namespace platform::qt {

struct BuildContext {
    QWidget& form;
    const WindowDesign& window;
    const PixelMapper& mapper;
    // Every connection to the window's logic lives as long as this object.
    QObject& connections;
    std::function<const QIcon&(Picture)> picture;
};

struct Built {
    QWidget* widget = nullptr;
    std::unique_ptr<Control> control;
    // Placed, named and given the common look by the window; a line places itself.
    bool placedByWindow = true;
};

// Nothing for a timer, which has no widget.
[[nodiscard]] Built buildControl(const ControlDesign& control, const BuildContext& context);

} // namespace platform::qt
