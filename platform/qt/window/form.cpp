#include "platform/qt/window/form.h"

#include "platform/qt/accessibility/accessible_widgets.h"
#include "platform/qt/conversions/convert.h"
#include "platform/qt/fatal.h"
#include "platform/qt/window/control_builders.h"
#include "platform/qt/window/controls.h"
#include "platform/qt/window/fonts.h"
#include "platform/qt/window/theme_watch.h"
#include "platform/qt/window/widgets.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

// The pictures are compiled into this static library; nothing else would pull them in.
static void initPictures() {
    Q_INIT_RESOURCE(pretextor);
}

namespace platform::qt {

namespace {

// Decoded as PNG by name: given no format, Qt would load and ask every image plugin first,
// which costs start-up time. The program icons above 32 pixels are renderings of its SVG.
QIcon pictureIcon(Picture picture) {
    QIcon icon;
    const auto add = [&icon](const char* name, int size) {
        QFile file(
            QStringLiteral(":/pretextor/icons/%1x%1/%2.png").arg(size).arg(QLatin1String(name)));
        if (file.open(QIODevice::ReadOnly)) {
            icon.addPixmap(QPixmap::fromImage(QImage::fromData(file.readAll(), "PNG")));
        }
    };
    switch (picture) {
    case Picture::ProgramIcon:
        // Window managers take larger icons from the desktop entry's icon theme.
        for (const int size : {16, 32, 48, 64}) {
            add("pretextor", size);
        }
        break;
    case Picture::AboutPicture:
        for (const int size : {16, 32}) {
            add("about", size);
        }
        break;
    case Picture::None:
        break;
    }
    return icon;
}

Qt::WindowFlags windowFlags(Frame frame) {
    // System menu and close box; no minimize or maximize box on either kind of frame.
    const Qt::WindowFlags hints = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return (frame == Frame::FixedDialog ? Qt::Dialog : Qt::Window) | hints;
}

double screenDotsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
}

} // namespace

QtWindow::QtWindow(QtToolkit& toolkit, const WindowDesign& design)
    : toolkit_(toolkit), design_(design) {
    ++toolkit_.loaded_;
    toolkit_.windows_.push_back(this);
    build();
}

QtWindow::~QtWindow() {
    connections_.reset();
    std::erase(toolkit_.windows_, this);
    if (form_) {
        form_->hide();
        // The window may be going away inside one of its own events.
        form_->deleteLater();
    }
}

QWidget* QtWindow::widget() const {
    return form_;
}

WId QtWindow::nativeId() const {
    return form_ ? form_->internalWinId() : WId{0};
}

void QtWindow::build() {
    buildFrame();
    buildControls();
    setTabOrder();
    watchTheme();
    wire();
}

void QtWindow::buildFrame() {
    form_ = new FormWidget(design_, windowFlags(design_.frame));
    dotsPerInch_ = screenDotsPerInch();
    const PixelMapper mapper(dotsPerInch_);
    FormWidget& form = *form_;
    // Windows-style forms: the button face behind everything, text in the button-text colour.
    // Chosen by role, not by a palette of the window's own: Qt's pixmap cache keys the drawn
    // buttons by palette, so a new palette at each load would add entries at each load.
    form.setBackgroundRole(QPalette::Button);
    form.setAutoFillBackground(true);
    form.setFont(toQFont(design_.font));
    form.setWindowTitle(toQString(design_.caption));
    form.setWindowIcon(toolkit_.picture(design_.icon));
    const QSize client(mapper.pixels(design_.clientWidth), mapper.pixels(design_.clientHeight));
    if (design_.position) {
        form.setGeometry(
            QRect(QPoint(mapper.pixels(design_.position->x), mapper.pixels(design_.position->y)),
                  client));
    }
    form.setFixedSize(client);
}

