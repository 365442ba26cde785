#include "platform/qt/window/system_colours.h"

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

namespace platform::qt {

namespace {

Colour fromQColor(const QColor& colour) {
    return static_cast<Colour>(colour.red()) | (static_cast<Colour>(colour.green()) << 8U) |
           (static_cast<Colour>(colour.blue()) << 16U);
}

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

ThemeWatch::ThemeWatch(QWidget* form, const WindowDesign& design)
    : QObject(form), form_(form), design_(design) {
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
    for (const auto& control : design_.controls) {
        auto* widget = form_->findChild<QWidget*>(toQString(control.name));
        if (widget == nullptr) {
            continue;
        }
        const DrawnColours colours = coloursOf(design_, control, theme);
        if (control.kind == ControlKind::Label) {
            setColours(*widget, colours.fore, colours.back, application);
        } else if (auto* line = dynamic_cast<LineWidget*>(widget)) {
            line->setColour(toQColor(colours.fore));
        } else if (auto* shape = dynamic_cast<ShapeWidget*>(widget)) {
            shape->setColours(toQColor(colours.fore), toQColor(colours.back),
                              toQColor(colours.fill));
        }
    }
}

} // namespace platform::qt
