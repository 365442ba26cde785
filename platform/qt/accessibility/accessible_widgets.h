#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

namespace platform::qt {

class LabelWidget;

// Makes the drawn controls known to screen readers: a shape that shows progress becomes a
// progress indicator with a value; other shapes and lines are decoration and stay silent.
void installAccessibility();

// Makes the label a link to screen readers, named by its current text, whose press action is a
// click. Qt's own factory answers for labels first, so the link is registered as it is made.
void makeLink(LabelWidget* label);

// Tells a screen reader that a progress shape's value changed.
void notifyProgressChanged(QWidget* shape);

// Has screen readers speak a text once without moving the focus: through an announcement where
// Qt has them; before that, through a notification that appears, which screen readers present
// as it shows.
class Announcer {
public:
    explicit Announcer(QWidget* window);
    void announce(const QString& text);

private:
    QPointer<QWidget> target_;
};

} // namespace platform::qt
