#pragma once

class QWidget;

namespace platform::qt {

// Makes the drawn controls known to screen readers: a shape that shows progress becomes a
// progress indicator with a value; other shapes and lines are decoration and stay silent.
void installAccessibility();

// Tells a screen reader that a progress shape's value changed.
void notifyProgressChanged(QWidget* shape);

} // namespace platform::qt
