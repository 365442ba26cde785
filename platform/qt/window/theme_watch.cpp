#include "platform/qt/window/theme_watch.h"

#include "platform/forms/colour_rule.h"
#include "platform/qt/conversions/convert.h"
#include "platform/qt/window/widgets.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPalette>
#include <QStyleHints>
#if QT_VERSION >= QT_VERSION_CHECK(6, 10, 0)
#include <QAccessibilityHints>
#endif

#include <utility>

namespace platform::qt {

namespace {

// The roles of the colour rule from the palette, and whether the desktop asks for high contrast.
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

// Text in fore on back; the application's palette itself where that is what it has, so that
// the default theme sets no palette of its own on any widget.
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

} // namespace

ThemeWatch::ThemeWatch(QWidget* form, const WindowDesign& design, PlacedWidgets placed)
    : QObject(form), form_(form), design_(design), placed_(std::move(placed)) {
    form->installEventFilter(this);
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, this,
            &ThemeWatch::schedule);
#endif
#if QT_VERSION >= QT_VERSION_CHECK(6, 10, 0)
    connect(QGuiApplication::styleHints()->accessibility(),
            &QAccessibilityHints::contrastPreferenceChanged, this, &ThemeWatch::schedule);
#endif
    apply();
}

bool ThemeWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ApplicationPaletteChange ||
        event->type() == QEvent::PaletteChange) {
        schedule();
    }
    return QObject::eventFilter(watched, event);
}

void ThemeWatch::schedule() {
    if (!pending_) {
        pending_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                pending_ = false;
                apply();
            },
            Qt::QueuedConnection);
    }
}

void ThemeWatch::apply() {
    const QPalette application = QGuiApplication::palette();
    const ThemeColours theme = themeOf(application);
    const Ground ground = groundOf(theme);
    setColours(*form_, ground.text, ground.face, application);
    for (const auto& [control, widget] : placed_) {
        if (widget == nullptr) {
            continue;
        }
        const DrawnColours colours = coloursOf(design_, *control, theme);
        if (control->kind == ControlKind::Label) {
            setColours(*widget, colours.fore, colours.back, application);
        } else if (auto* line = dynamic_cast<LineWidget*>(widget.data())) {
            line->setColour(toQColor(colours.fore));
        } else if (auto* shape = dynamic_cast<ShapeWidget*>(widget.data())) {
            shape->setColours(toQColor(colours.fore), toQColor(colours.back),
                              toQColor(colours.fill));
        }
    }
}

} // namespace platform::qt
