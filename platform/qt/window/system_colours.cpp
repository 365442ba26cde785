#include "platform/qt/window/system_colours.h"

#include "platform/forms/colour_rule.h"
#include "platform/qt/conversions/convert.h"

#include <QGuiApplication>
#include <QPalette>
#include <QStyleHints>
#if QT_VERSION >= QT_VERSION_CHECK(6, 10, 0)
#include <QAccessibilityHints>
#endif

namespace platform::qt {

ThemeColours themeOf(const QPalette& palette) {
    const auto role = [&palette](QPalette::ColorRole r) { return fromQColor(palette.color(r)); };
    ThemeColours theme{.face = role(QPalette::Button),
                       .text = role(QPalette::ButtonText),
                       .window = role(QPalette::Window),
                       .windowText = role(QPalette::WindowText),
                       .link = role(QPalette::Link),
                       .highlight = role(QPalette::Highlight),
                       .lineDark = role(QPalette::Mid),
                       .lineLight = role(QPalette::Light)};
#if QT_VERSION >= QT_VERSION_CHECK(6, 10, 0)
    theme.highContrast = QGuiApplication::styleHints()->accessibility()->contrastPreference() ==
                         Qt::ContrastPreference::HighContrast;
#endif
    return theme;
}

void setColours(QWidget& widget, Colour fore, Colour back, const QPalette& application) {
    const QColor text = toQColor(fore);
    const QColor face = toQColor(back);
    if (text == application.color(QPalette::ButtonText) &&
        face == application.color(QPalette::Button)) {
        if (widget.testAttribute(Qt::WA_SetPalette)) {
            widget.setPalette(QPalette());
        }
        return;
    }
    QPalette palette = widget.palette();
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText}) {
        palette.setColor(role, text);
    }
    for (const auto role : {QPalette::Window, QPalette::Button}) {
        palette.setColor(role, face);
    }
    if (palette != widget.palette() || !widget.testAttribute(Qt::WA_SetPalette)) {
        widget.setPalette(palette);
    }
}

} // namespace platform::qt
