#pragma once

#include "platform/forms/design.h"

#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <string_view>
#include <vector>

namespace platform::qt {

// A widget the window placed from its design, beside the control it stands for.
struct PlacedWidget {
    const ControlDesign* control;
    QPointer<QWidget> widget;
};
using PlacedWidgets = std::vector<PlacedWidget>;

// The widget of the control of that name; null for none, or one already gone.
[[nodiscard]] inline QWidget* findPlaced(const PlacedWidgets& placed, std::string_view name) {
    const auto found = std::ranges::find(
        placed, name, [](const PlacedWidget& entry) { return entry.control->name; });
    return found != placed.end() ? found->widget.data() : nullptr;
}

} // namespace platform::qt
