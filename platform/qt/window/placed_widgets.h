#pragma once

#include "platform/forms/design.h"

#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace platform::qt {

// The widgets a window placed from its design, each beside the control it stands for.
class PlacedWidgets {
public:
    using Entry = std::pair<const ControlDesign*, QPointer<QWidget>>;

    void add(const ControlDesign& control, QWidget* widget) {
        entries_.emplace_back(&control, widget);
    }

    // The widget of the control of that name; null for none, or one already gone.
    [[nodiscard]] QWidget* find(std::string_view name) const {
        const auto found =
            std::ranges::find(entries_, name, [](const Entry& entry) { return entry.first->name; });
        return found != entries_.end() ? found->second.data() : nullptr;
    }

    [[nodiscard]] const std::vector<Entry>& all() const { return entries_; }

private:
    std::vector<Entry> entries_;
};

} // namespace platform::qt
