// The window's copy command: its keys, its menu and the clipboard it writes to.
#include "platform/qt/conversions/convert.h"
#include "platform/qt/fatal.h"
#include "platform/qt/window/form.h"
#include "platform/qt/window/widgets.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QShortcut>

namespace platform::qt {

void QtWindow::offerCopy() {
    if (copyAction_ || !form_) {
        return;
    }
    // A shortcut of the window's beats the list views' own Ctrl+C, which would copy one word.
    auto* action = new QAction(toQString(copyCaption), form_);
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Copy);
    const QKeySequence controlInsert(Qt::CTRL | Qt::Key_Insert);
    if (!keys.contains(controlInsert)) {
        keys.append(controlInsert);
    }
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    form_->addAction(action);
    QObject::connect(action, &QAction::triggered, connections_.get(),
                     [this] { invokeGuarded([this] { copy(); }); });
    copyAction_ = action;

    // The menu key reaches the window as a context menu request on some platforms and not on
    // others, and Shift+F10 nowhere: both are the window's own shortcuts, and a request while
    // the menu is open opens no second one.
    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        auto* shortcut = new QShortcut(key, form_);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, connections_.get(),
                         [this] { showCopyMenu(std::nullopt); });
    }
}

void QtWindow::copyToClipboard(const std::string& text) {
    // Qt hands the text on to a clipboard manager when the program ends, where one runs.
    QGuiApplication::clipboard()->setText(toQString(text), QClipboard::Clipboard);
}

void QtWindow::showCopyMenu(std::optional<QPoint> at) {
    if (!loaded() || !form_ || !copyAction_ || (copyMenu_ && copyMenu_->isVisible())) {
        return;
    }
    const auto shown = [this](const ControlDesign& control) {
        const QWidget* widget = findPlaced(placed_, control.name);
        return widget != nullptr && widget->isVisible();
    };
    const std::optional<PixelPoint> place =
        copyMenuPlace(design_, at ? std::optional<PixelPoint>({at->x(), at->y()}) : std::nullopt,
                      dotsPerInch_, shown);
    if (!place) {
        return;
    }
    const QPoint position(place->x, place->y);
    auto* menu = new QMenu(form_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // An item of the menu's own, so that greying it leaves the keys to the window: a disabled
    // shortcut would hand Ctrl+C to a word list, which copies its one word.
    QAction* item = menu->addAction(copyAction_->text() + u'\t' +
                                    copyAction_->shortcut().toString(QKeySequence::NativeText));
    item->setEnabled(copyAvailable());
    QObject::connect(item, &QAction::triggered, copyAction_, &QAction::trigger);
    copyMenu_ = menu;
    // Not exec(): no nested event loop, so the slow draw's ticks and every other event go on
    // as they would without the menu.
    menu->popup(form_->mapToGlobal(position));
}

} // namespace platform::qt