void QtWindow::buildControls() {
    const PixelMapper mapper(dotsPerInch_);
    const BuildContext context{
        *form_, design_, mapper, *connections_,
        [this](Picture picture) -> const QIcon& { return toolkit_.picture(picture); }};
    for (const ControlDesign* design : stackingBackToFront(design_)) {
        const ControlDesign& control = *design;
        Built built = buildControl(control, context);
        if (!built.control) {
            continue;
        }
        QWidget* widget = built.widget;
        controls().add(control.name, std::move(built.control));
        if (!built.placedByWindow) {
            continue;
        }
        widget->setObjectName(toQString(control.name));
        widget->setGeometry(mapper.rect(control.rect));
        widget->setFocusPolicy(takesFocus(control.kind) ? Qt::StrongFocus : Qt::NoFocus);
        if (!control.accessibleName.empty()) {
            widget->setAccessibleName(toQString(control.accessibleName));
        }
        widget->setVisible(control.visible);
        // Created back to front: each new control goes on top of those before it.
        widget->raise();
        placed_.push_back({&control, widget});
    }
    setFittingFonts(design_, placed_, dotsPerInch_);
    for (const auto& control : design_.controls) {
        if (control.kind == ControlKind::Timer) {
            controls().add(control.name,
                           std::make_unique<QtTimer>(*connections_, control.intervalMs));
        }
    }
}

void QtWindow::setTabOrder() {
    const auto order = tabOrder(design_);
    QWidget* previous = nullptr;
    for (const ControlDesign* control : order) {
        QWidget* current = findPlaced(placed_, control->name);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, current);
        }
        previous = current;
    }
    if (!order.empty()) {
        findPlaced(placed_, order.front()->name)->setFocus();
    }
}

void QtWindow::watchTheme() {
    // The form owns it: it colours the widgets for as long as they live.
    new ThemeWatch(form_, design_, placed_);
}

void QtWindow::wire() {
    FormWidget& form = *form_;
    // After the controls: a screen reader lists the form's children in the design's order.
    announcer_.emplace(&form);
    QObject::connect(&form, &FormWidget::closeRequested, connections_.get(),
                     [this] { invokeGuarded([this] { unload(); }); });
    QObject::connect(&form, &FormWidget::keyPressed, connections_.get(),
                     [this](Qt::Key key) { invokeGuarded([this, key] { routeKey(key); }); });
    QObject::connect(&form, &FormWidget::menuRequested, connections_.get(),
                     [this](std::optional<QPoint> at) { showCopyMenu(at); });
}

void QtWindow::routeKey(Qt::Key key) {
    const ControlDesign* button = nullptr;
    if (key == Qt::Key_Escape) {
        button = buttonForEscape(design_);
    } else {
        const QWidget* focused = form_->focusWidget();
        button =
            buttonForEnter(design_, focused != nullptr ? focused->objectName().toStdString() : "");
    }
    if (button != nullptr) {
        auto* widget = qobject_cast<QPushButton*>(findPlaced(placed_, button->name));
        if (widget != nullptr && widget->isVisible() && widget->isEnabled()) {
            widget->click();
        }
    }
}

void QtWindow::present(bool /*first*/) {
    if (!form_) {
        return;
    }
    // Some window managers offer a minimize button the window does not ask for; a window
    // minimized there comes back here.
    form_->setWindowState(form_->windowState() & ~Qt::WindowMinimized);
    form_->show();
    form_->raise();
    form_->activateWindow();
}

void QtWindow::close() {
    // As a destroyed window on Windows: what is still queued for the widgets reaches no handler.
    // This may run inside one of those connections; Qt lets a slot end its own context.
    connections_.reset();
    if (form_) {
        form_->hide();
    }
    toolkit_.windowUnloaded();
}

std::string QtWindow::caption() const {
    return toStdString(form_->windowTitle());
}

void QtWindow::setCaption(const std::string& caption) {
    form_->setWindowTitle(toQString(caption));
}

void QtWindow::announce(const std::string& text) {
    if (announcer_) {
        announcer_->announce(toQString(text));
    }
}

QtToolkit::QtToolkit() : destroyWatch_([this](WId id) { return nativeWindowDestroyed(id); }) {
    QCoreApplication::instance()->installNativeEventFilter(&destroyWatch_);
    initPictures();
    for (const Picture picture : {Picture::None, Picture::ProgramIcon, Picture::AboutPicture}) {
        pictures_.emplace(picture, pictureIcon(picture));
    }
}

QtToolkit::~QtToolkit() {
    QCoreApplication::instance()->removeNativeEventFilter(&destroyWatch_);
}

void QtToolkit::windowUnloaded() {
    if (--loaded_ == 0) {
        QCoreApplication::exit(0);
    }
}

bool QtToolkit::nativeWindowDestroyed(WId id) {
    const auto it = std::ranges::find(windows_, id, &QtWindow::nativeId);
    if (id == 0 || it == windows_.end()) {
        return false;
    }
    QtWindow* window = *it;
    invokeGuarded([window] { window->unload(); });
    return true;
}

} // namespace platform::qt
