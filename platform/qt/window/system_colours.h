#pragma once

#include "platform/forms/colour_rule.h"

#include <QPalette>
#include <QWidget>

// The desktop's colours in the colour rule's terms, and a widget's colours set from it.
namespace platform::qt {

// The roles of the colour rule from the palette, and whether the desktop asks for high contrast.
[[nodiscard]] ThemeColours themeOf(const QPalette& palette);

// Text in fore on back; the application's palette itself where that is what it has, so that
// the default theme sets no palette of its own on any widget.
void setColours(QWidget& widget, Colour fore, Colour back, const QPalette& application);

} // namespace platform::qt
